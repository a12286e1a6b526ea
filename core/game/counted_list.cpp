#include "core/game/counted_list.h"

#include <vector>

#include "core/common/translation.h"

namespace fjordheim {

std::string TCountedList::Joined(std::initializer_list<TCountedPhrase> items) {
  std::vector<std::string> written;
  for (const TCountedPhrase& item : items) {
    if (item.Count > 0) written.push_back(item.Phrase);
  }
  if (written.empty()) return {};
  std::string text = written.front();
  for (std::size_t i = 1; i < written.size(); ++i) {
    const bool last = i + 1 == written.size();
    // Translators: the end of a list of counted things: "2 kalver, 3 sauer og 1 høne".
    if (last) text = Tr("{0} og {1}", text, written[i]);
    // Translators: a list of counted things before its last one: "2 kalver, 3 sauer".
    if (!last) text = Tr("{0}, {1}", text, written[i]);
  }
  return text;
}

std::string TCountedList::Animals(const TAnimalCounts& counts) {
  return Joined({{counts[0], TrPlural("{0} ku", "{0} kyr", counts[0], counts[0])},
                 {counts[1], TrPlural("{0} gris", "{0} griser", counts[1], counts[1])},
                 {counts[2], TrPlural("{0} sau", "{0} sauer", counts[2], counts[2])},
                 {counts[3], TrPlural("{0} høne", "{0} høns", counts[3], counts[3])}});
}

}  // namespace fjordheim
