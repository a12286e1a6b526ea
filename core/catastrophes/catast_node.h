#pragma once

#include <string>
#include <utility>
#include <vector>

namespace fjordheim {

/// One event of "Catasts.txt": what the catastrophe dialog shows and the key that decides
/// when it may strike and what it does to the village.
class TCatastNode {
 public:
  explicit TCatastNode(std::string key) : Key(std::move(key)) {}

  /// Appends one line to the text the dialog shows.
  void AddLine(std::string line) { Text.push_back(std::move(line)); }

  std::string Key;
  /// A file in the pictures folder.
  std::string Picture;
  /// A file in the sound folder.
  std::string Sound;
  std::string Heading;
  std::vector<std::string> Text;
};

}  // namespace fjordheim
