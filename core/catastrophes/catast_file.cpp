#include "core/catastrophes/catast_file.h"

#include <utility>

#include "core/catastrophes/catast_rule.h"
#include "core/common/lines.h"
#include "core/common/text.h"

namespace fjordheim {
namespace {

constexpr std::string_view NodeKeyword = "NODE";
constexpr std::string_view EndKeyword = "ENDNODE";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view WithoutLeadingBlanks(std::string_view line) {
  std::size_t begin = 0;
  while (begin < line.size() && IsBlank(line[begin])) ++begin;
  return line.substr(begin);
}

bool IsEndLine(std::string_view trimmed) { return UpperAscii(trimmed) == EndKeyword; }

void ApplyBodyLine(TCatastNode& node, std::string line) {
  if (line.empty()) {
    node.AddLine(std::move(line));
  } else if (line.front() == '+') {
    node.Sound = Trim(std::string_view(line).substr(1));
  } else if (line.front() == '-') {
    node.Picture = Trim(std::string_view(line).substr(1));
  } else if (line.front() == '*') {
    node.Heading = Trim(std::string_view(line).substr(1));
  } else {
    node.AddLine(std::move(line));
  }
}

}  // namespace

TCatastFile TCatastFile::FromLines(const std::vector<std::string>& lines) {
  TCatastFile file;
  std::size_t index = 0;
  while (index < lines.size()) {
    const std::string_view line = WithoutLeadingBlanks(lines[index]);
    if (line.starts_with(NodeKeyword)) {
      index = file.ReadNode(lines, index);
      // The closing line is passed over like any line outside an event.
      if (index < lines.size()) ++index;
      continue;
    }
    if (!line.empty()) file.FIgnored.push_back(TIgnoredLine{index + 1, "ignored", Trim(line)});
    ++index;
  }
  return file;
}

TCatastFile TCatastFile::FromBytes(std::string_view bytes) { return FromLines(SplitLines(Utf8From1252(bytes))); }

// Reads the event whose header is at the index. Returns the index of the closing line, or
// the number of lines when the event runs to the end of the file.
std::size_t TCatastFile::ReadNode(const std::vector<std::string>& lines, std::size_t header) {
  const std::string headerLine = Trim(lines[header]);
  TCatastNode node(Trim(std::string_view(headerLine).substr(NodeKeyword.size())));
  bool runsOn = false;
  std::size_t index = header + 1;
  while (index < lines.size()) {
    std::string line = Trim(lines[index]);
    if (IsEndLine(line)) break;
    runsOn = runsOn || line.starts_with(NodeKeyword);
    ApplyBodyLine(node, std::move(line));
    ++index;
  }
  if (!FindCatastRule(node.Key)) FIgnored.push_back(TIgnoredLine{header + 1, "unknown key", headerLine});
  if (runsOn || index == lines.size()) FIgnored.push_back(TIgnoredLine{header + 1, "not closed", headerLine});
  Nodes.push_back(std::move(node));
  return index;
}

std::vector<std::string> TCatastFile::IgnoredLines(const std::string& sourceName) const {
  std::vector<std::string> report;
  report.reserve(FIgnored.size());
  for (const TIgnoredLine& line : FIgnored) {
    report.push_back(sourceName + ":" + std::to_string(line.Number) + ": " + std::string(line.Kind) + ": \"" +
                     line.Text + "\"");
  }
  return report;
}

}  // namespace fjordheim
