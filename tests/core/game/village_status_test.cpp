#include "core/game/village_status.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

TEST(VillageStatusBar, FactorsPlaceTheBarAgainstTheScale) {
  EXPECT_EQ(TVillageStatus::Bar(0.0L), (TStatusBar{190, 50}));
  EXPECT_EQ(TVillageStatus::Bar(0.5L), (TStatusBar{134, 106}));
  EXPECT_EQ(TVillageStatus::Bar(1.0L), (TStatusBar{78, 162}));
  EXPECT_EQ(TVillageStatus::Bar(1.5L), (TStatusBar{22, 218}));
}

TEST(VillageStatus, TheFoundingVillageIsCountedByGroup) {
  const TVillageStatus status(TVillage::StartVillage());
  EXPECT_EQ(status.PeopleCounts, (std::array<std::string, 5>{"(3)", "(8)", "(9)", "(14)", "(3)"}));
  EXPECT_EQ(status.People.Pictures.size(), 37U);
  EXPECT_EQ(status.People.Pictures.back().Y, 12 * (2 / 15) + 160);
}

TEST(VillageStatus, GoodsShowTheNeedFirstTheSurplusFromSlotFourAndDotsForWhatIsMissing) {
  TVillage village;
  village.Trade.Goods[0] = 1;
  village.Trade.Demands[0] = 3;
  village.Trade.Goods[1] = 5;
  village.Trade.Demands[1] = 3;
  const TVillageStatus status(village);
  std::vector<int> silver;
  std::vector<int> amber;
  for (const auto& p : status.Goods.Pictures) (p.Picture == 0 ? silver : amber).push_back(p.X / 20);
  EXPECT_EQ(silver, (std::vector<int>{0}));
  EXPECT_EQ(amber, (std::vector<int>{0, 1, 2, 4, 5}));
  ASSERT_EQ(status.MissingDots.size(), 2U);
  EXPECT_EQ(status.MissingDots[0], (TPicturePlacement{0, 27, 10}));
  EXPECT_EQ(status.MissingDots[1], (TPicturePlacement{0, 47, 10}));
}

TEST(VillageStatus, AnimalRowsStackUpwards) {
  TVillage village;
  village.Animals = {9, 0, 0, 0};
  const TVillageStatus status(village);
  EXPECT_EQ(status.AnimalCounts[0], "9");
  EXPECT_EQ(status.Animals.Pictures[8], (TPicturePlacement{0, 0, 22}));
}

}  // namespace
}  // namespace fjordheim
