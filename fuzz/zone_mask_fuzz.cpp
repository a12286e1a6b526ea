// Any bytes are a mask; every point, inside the picture or not, must answer a zone
// without reading past the data.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/game/zone_mask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const int width = data[0] + 1;
  const int probe = static_cast<std::int8_t>(data[1]) * 37;
  const fjordheim::TZoneMask mask(std::vector<std::uint8_t>(data + 2, data + size));
  for (int y = -1; y <= static_cast<int>(size) / width + 1; ++y) {
    for (int x : {-1, 0, width / 2, width - 1, width, probe}) {
      const std::uint8_t zone = mask.ZoneAt(x, y, width);
      const bool inside = x >= 0 && x < width && y >= 0 && static_cast<std::size_t>(x + y * width) < size - 2;
      if (!inside && zone != 0) std::abort();
      if (inside && zone != data[2 + x + y * width]) std::abort();
    }
  }
  return 0;
}
