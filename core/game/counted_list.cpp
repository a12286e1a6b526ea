#include "core/game/counted_list.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace fjordheim {

std::string TCountedList::Phrase(std::int64_t count, std::string_view singular, std::string_view plural) {
  if (count <= 0) return {};
  return std::to_string(count) + " " + std::string(count == 1 ? singular : plural);
}

std::string TCountedList::Joined(std::initializer_list<TCountedWord> items) {
  std::vector<TCountedWord> written;
  std::copy_if(items.begin(), items.end(), std::back_inserter(written),
               [](const TCountedWord& item) { return item.Count > 0; });
  std::string text;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (i > 0) text += i + 1 < written.size() ? "," : " og";
    text += " " + Phrase(written[i].Count, written[i].Singular, written[i].Plural);
  }
  return text;
}

}  // namespace fjordheim
