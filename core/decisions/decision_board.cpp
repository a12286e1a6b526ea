#include "core/decisions/decision_board.h"

#include <algorithm>
#include <limits>
#include <string>

#include "core/common/translation.h"

namespace fjordheim {
namespace {

std::string VerdictFor(int wrongPicks) {
  if (wrongPicks == 0) return Tr("- Du har gjort et godt valg, høvding.");
  if (wrongPicks == 1) return Tr("- Valget ditt var bra, høvding.");
  return Tr("- Dette var et dårlig valg, høvding.");
}

}  // namespace

void TDecisionBoard::SetGenerator(TDecisionGenerator* generator, TRandom& random) {
  FGenerator = generator;
  if (FGenerator) FGenerator->DrawOptions(random);
  RefreshRows();
}

void TDecisionBoard::Open() {
  RefreshRows();
  FDecided = false;
}

void TDecisionBoard::Redraw(TRandom& random) {
  if (!FGenerator) return;
  FGenerator->DrawOptions(random);
  RefreshRows();
}

void TDecisionBoard::RefreshRows() {
  if (!FGenerator) return;
  FTicked.fill(false);
  FShowsRight.fill(false);
  FExplanations.fill(std::string());
  FVerdict.clear();
}

const TDecisionNode* TDecisionBoard::Task(int row) const { return FGenerator ? FGenerator->Option(row) : nullptr; }

std::string TDecisionBoard::RowText(int row) const {
  const TDecisionNode* task = Task(row);
  return task ? task->Text : std::string();
}

int TDecisionBoard::TickedCount() const { return static_cast<int>(std::count(FTicked.begin(), FTicked.end(), true)); }

// A file with fewer than three tasks could never be decided, and the season could then never
// end; ticking every offered task is enough there.
int TDecisionBoard::PicksRequired() const {
  return std::min(PicksNeeded, FGenerator ? FGenerator->OptionCount() : 0);
}

// The judged picks stay as they were judged, and an empty row has nothing to pick.
TDecisionBoard::TOutcome TDecisionBoard::Tick(int row) {
  if (FDecided || !Task(row)) return {false, std::string()};
  bool& ticked = FTicked[Slot(row)];
  ticked = !ticked;
  if (ticked && TickedCount() > PicksNeeded) {
    ticked = false;
    return {false, Tr("Du kan bare gjøre 3 valg!")};
  }
  return {};
}

TDecisionBoard::TOutcome TDecisionBoard::Confirm() {
  if (FDecided || !FGenerator) return {false, std::string()};
  if (TickedCount() != PicksRequired()) return {false, TrPlural("Du må gjøre {0} valg!", "Du må gjøre {0} valg!", PicksRequired(), PicksRequired())};
  int wrongPicks = 0;
  std::int64_t score = 0;
  for (int row = 0; row < RowCount; ++row) {
    const TDecisionNode* task = Task(row);
    if (!task) continue;
    FShowsRight[Slot(row)] = task->Right;
    if (!FTicked[Slot(row)]) continue;
    score += task->Score;
    if (!task->Right) {
      FExplanations[Slot(row)] = task->Explanation;
      ++wrongPicks;
    }
  }
  FVerdict = VerdictFor(wrongPicks);
  // Penalties come from a data file; the sum is held within 32 bits rather than overflowing.
  FScore = static_cast<std::int32_t>(std::clamp<std::int64_t>(score, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
  FDecided = true;
  return {};
}

}  // namespace fjordheim
