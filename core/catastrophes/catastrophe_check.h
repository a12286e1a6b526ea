#pragma once

#include <cstdint>
#include <functional>

#include "core/catastrophes/catast_node.h"
#include "core/catastrophes/catast_queue.h"
#include "core/catastrophes/catast_rule.h"
#include "core/common/random.h"
#include "core/common/season.h"
#include "core/village/village.h"

namespace fjordheim {

/// The catastrophe step of every change of season: whether the event at the head of the
/// queue strikes the season that is ending, and the countdown that spaces the events.
/// The countdown and the special situation belong to the game: the turn cycle saves and
/// loads the countdown and resets the situation once the new season's council is chosen.
class TCatastropheCheck {
 public:
  /// Shows an event to the player (the dialog, its picture and its sound) and returns when
  /// the dialog is closed.
  using TShowEvent = std::function<void(const TCatastNode& event)>;

  /// The countdown is drawn as Random(catastrophyRandom) + catastrophyPeriod.
  TCatastropheCheck(TCatastQueue& queue, TRandom& random, std::int32_t catastrophyRandom,
                    std::int32_t catastrophyPeriod);

  /// A new game: a fresh countdown and no special situation.
  void NewGame();

  /// Lowers the countdown by one; the turn cycle does so at every change of season, just
  /// before the check.
  void CountDown();

  /// Shows the event at the head of the queue when its rule fits the ending season and the
  /// countdown has run out (0 or below); the queue then moves on, the countdown is drawn
  /// anew and the event's flag is set in the village (and, for frost and fire, the special
  /// situation). Otherwise nothing happens and the event stays at the head. Returns the
  /// event shown, or nullptr.
  const TCatastNode* CheckCatastrophe(TSeason endingSeason, TVillage& village, const TShowEvent& showEvent);

  std::int32_t Countdown = 0;
  TSpecialSituation SpecialSituation = TSpecialSituation::None;

 private:
  void DrawCountdown();

  TCatastQueue& FQueue;
  TRandom& FRandom;
  std::int32_t FCatastrophyRandom;
  std::int32_t FCatastrophyPeriod;
};

}  // namespace fjordheim
