#include "core/game/land.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/common/random.h"
#include "core/village/village.h"

namespace fjordheim {
namespace {

// The goods a land's text names, by the words a child reads on the map.
std::set<TGoodsKind> KindsNamed(std::string_view text) {
  const std::pair<const char*, TGoodsKind> words[] = {{"sølv", TGoodsKind::Silver}, {"rav", TGoodsKind::Amber},
                                                      {"pels", TGoodsKind::Furs},   {"jern", TGoodsKind::Iron},
                                                      {"smykker", TGoodsKind::Jewellery}, {"våpen", TGoodsKind::Weapons}};
  std::set<TGoodsKind> kinds;
  for (const auto& [word, kind] : words) {
    if (text.find(word) != std::string_view::npos) kinds.insert(kind);
  }
  return kinds;
}

// The kinds every founding of the land makes, over enough seeds to meet each of its variants.
std::set<TGoodsKind> KindsAlwaysMade(int land) {
  std::set<TGoodsKind> always;
  for (int k = 0; k < GoodsKindCount; ++k) always.insert(static_cast<TGoodsKind>(k));
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    TRandom random(seed);
    const TVillage village = TVillage::CreateForLand(land, random);
    for (int k = 0; k < GoodsKindCount; ++k) {
      if (village.GoodsProduction[static_cast<std::size_t>(k)] == 0) always.erase(static_cast<TGoodsKind>(k));
    }
  }
  return always;
}

TEST(Land, EachLandNamesExactlyTheGoodsItsVillagesMake) {
  for (int land = 0; land < static_cast<int>(Lands.size()); ++land) {
    SCOPED_TRACE(std::string(Lands[static_cast<std::size_t>(land)].Name));
    EXPECT_EQ(KindsNamed(Lands[static_cast<std::size_t>(land)].Goods), KindsAlwaysMade(land));
  }
}

// The sentence under the map says the people, the animals and the food do not change.
TEST(Land, TheLandChangesNothingButTheGoods) {
  TRandom random(5);
  const TVillage first = TVillage::CreateForLand(0, random);
  for (int land = 1; land < static_cast<int>(Lands.size()); ++land) {
    const TVillage other = TVillage::CreateForLand(land, random);
    EXPECT_EQ(other.CountPeople(), first.CountPeople());
    EXPECT_EQ(other.CountAdultMen(), first.CountAdultMen());
    EXPECT_EQ(other.Animals, first.Animals);
    EXPECT_EQ(other.Food, first.Food);
    EXPECT_EQ(other.FoodStore, first.FoodStore);
  }
}

TEST(Land, TheMapsZonesChooseTheLandsAndNothingElseDoes) {
  EXPECT_EQ(LandOfZone(97), 0);
  EXPECT_EQ(LandOfZone(50), 1);
  EXPECT_EQ(LandOfZone(128), 2);
  for (const int zone : {0, 7, 96, 255}) EXPECT_FALSE(LandOfZone(static_cast<std::uint8_t>(zone))) << zone;
}

}  // namespace
}  // namespace fjordheim
