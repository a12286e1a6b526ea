#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/common/message_sink.h"
#include "core/common/random.h"

namespace fjordheim {

/// One answer of the first decision and the explanation shown once it was chosen.
struct TQuizAnswer {
  std::string Text;
  std::string Explanation;
};

/// The three answers put to a new chief, one of them right.
struct TFirstDecisionDraw {
  static constexpr int SlotCount = 3;
  std::array<TQuizAnswer, SlotCount> Slots;
  int RightSlot = 0;

  bool IsRight(int slot) const { return slot == RightSlot; }
};

/// The answers of the first decision: right ones from "Correct.que", wrong ones from
/// "False.que", each file read as pairs of lines (answer, then explanation).
class TFirstDecisionQuiz {
 public:
  /// Reads both files; one that cannot be read gives "Kan ikke lese filen: " and its path
  /// and counts as empty.
  TFirstDecisionQuiz(const std::string& correctPath, const std::string& falsePath, TMessageSink& sink);

  /// Takes lines already read; the names stand for the files in messages.
  TFirstDecisionQuiz(const std::vector<std::string>& correctLines, const std::vector<std::string>& falseLines,
                     std::string correctName = "Correct.que", std::string falseName = "False.que");

  /// Puts one right and two different wrong answers in random slots: right pair i, wrong
  /// pair j, wrong pair k redrawn while it equals j, then the right slot p; p gets i,
  /// p + 1 gets j and p + 2 gets k (mod 3). None when the files hold too few pairs.
  std::optional<TFirstDecisionDraw> Draw(TRandom& random) const;

  /// At least one right pair and two wrong pairs.
  bool CanDraw() const { return MissingPairs().empty(); }

  /// What keeps the quiz from a draw, as `False.que: 1 answer pair, at least 2 needed`.
  std::vector<std::string> MissingPairs() const;

  const std::vector<TQuizAnswer>& RightAnswers() const { return FRight; }
  const std::vector<TQuizAnswer>& WrongAnswers() const { return FWrong; }

  /// The odd last line of a file, which has no partner and is never shown.
  std::vector<std::string> IgnoredLines() const;

 private:
  void TakeLines(const std::vector<std::string>& correctLines, const std::vector<std::string>& falseLines);
  static std::vector<TQuizAnswer> Pairs(const std::vector<std::string>& lines);
  static std::optional<std::string> UnpairedLine(const std::string& name, const std::vector<std::string>& lines);

  std::string FCorrectName;
  std::string FFalseName;
  std::vector<TQuizAnswer> FRight;
  std::vector<TQuizAnswer> FWrong;
  std::optional<std::string> FRightUnpaired;
  std::optional<std::string> FWrongUnpaired;
};

}  // namespace fjordheim
