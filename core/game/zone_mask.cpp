#include "core/game/zone_mask.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/common/path_resolver.h"
#include "core/common/translation.h"

namespace fjordheim {

TZoneMask TZoneMask::Read(const std::string& path) {
  std::ifstream file(ResolvePath(path), std::ios::binary);
  if (!file) throw std::runtime_error(Tr("Kan ikke åpne filen {0}", path));
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw std::runtime_error(Tr("Kunde inte läsa från fil: {0}", path));
  return TZoneMask(std::move(bytes));
}

std::uint8_t TZoneMask::ZoneAt(int x, int y, int width) const {
  // A point left or right of the picture would otherwise fall into a neighbouring row.
  if (x < 0 || y < 0 || x >= width) return 0;
  const auto index = static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
  return index < FBytes.size() ? FBytes[index] : 0;
}

}  // namespace fjordheim
