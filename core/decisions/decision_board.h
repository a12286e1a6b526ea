#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/common/random.h"
#include "core/decisions/decision_generator.h"

namespace fjordheim {

/// What the decision window shows and allows: five rows of offered tasks, the player's
/// ticks, and after three are confirmed the judgement (which tasks were right, why each
/// wrong pick was wrong, a verdict line and the score).
class TDecisionBoard {
 public:
  static constexpr int RowCount = TDecisionGenerator::OfferedCount;
  static constexpr int PicksNeeded = 3;

  /// Whether a player action was carried out, and if not the message to show for it (empty
  /// where the window shows none).
  struct TOutcome {
    bool Accepted = true;
    std::string Message;
  };

  /// Takes the generator of the coming season (not owned), lets it draw new tasks and
  /// refreshes the rows; the tasks then stay the same for the whole season.
  void SetGenerator(TDecisionGenerator* generator, TRandom& random);

  /// Starts a showing of the window: rows refreshed, nothing ticked or judged.
  void Open();

  /// A click on the box or anywhere on a row: toggles its tick, but never more than three.
  TOutcome Tick(int row);

  /// The "OK" button: judges exactly three ticks.
  TOutcome Confirm();

  /// The hidden "G" button: new tasks from the generator.
  void Redraw(TRandom& random);

  /// True once three picks were confirmed in this showing; only then does Score count.
  bool Decided() const { return FDecided; }
  std::int32_t Score() const { return FScore; }

  std::string RowText(int row) const;
  bool IsTicked(int row) const { return IsRow(row) && FTicked[Slot(row)]; }
  int TickedCount() const;
  /// "Riktig" stands on every row with a right task once judged, ticked or not.
  bool ShowsRight(int row) const { return IsRow(row) && FShowsRight[Slot(row)]; }
  /// The explanation of a wrong pick, shown in red once judged.
  std::string RowExplanation(int row) const { return IsRow(row) ? FExplanations[Slot(row)] : std::string(); }
  const std::string& Verdict() const { return FVerdict; }

 private:
  static bool IsRow(int row) { return row >= 0 && row < RowCount; }
  static std::size_t Slot(int row) { return static_cast<std::size_t>(row); }
  const TDecisionNode* Task(int row) const;
  int PicksRequired() const;
  void RefreshRows();

  TDecisionGenerator* FGenerator = nullptr;
  std::array<bool, RowCount> FTicked{};
  std::array<bool, RowCount> FShowsRight{};
  std::array<std::string, RowCount> FExplanations;
  std::string FVerdict;
  bool FDecided = false;
  std::int32_t FScore = 0;
};

}  // namespace fjordheim
