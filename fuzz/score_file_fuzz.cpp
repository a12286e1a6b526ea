#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/game/score_list.h"

// Any bytes read as a score file give a list that writes back to bytes which read as the
// same list, and whose ten lines can be drawn.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fjordheim;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TScoreList list = TScoreList::FromBytes(bytes);
  const std::string written = list.ToBytes();
  if (TScoreList::FromBytes(written).ToBytes() != written) std::abort();
  if (list.Lines().size() != TScoreList::PlaceCount) std::abort();
  const TScoreEntry first = list.At(1);
  if (list.Remove(first.Name, first.Score) && list.At(TScoreList::PlaceCount) != TScoreEntry{}) std::abort();
  list.Insert(first.Name, first.Score);
  return 0;
}
