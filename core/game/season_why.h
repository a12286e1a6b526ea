#pragma once

#include <string>

#include "core/game/season_change_info.h"
#include "core/village/village.h"

namespace fjordheim {

/// One short line under each panel of the season report that says why, worked out from the
/// numbers and events of the season change itself; empty where nothing needs explaining.
struct TSeasonWhy {
  std::string People;
  std::string Animals;
  std::string Crop;

  /// The lines that say something, one after another.
  std::string Joined() const;

  /// The lines for the change the village has just lived through (its `LastStep`), with
  /// the deaths and losses the report counted. storeBurntBefore is what a fire took from
  /// the store at the end of the season before, which this season then lacked.
  static TSeasonWhy Of(const TVillage& village, const TSeasonChangeInfo& info, long double storeBurntBefore);

  /// Why a deposed chief was deposed: the lowest of the rating's factors (each 0.5 in a
  /// village that is doing as it should), trade only when it counted.
  static std::string DepositionCause(long double standing, long double survival, long double trade, bool withTrade,
                                     bool nobodyLeft);
};

}  // namespace fjordheim
