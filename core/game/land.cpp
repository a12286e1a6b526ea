#include "core/game/land.h"

namespace fjordheim {

std::optional<std::uint8_t> LandOfZone(std::uint8_t zone) {
  for (std::size_t land = 0; land < Lands.size(); ++land) {
    if (Lands[land].Zone == zone) return static_cast<std::uint8_t>(land);
  }
  return std::nullopt;
}

}  // namespace fjordheim
