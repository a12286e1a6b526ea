#include "core/decisions/decision_generator.h"

#include <charconv>
#include <limits>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "core/common/file_messages.h"
#include "core/common/lines.h"
#include "core/common/text.h"
#include "core/common/translation.h"

namespace fjordheim {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string RestAfterMark(std::string_view trimmed) { return TrimLeft(trimmed.substr(1)); }

// The score of an x line: the penalty negated. Blanks may stand between the x and the
// number; anything that is not one whole decimal integer gives none.
std::optional<std::int32_t> ScoreOfPenaltyLine(std::string_view trimmed) {
  std::string number = RestAfterMark(trimmed);
  std::string_view digits = number;
  if (StartsWith(digits, "+")) digits.remove_prefix(1);
  if (digits.empty() || digits.front() == '+') return std::nullopt;
  std::int32_t penalty = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), penalty);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (penalty == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
  return -penalty;
}

enum class TGroupKind { Right1, Right2, Right3, Wrong, None };

// The group a header opens: "GRUPP" after leading blanks, then a name beginning with 1, 2, 3
// or FEL; the letter case counts and anything after the name is ignored.
TGroupKind HeaderKind(std::string_view line) {
  const std::string text = TrimLeft(line);
  if (!StartsWith(text, "GRUPP")) return TGroupKind::None;
  const std::string name = Trim(std::string_view(text).substr(5));
  if (StartsWith(name, "1")) return TGroupKind::Right1;
  if (StartsWith(name, "2")) return TGroupKind::Right2;
  if (StartsWith(name, "3")) return TGroupKind::Right3;
  if (StartsWith(name, "FEL")) return TGroupKind::Wrong;
  return TGroupKind::None;
}

}  // namespace

TDecisionGenerator::TDecisionGenerator(const std::string& path, TRandom& random, TMessageSink& sink)
    : FSourceName(path) {
  std::vector<std::string> lines;
  if (Read1252Lines(path, lines)) {
    Read(lines);
  } else {
    sink.ShowMessage(CannotReadFileMessage(path));
  }
  DrawOptions(random);
}

TDecisionGenerator::TDecisionGenerator(const std::vector<std::string>& lines, std::string sourceName,
                                       TRandom& random)
    : FSourceName(std::move(sourceName)) {
  Read(lines);
  DrawOptions(random);
}

void TDecisionGenerator::Read(const std::vector<std::string>& lines) {
  TLineUse use(lines.size());
  std::size_t index = 0;
  while (index < lines.size()) {
    switch (HeaderKind(lines[index])) {
      case TGroupKind::Right1: index = ReadRightGroup(lines, index, FRightGroups[0], use); break;
      case TGroupKind::Right2: index = ReadRightGroup(lines, index, FRightGroups[1], use); break;
      case TGroupKind::Right3: index = ReadRightGroup(lines, index, FRightGroups[2], use); break;
      case TGroupKind::Wrong: index = ReadWrongGroup(lines, index, use); break;
      case TGroupKind::None: ++index; break;
    }
  }
  FIgnoredLines = use.IgnoredLines(FSourceName, lines);
}

// Both group readers start at the header line, which changes nothing, and stop just after
// the end line "END" (exactly so) or at the end of the file; a header inside a group is an
// ignored line, so a group without its end runs on into the next one.
std::size_t TDecisionGenerator::ReadRightGroup(const std::vector<std::string>& lines, std::size_t index,
                                               std::deque<TDecisionNode>& group, TLineUse& use) {
  const std::size_t header = index;
  std::string previous;
  while (index < lines.size() && previous != "END") {
    previous = Trim(lines[index]);
    if (index == header || previous == "END") {
      use.MarkUsed(index);
    } else if (StartsWith(previous, "-")) {
      group.push_back(TDecisionNode{true, RestAfterMark(previous), std::string(), 1});
      use.MarkUsed(index);
    }
    ++index;
  }
  return index;
}

