#include "core/common/line_use.h"

#include "core/common/text.h"

namespace fjordheim {

void TLineUse::MarkUsed(std::size_t index) {
  if (index < FUsed.size()) FUsed[index] = true;
}

void TLineUse::Join(const TLineUse& other) {
  for (std::size_t i = 0; i < other.FUsed.size() && i < FUsed.size(); ++i) {
    if (other.FUsed[i]) FUsed[i] = true;
  }
}

std::vector<std::string> TLineUse::IgnoredLines(const std::string& sourceName,
                                                const std::vector<std::string>& lines) const {
  std::vector<std::string> ignored;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string trimmed = Trim(lines[i]);
    if (IsUsed(i) || trimmed.empty()) continue;
    ignored.push_back(sourceName + ":" + std::to_string(i + 1) + ": ignored: \"" + trimmed + "\"");
  }
  return ignored;
}

}  // namespace fjordheim
