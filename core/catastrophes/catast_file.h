#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/catastrophes/catast_node.h"

namespace fjordheim {

/// The events of "Catasts.txt", read from its lines:
/// - a line that begins with "NODE" (exact case) after leading blanks opens an event; the
///   rest of the line, trimmed, is its key;
/// - inside an event every line is trimmed: "+" gives the sound, "-" the picture, "*" the
///   heading (a later one replaces an earlier one), a line that is "ENDNODE" in any letter
///   case closes the event, and every other line, empty ones too, is a line of its text;
/// - lines outside events are passed over.
/// An event still open at the end of the file is kept as it stands.
class TCatastFile {
 public:
  static TCatastFile FromLines(const std::vector<std::string>& lines);
  /// Reads the Windows-1252 bytes of a whole file.
  static TCatastFile FromBytes(std::string_view bytes);

  /// The events in file order.
  std::vector<TCatastNode> Nodes;

  /// For a content author, in line order: every non-blank line outside the events that is
  /// not an event's closing line, as `Data/Catasts.txt:42: ignored: "text"`, and the header
  /// of every event that runs into the next one or to the end of the file, as
  /// `Data/Catasts.txt:7: not closed: "NODE _Visit"`, and the header of every event whose
  /// key the game does not know (it would stop the queue for ever), as
  /// `Data/Catasts.txt:7: unknown key: "NODE _Fjre"` (lines counted from 1, trimmed).
  std::vector<std::string> IgnoredLines(const std::string& sourceName) const;

 private:
  struct TIgnoredLine {
    std::size_t Number;
    std::string_view Kind;
    std::string Text;
  };

  std::size_t ReadNode(const std::vector<std::string>& lines, std::size_t header);

  std::vector<TIgnoredLine> FIgnored;
};

}  // namespace fjordheim
