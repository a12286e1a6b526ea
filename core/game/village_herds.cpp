#include "core/game/village_herds.h"

namespace fjordheim {

std::vector<std::string> VillageHerdPictures(const TAnimalCounts& animals) {
  std::vector<std::string> pictures;
  for (std::size_t kind = 0; kind < animals.size(); ++kind) {
    if (animals[kind] > 0) pictures.emplace_back(HerdPictureNames[kind]);
  }
  return pictures;
}

}  // namespace fjordheim
