#include "core/catastrophes/catastrophe_check.h"

#include <algorithm>
#include <limits>

namespace fjordheim {

TCatastropheCheck::TCatastropheCheck(TCatastQueue& queue, TRandom& random, std::int32_t catastrophyRandom,
                                     std::int32_t catastrophyPeriod)
    : FQueue(queue), FRandom(random), FCatastrophyRandom(catastrophyRandom), FCatastrophyPeriod(catastrophyPeriod) {}

void TCatastropheCheck::NewGame() {
  DrawCountdown();
  SpecialSituation = TSpecialSituation::None;
}

// A saved game may hold any countdown; it stops at the lowest value rather than wrapping
// round to the highest and holding the events back for ever.
void TCatastropheCheck::CountDown() {
  if (Countdown > std::numeric_limits<std::int32_t>::min()) --Countdown;
}

const TCatastNode* TCatastropheCheck::CheckCatastrophe(TSeason endingSeason, TVillage& village,
                                                       const TShowEvent& showEvent) {
  const TCatastNode* event = FQueue.Current();
  if (event == nullptr || Countdown > 0) return nullptr;
  const std::optional<TCatastRule> rule = FindCatastRule(event->Key);
  if (!rule || !rule->Fits(endingSeason)) return nullptr;

  if (showEvent) showEvent(*event);
  FQueue.Next(FRandom);
  DrawCountdown();
  village.SetEvent(rule->Event);
  if (rule->Situation != TSpecialSituation::None) SpecialSituation = rule->Situation;
  return event;
}

// Both settings come from the settings file; a sum beyond the 32-bit range stops at its end.
void TCatastropheCheck::DrawCountdown() {
  const std::int64_t countdown = std::int64_t{FRandom.Random(FCatastrophyRandom)} + FCatastrophyPeriod;
  Countdown = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(countdown, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace fjordheim
