#include "core/game/food_status.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

TEST(FoodStatus, FoundingVillageOfEachLandHasEatenAllItNeededAndStoresNothing) {
  for (int land = 0; land < 3; ++land) {
    TRandom rng(42);
    const TFoodStatus food(TVillage::CreateForLand(land, rng));
    EXPECT_EQ(food.FedText, "Sist årstid fikk folket 100 % av maten de trengte.") << land;
    EXPECT_EQ(food.StoreText, "Forrådet er tomt.") << land;
    // 23.3 units a season: two units a picture, so the need fills one row of twelve.
    EXPECT_EQ(food.Portion, 2);
    EXPECT_EQ(food.PortionText, "Hvert bilde er mat til 2 voksne i en årstid.");
    EXPECT_EQ(food.NeedPictures.Pictures.size(), 12U);
    EXPECT_TRUE(food.StorePictures.Pictures.empty());
    EXPECT_EQ(food.GaugeState, TFoodGaugeState::Low);
    EXPECT_EQ(food.GaugeLevel, 0.0);
    EXPECT_EQ(food.Hint, "Mat: Sist årstid fikk folket 100 % av maten de trengte. Forrådet er tomt. Klikk for å se mer.");
  }
}

TEST(FoodStatus, AfterAStarvingSeasonTheTabSaysHowLittleThePeopleGot) {
  TRandom rng(42);
  TVillage village;
  village.ChangeSeason(rng);
  const TFoodStatus food(village);
  EXPECT_EQ(food.FedText, "Sist årstid fikk folket 2 % av maten de trengte.");
  EXPECT_EQ(food.StoreText, "Forrådet er tomt.");
  EXPECT_EQ(food.GaugeState, TFoodGaugeState::Hungry);
}

TEST(FoodStatus, AWellFedSeasonStoresItsSurplusAndTheGaugeRises) {
  TRandom rng(42);
  TVillage village;
  for (auto& person : village.People) {
    if (person->IsAdultMan()) person->Work = TWorkKind::HuntFish;
    if (person->IsAdultWoman()) person->Work = TWorkKind::Household;
    if (person->IsYouth()) person->Work = TWorkKind::Farming;
  }
  village.ChangeSeason(rng);
  const TFoodStatus food(village);
  // The worked first autumn: 185 % of the need, and about 19.9 units kept.
  EXPECT_EQ(food.FedText, "Sist årstid fikk folket 185 % av maten de trengte.");
  EXPECT_NEAR(static_cast<double>(food.Store), 19.89, 0.01);
  EXPECT_EQ(food.StoreText, TFoodStatus::StoreSentence(food.Store, village.TotalConsumption()));
  EXPECT_EQ(food.StorePictures.Pictures.size(), 10U);
  EXPECT_EQ(food.GaugeState, TFoodGaugeState::Low);
  EXPECT_NEAR(food.GaugeLevel, static_cast<double>(food.Store / (2 * food.Need)), 1e-9);
}

TEST(FoodStatus, StoreSentenceCountsSeasonsInWords) {
  EXPECT_EQ(TFoodStatus::StoreSentence(0, 23.3L), "Forrådet er tomt.");
  EXPECT_EQ(TFoodStatus::StoreSentence(5, 23.3L), "Forrådet rekker til mindre enn én årstid.");
  EXPECT_EQ(TFoodStatus::StoreSentence(20, 23.3L), "Forrådet rekker til omtrent 1 årstid.");
  EXPECT_EQ(TFoodStatus::StoreSentence(46.6L, 23.3L), "Forrådet rekker til omtrent 2 årstider.");
  EXPECT_EQ(TFoodStatus::StoreSentence(3, 0), "Det er ingen igjen som trenger mat.");
}

TEST(FoodStatus, AFullStoreOfAHugeVillageStaysWithinItsRows) {
  TVillage village;
  for (int i = 0; i < 3000; ++i) village.People.push_back(std::make_unique<THumanInfo>(TSex::Male, 30, TWorkKind::Idle));
  village.FoodStore = 2 * village.TotalConsumption();
  const TFoodStatus food(village);
  EXPECT_EQ(food.NeedPictures.Pictures.size(), 12U);
  EXPECT_EQ(food.StorePictures.Pictures.size(), 24U);
  for (const TPicturePlacement& place : food.StorePictures.Pictures) {
    EXPECT_LE(place.X + TFoodStatus::PictureSize, food.StorePictures.Width);
    EXPECT_LE(place.Y + TFoodStatus::PictureSize, food.StorePictures.Height);
  }
  EXPECT_EQ(food.GaugeLevel, 1.0);
  EXPECT_EQ(food.GaugeState, TFoodGaugeState::Plenty);
  EXPECT_EQ(food.StoreText, "Forrådet rekker til omtrent 2 årstider.");
}

}  // namespace
}  // namespace fjordheim
