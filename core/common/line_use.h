#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace fjordheim {

/// Remembers which lines of a data file a reader acted on, so that a content author can be
/// shown every line that had no effect (a typo in a keyword is otherwise silent).
class TLineUse {
 public:
  explicit TLineUse(std::size_t lineCount = 0) : FUsed(lineCount, false) {}

  void MarkUsed(std::size_t index);

  /// Marks every line that `other` marked; both must describe the same lines.
  void Join(const TLineUse& other);

  bool IsUsed(std::size_t index) const { return index < FUsed.size() && FUsed[index]; }

  /// One entry per unused line that is not blank, as `Data/advice.txt:42: ignored: "+Text"`
  /// with the line number counted from 1 and the line trimmed.
  std::vector<std::string> IgnoredLines(const std::string& sourceName,
                                        const std::vector<std::string>& lines) const;

 private:
  std::vector<bool> FUsed;
};

}  // namespace fjordheim
