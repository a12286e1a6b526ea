#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "core/village/village.h"

namespace fjordheim {

/// A count with its phrase in the language of the game, "2 gutter" (from TrPlural).
struct TCountedPhrase {
  std::int64_t Count;
  std::string Phrase;
};

/// Lists of counted phrases, as the season's texts write them.
class TCountedList {
 public:
  /// "A, B og C" of the phrases whose count is above 0; empty for none.
  static std::string Joined(std::initializer_list<TCountedPhrase> items);
  /// The grown animals by kind: "2 kyr og 1 høne".
  static std::string Animals(const TAnimalCounts& counts);
};

}  // namespace fjordheim