// A wrong task opens with "-", takes its explanation from "*" lines and joins the wrong list
// at each x line. Its lines count as used only once it has joined the list: a task that is
// never finished is dropped and its lines are reported as ignored.
std::size_t TDecisionGenerator::ReadWrongGroup(const std::vector<std::string>& lines, std::size_t index,
                                               TLineUse& use) {
  const std::size_t header = index;
  std::string previous;
  TDecisionNode* open = nullptr;
  bool openListed = false;
  std::vector<std::size_t> openLines;
  auto markOpenTaskLine = [&](std::size_t i) {
    if (openListed) {
      use.MarkUsed(i);
    } else {
      openLines.push_back(i);
    }
  };
  while (index < lines.size() && previous != "END") {
    previous = Trim(lines[index]);
    if (index == header || previous == "END") {
      use.MarkUsed(index);
    } else if (StartsWith(previous, "-")) {
      open = &FWrongTasks.emplace_back(TDecisionNode{false, RestAfterMark(previous), std::string(), 0});
      openListed = false;
      openLines.assign(1, index);
    } else if (StartsWith(previous, "*") && open) {
      open->Explanation = RestAfterMark(previous);
      markOpenTaskLine(index);
    } else if (StartsWith(previous, "x") && open) {
      if (const std::optional<std::int32_t> score = ScoreOfPenaltyLine(previous)) {
        open->Score = *score;
        FWrongList.push_back(open);
        openListed = true;
        use.MarkUsed(index);
        for (std::size_t line : openLines) use.MarkUsed(line);
        openLines.clear();
      }
    }
    ++index;
  }
  return index;
}

int TDecisionGenerator::DifferentWrongTasks() const {
  return static_cast<int>(std::set<const TDecisionNode*>(FWrongList.begin(), FWrongList.end()).size());
}

// The first task is appended without a draw: a place in [0, 1) needs none.
void TDecisionGenerator::InsertAtRandom(const TDecisionNode* task, TRandom& random) {
  if (FOffered.empty()) {
    FOffered.push_back(task);
    return;
  }
  const auto position = random.Random(static_cast<std::int32_t>(FOffered.size()) + 1);
  FOffered.insert(FOffered.begin() + position, task);
}

// The random numbers are drawn in a fixed order: the task of group 1; the task of group 2 and
// its place; the task of group 3 and its place; wrong task A, the draws of B until it differs
// from A; the place of A, the place of B. A complete file thus draws places in [0, 2), [0, 3),
// [0, 4) and [0, 5); a group that has no task is left out of the draw.
void TDecisionGenerator::DrawOptions(TRandom& random) {
  FOffered.clear();
  for (const std::deque<TDecisionNode>& group : FRightGroups) {
    if (group.empty()) continue;
    const TDecisionNode* task = &group[static_cast<std::size_t>(random.Random(static_cast<std::int32_t>(group.size())))];
    InsertAtRandom(task, random);
  }
  if (FWrongList.empty()) return;
  const auto wrongCount = static_cast<std::int32_t>(FWrongList.size());
  const TDecisionNode* first = FWrongList[static_cast<std::size_t>(random.Random(wrongCount))];
  const TDecisionNode* second = nullptr;
  if (DifferentWrongTasks() >= 2) {
    do {
      second = FWrongList[static_cast<std::size_t>(random.Random(wrongCount))];
    } while (second == first);
  }
  InsertAtRandom(first, random);
  if (second) InsertAtRandom(second, random);
}

const TDecisionNode* TDecisionGenerator::Option(int i) const {
  if (i < 0 || i >= OptionCount()) return nullptr;
  return FOffered[static_cast<std::size_t>(i)];
}

const std::deque<TDecisionNode>& TDecisionGenerator::RightGroup(int group) const {
  return FRightGroups.at(static_cast<std::size_t>(group - 1));
}

std::vector<std::string> TDecisionGenerator::MissingTasks() const {
  std::vector<std::string> missing;
  for (int group = 1; group <= RightGroupCount; ++group) {
    if (RightGroup(group).empty()) {
      // Translators: {0} is a file of decisions, {1} the number of a group in it.
      missing.push_back(Tr("{0}: gruppe {1} har ingen oppgave", FSourceName, group));
    }
  }
  // Translators: {0} is a file of decisions; FEL is the name of a group in it and stays as it is.
  if (DifferentWrongTasks() < 2) missing.push_back(Tr("{0}: gruppe FEL har færre enn to ulike oppgaver", FSourceName));
  return missing;
}

}  // namespace fjordheim
