#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/village/village.h"

namespace fjordheim {

/// The pictures of the village's herds, one per animal kind in kind order (cows, pigs,
/// sheep, and the fowl: hens and the geese that go about with them).
inline constexpr std::array<const char*, AnimalKindCount> HerdPictureNames{"vicows.bmp", "vipigs.bmp", "visheep.bmp",
                                                                          "vihens.bmp"};

/// The herd pictures laid over the village picture, in kind order: a kind the village
/// keeps at least one of is drawn, a kind it has none of is not.
std::vector<std::string> VillageHerdPictures(const TAnimalCounts& animals);

}  // namespace fjordheim
