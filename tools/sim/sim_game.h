#pragma once

#include "core/common/random.h"
#include "core/village/village.h"
#include "tools/sim/season_line.h"
#include "tools/sim/sim_options.h"

namespace fjordheim {

/// A village played season after season by a fixed plan, as a teacher or a balancer would run it.
class TSimGame {
 public:
  explicit TSimGame(const TSimOptions& options);
  TSimGame(const TSimGame&) = delete;
  TSimGame& operator=(const TSimGame&) = delete;

  /// Sets the work, slaughters in autumn, maybe deals an event, changes the season and rates the chief.
  TSeasonRecord PlaySeason();

  const TVillage& Village() const { return FVillage; }

 private:
  void AssignWork();

  TSimOptions FOptions;
  TRandom FRandom;
  TVillage FVillage;
  int FBirths = 0;
};

}  // namespace fjordheim
