#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace fjordheim {

/// A count with the word for one and the word for more: "1 gutt", "2 gutter".
struct TCountedWord {
  std::int64_t Count;
  std::string_view Singular;
  std::string_view Plural;
};

/// Norwegian counted phrases and lists of them, as the season's texts write them.
class TCountedList {
 public:
  /// "1 gutt", "2 gutter"; nothing at all for no one.
  static std::string Phrase(std::int64_t count, std::string_view singular, std::string_view plural);
  /// " A, B og C": each item with a count above 0 after a blank, commas between all but the last two.
  static std::string Joined(std::initializer_list<TCountedWord> items);
};

}  // namespace fjordheim
