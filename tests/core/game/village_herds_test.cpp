#include "core/game/village_herds.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

using TNames = std::vector<std::string>;

TEST(VillageHerdPictures, OnlyTheKindsTheVillageKeepsAreDrawnInKindOrder) {
  EXPECT_EQ(VillageHerdPictures({3, 0, 5, 0}), (TNames{"vicows.bmp", "visheep.bmp"}));
  EXPECT_EQ(VillageHerdPictures({0, 1, 0, 1}), (TNames{"vipigs.bmp", "vihens.bmp"}));
  EXPECT_EQ(VillageHerdPictures({1, 1, 1, 65535}), (TNames{"vicows.bmp", "vipigs.bmp", "visheep.bmp", "vihens.bmp"}));
  EXPECT_TRUE(VillageHerdPictures({0, 0, 0, 0}).empty());
}

}  // namespace
}  // namespace fjordheim
