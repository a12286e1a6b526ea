#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/common/season.h"
#include "core/council/advice_group.h"

namespace fjordheim {

/// The advice of every council meeting: six pools read from advice.txt, and the five
/// pieces of advice drawn for the current meeting, one per area.
class TAdviceGenerator {
 public:
  /// Reads the file once and fills the six pools; a file that cannot be read gives
  /// "Kan inte läsa filen: " and the path six times, once per pool, and leaves them empty.
  TAdviceGenerator(const std::string& path, TMessageSink& sink);

  /// Fills the six pools from lines already read; `sourceName` names them in IgnoredLines.
  TAdviceGenerator(const std::vector<std::string>& lines, std::string sourceName);

  // The current advice points into the pools, so a copy would point into the original.
  TAdviceGenerator(const TAdviceGenerator&) = delete;
  TAdviceGenerator& operator=(const TAdviceGenerator&) = delete;
  TAdviceGenerator(TAdviceGenerator&&) = default;
  TAdviceGenerator& operator=(TAdviceGenerator&&) = default;

  /// Draws one advice per area, areas 0 to 4 in turn, from the pool of that season.
  void SelectAdvice(TAdviceSeason season, TRandom& random);

  /// The text of the current advice of area 0..4; empty when that area has none.
  std::string AdviceText(int area) const;

  /// The current advice of area 0..4; none before the first meeting, for an area that its
  /// pool lacks, and for an area outside 0..4.
  const TAdviceNode* AdviceNode(int area) const;

  const TAdviceGroup& Group(TAdviceSeason season) const { return FGroups[static_cast<std::size_t>(season)]; }

  /// Every pool and area without advice, as `advice.txt: no advice for WINTER CATTLE`.
  std::vector<std::string> MissingAdvice() const;

  /// Every non-blank line that no pool took anything from, as
  /// `Data/advice.txt:42: ignored: "+Text without node"`.
  const std::vector<std::string>& IgnoredLines() const { return FIgnoredLines; }

 private:
  void ReadAllSeasons(const std::vector<std::string>& lines);

  std::string FSourceName;
  std::array<TAdviceGroup, AdviceSeasonCount> FGroups;
  std::array<const TAdviceNode*, AdviceAreaCount> FCurrent{};
  std::vector<std::string> FIgnoredLines;
};

}  // namespace fjordheim
