#pragma once

#include "core/common/random.h"
#include "core/decisions/decision_board.h"
#include "core/game/game_controller.h"

namespace fjordheim {

/// A simple chief, as a teacher would run one to see how long he lasts: hears the whole
/// council, sends the men and youths hunting and fishing and the women to the household and
/// the cattle, slaughters in autumn what the pen holds beyond a fixed herd, and takes the
/// right decisions or three at random.
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

 /// Every figure on the work page at its work.
  void DivideWork(TGameController& game);

 private:
  void Slaughter(TGameController& game);

  TRandom& FRandom;
  bool FRightDecisions;
};

}  // namespace fjordheim
