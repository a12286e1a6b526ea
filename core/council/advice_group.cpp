#include "core/council/advice_group.h"

#include <optional>

#include "core/common/file_messages.h"
#include "core/common/lines.h"
#include "core/common/text.h"

namespace fjordheim {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The area of a node header of that season, or none when the line is no such header. Only
// prefixes are compared, so "NODESUMMERPEOPLE" opens a node and "NODE SUMMERS PEOPLE" does not.
std::optional<TAdviceArea> HeaderArea(const std::string& line, std::string_view upperSeason) {
  std::string rest = TrimLeft(UpperAscii(line));
  if (!StartsWith(rest, "NODE")) return std::nullopt;
  rest = Trim(std::string_view(rest).substr(4));
  if (!StartsWith(rest, upperSeason)) return std::nullopt;
  rest = Trim(std::string_view(rest).substr(upperSeason.size()));
  for (int area = 0; area < AdviceAreaCount; ++area) {
    if (StartsWith(rest, AdviceAreaKeywords[area])) return static_cast<TAdviceArea>(area);
  }
  return std::nullopt;
}

}  // namespace

void TAdviceGroup::ReadSeason(const std::string& path, std::string_view seasonKeyword, TMessageSink& sink) {
  std::vector<std::string> lines;
  if (!Read1252Lines(path, lines)) {
    sink.ShowMessage(CannotReadAdviceFileMessage(path));
    return;
  }
  ReadSeason(lines, seasonKeyword);
}

void TAdviceGroup::ReadSeason(const std::vector<std::string>& lines, std::string_view seasonKeyword,
                              TLineUse* use) {
  const std::string upperSeason = UpperAscii(seasonKeyword);
  std::size_t index = 0;
  while (index < lines.size()) {
    const std::optional<TAdviceArea> area = HeaderArea(lines[index], upperSeason);
    if (area) {
      index = ReadNodeBody(lines, index, *area, use);
    } else {
      ++index;
    }
  }
}

// Starts at the header line itself and stops just after the end line, or at the end of the
// file. A text line counts as used only once a sound line has made an advice of it.
std::size_t TAdviceGroup::ReadNodeBody(const std::vector<std::string>& lines, std::size_t index,
                                       TAdviceArea area, TLineUse* use) {
  const std::size_t header = index;
  std::string previous;
  std::string pendingText;
  bool hasPendingLine = false;
  std::size_t pendingLine = 0;
  auto markUsed = [use](std::size_t i) {
    if (use) use->MarkUsed(i);
  };
  while (index < lines.size() && UpperAscii(previous) != "ENDNODE") {
    previous = Trim(lines[index]);
    if (StartsWith(previous, "+")) {
      pendingText = TrimLeft(std::string_view(previous).substr(1));
      pendingLine = index;
      hasPendingLine = true;
    } else if (StartsWith(previous, "-")) {
      FNodes.push_back(TAdviceNode{area, pendingText, TrimLeft(std::string_view(previous).substr(1))});
      markUsed(index);
      if (hasPendingLine) markUsed(pendingLine);
      pendingText.clear();
      hasPendingLine = false;
    } else if (index == header || UpperAscii(previous) == "ENDNODE") {
      markUsed(index);
    }
    ++index;
  }
  return index;
}

const TAdviceNode* TAdviceGroup::PickRandom(TAdviceArea area, TRandom& random) const {
  if (!HasAdvice(area)) return nullptr;
  const auto count = static_cast<std::int32_t>(FNodes.size());
  for (;;) {
    const TAdviceNode& node = FNodes[static_cast<std::size_t>(random.Random(count))];
    if (node.Area == area) return &node;
  }
}

bool TAdviceGroup::HasAdvice(TAdviceArea area) const {
  for (const TAdviceNode& node : FNodes) {
    if (node.Area == area) return true;
  }
  return false;
}

}  // namespace fjordheim
