#pragma once

#include <string>

namespace fjordheim {

/// One row of the table on the player's page: a bookmark (with a URL) or an own note
/// (URL empty). All three are UTF-8 as the player typed them, not HTML.
struct TBookmarkEntry {
  std::string Title;
  std::string Url;
  std::string Text;

  bool operator==(const TBookmarkEntry&) const = default;
};

}  // namespace fjordheim
