#pragma once

#include "core/common/random.h"
#include "core/decisions/decision_board.h"
#include "core/game/game_controller.h"

namespace fjordheim {

/// A simple chief, as a teacher would run one to see how long he lasts: hears the whole
/// council, sends the men to the fields and the hunt, the women to the household and the
/// cattle and the youths to the fields, slaughters what the pen cannot feed in autumn, and
/// takes the right decisions or three at random.
class TPlayPolicy {
 public:
  TPlayPolicy(TRandom& random, bool rightDecisions) : FRandom(random), FRightDecisions(rightDecisions) {}

  /// Everything a season asks before "Neste årstid".
  void PrepareSeason(TGameController& game);
  /// Prepares the season and changes it.
  TSeasonChange PlaySeason(TGameController& game);
  /// Ticks and confirms on the open board; the decision window of a headless view calls it.
  bool Decide(TDecisionBoard& board, const TDecisionGenerator& offered);

  /// In autumn every animal of a kind above this many is slaughtered.
  static constexpr int KeptCows = 12;
  static constexpr int KeptOthers = 20;

 private:
  void DivideWork(TGameController& game);
  void Slaughter(TGameController& game);

  TRandom& FRandom;
  bool FRightDecisions;
};

}  // namespace fjordheim
