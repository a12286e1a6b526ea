#include "core/game/first_decision_quiz.h"

#include <utility>

#include "core/common/file_messages.h"
#include "core/common/lines.h"
#include "core/common/text.h"
#include "core/common/translation.h"

namespace fjordheim {
namespace {

constexpr std::size_t RightPairsNeeded = 1;
constexpr std::size_t WrongPairsNeeded = 2;

std::vector<std::string> ReadQuizFile(const std::string& path, TMessageSink& sink) {
  std::vector<std::string> lines;
  if (!Read1252Lines(path, lines)) sink.ShowMessage(CannotReadFileMessage(path));
  return lines;
}

std::string PairShortage(const std::string& name, std::size_t pairs, std::size_t needed) {
  // Translators: {0} is a file of the quiz, {1} the pairs of answers it holds, {2} the pairs it needs.
  return TrPlural("For få svar i {0}: {1} svarpar, minst {2} trengs", "For få svar i {0}: {1} svarpar, minst {2} trengs",
                  static_cast<std::int64_t>(pairs), name, pairs, needed);
}

}  // namespace

TFirstDecisionQuiz::TFirstDecisionQuiz(const std::string& correctPath, const std::string& falsePath,
                                       TMessageSink& sink)
    : FCorrectName(correctPath), FFalseName(falsePath) {
  const std::vector<std::string> correctLines = ReadQuizFile(correctPath, sink);
  const std::vector<std::string> falseLines = ReadQuizFile(falsePath, sink);
  TakeLines(correctLines, falseLines);
}

TFirstDecisionQuiz::TFirstDecisionQuiz(const std::vector<std::string>& correctLines,
                                       const std::vector<std::string>& falseLines, std::string correctName,
                                       std::string falseName)
    : FCorrectName(std::move(correctName)), FFalseName(std::move(falseName)) {
  TakeLines(correctLines, falseLines);
}

void TFirstDecisionQuiz::TakeLines(const std::vector<std::string>& correctLines,
                                   const std::vector<std::string>& falseLines) {
  FRight = Pairs(correctLines);
  FWrong = Pairs(falseLines);
  FRightUnpaired = UnpairedLine(FCorrectName, correctLines);
  FWrongUnpaired = UnpairedLine(FFalseName, falseLines);
}

// Line 2n is the answer and line 2n + 1 its explanation; an odd last line has no partner.
std::vector<TQuizAnswer> TFirstDecisionQuiz::Pairs(const std::vector<std::string>& lines) {
  std::vector<TQuizAnswer> pairs;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) pairs.push_back(TQuizAnswer{lines[i], lines[i + 1]});
  return pairs;
}

std::optional<std::string> TFirstDecisionQuiz::UnpairedLine(const std::string& name,
                                                            const std::vector<std::string>& lines) {
  if (lines.size() % 2 == 0 || Trim(lines.back()).empty()) return std::nullopt;
  return name + ":" + std::to_string(lines.size()) + ": ignored: \"" + Trim(lines.back()) + "\"";
}

std::optional<TFirstDecisionDraw> TFirstDecisionQuiz::Draw(TRandom& random) const {
  if (!CanDraw()) return std::nullopt;
  const auto i = static_cast<std::size_t>(random.Random(static_cast<std::int32_t>(FRight.size())));
  const auto wrongCount = static_cast<std::int32_t>(FWrong.size());
  const auto j = static_cast<std::size_t>(random.Random(wrongCount));
  std::size_t k = 0;
  do {
    k = static_cast<std::size_t>(random.Random(wrongCount));
  } while (k == j);
  TFirstDecisionDraw draw;
  draw.RightSlot = random.Random(TFirstDecisionDraw::SlotCount);
  const auto p = static_cast<std::size_t>(draw.RightSlot);
  draw.Slots[p] = FRight[i];
  draw.Slots[(p + 1) % 3] = FWrong[j];
  draw.Slots[(p + 2) % 3] = FWrong[k];
  return draw;
}

std::vector<std::string> TFirstDecisionQuiz::MissingPairs() const {
  std::vector<std::string> missing;
  if (FRight.size() < RightPairsNeeded) missing.push_back(PairShortage(FCorrectName, FRight.size(), RightPairsNeeded));
  if (FWrong.size() < WrongPairsNeeded) missing.push_back(PairShortage(FFalseName, FWrong.size(), WrongPairsNeeded));
  return missing;
}

std::vector<std::string> TFirstDecisionQuiz::IgnoredLines() const {
  std::vector<std::string> ignored;
  if (FRightUnpaired) ignored.push_back(*FRightUnpaired);
  if (FWrongUnpaired) ignored.push_back(*FWrongUnpaired);
  return ignored;
}

}  // namespace fjordheim
