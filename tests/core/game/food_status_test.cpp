#include "core/game/food_status.h"

#include <gtest/gtest.h>

#include <limits>

namespace fjordheim {
namespace {

TVillage VillageOfMen(int men) {
  TVillage village;
  village.People.clear();
  for (int i = 0; i < men; ++i) village.People.push_back(std::make_unique<THumanInfo>(TSex::Male, 30, TWorkKind::Idle));
  return village;
}

TEST(FoodStatus, FoundingVillageOfEachLandHasEatenAllItNeededAndStoresNothing) {
  for (int land = 0; land < 3; ++land) {
    TRandom rng(42);
    const TFoodStatus food(TVillage::CreateForLand(land, rng));
    EXPECT_EQ(food.FedText, "Sist årstid fikk folket 100 % av maten de trengte.") << land;
    EXPECT_EQ(food.StoreText, "Forrådet er tomt.") << land;
    // 23.3 units a season: four whole pictures of five and three quarters of a fifth.
    EXPECT_EQ(food.NeedPictures.Area.Pictures.size(), 5U);
    EXPECT_EQ(food.NeedPictures.LastShare, 0.75);
    EXPECT_TRUE(food.StorePictures.Area.Pictures.empty());
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
  // The worked first autumn: 185 % of the need, and about 19.9 units kept: four pictures.
  EXPECT_EQ(food.FedText, "Sist årstid fikk folket 185 % av maten de trengte.");
  EXPECT_NEAR(static_cast<double>(food.Store), 19.89, 0.01);
  EXPECT_EQ(food.StoreText, TFoodStatus::StoreSentence(food.Store, village.TotalConsumption()));
  EXPECT_EQ(food.StorePictures.Area.Pictures.size(), 4U);
  EXPECT_EQ(food.StorePictures.LastShare, 1.0);
  EXPECT_EQ(food.GaugeState, TFoodGaugeState::Low);
  EXPECT_NEAR(food.GaugeLevel, static_cast<double>(food.Store / (2 * food.Need)), 1e-9);
}

// One picture is the same food in a village of any size, so the pictures follow the food.
TEST(FoodStatus, EveryPictureIsTheSameFoodWhateverTheVillage) {
  EXPECT_EQ(TFoodStatus(VillageOfMen(10)).NeedPictures.Area.Pictures.size(), 2U);
  EXPECT_EQ(TFoodStatus(VillageOfMen(20)).NeedPictures.Area.Pictures.size(), 4U);
  EXPECT_EQ(TFoodStatus(VillageOfMen(30)).NeedPictures.Area.Pictures.size(), 6U);
  TVillage seven = VillageOfMen(7);
  seven.FoodStore = 7;
  const TFoodStatus food(seven);
  EXPECT_EQ(food.NeedPictures.Area.Pictures.size(), food.StorePictures.Area.Pictures.size());
  EXPECT_EQ(food.NeedPictures.LastShare, food.StorePictures.LastShare);
}

TEST(FoodStatus, ALittleFoodInStoreIsShownAsAPartOfAPicture) {
  const struct {
    long double Food;
    std::size_t Pictures;
    double LastShare;
  } cases[] = {{0.01L, 1, 0.25}, {1.2L, 1, 0.25}, {2.5L, 1, 0.5}, {4.9L, 1, 1.0}, {5, 1, 1.0}, {6.3L, 2, 0.25}, {0, 0, 1.0}};
  for (const auto& c : cases) {
    const TFoodPictures shown = TFoodStatus::PicturesOf(c.Food, TFoodStatus::StoreRows);
    EXPECT_EQ(shown.Area.Pictures.size(), c.Pictures) << static_cast<double>(c.Food);
    EXPECT_EQ(shown.LastShare, c.LastShare) << static_cast<double>(c.Food);
  }
  const TFoodPictures nothing = TFoodStatus::PicturesOf(std::numeric_limits<long double>::quiet_NaN(), 1);
  EXPECT_TRUE(nothing.Area.Pictures.empty());
}

TEST(FoodStatus, StoreSentenceCountsSeasonsInWords) {
  EXPECT_EQ(TFoodStatus::StoreSentence(0, 23.3L), "Forrådet er tomt.");
  EXPECT_EQ(TFoodStatus::StoreSentence(5, 23.3L), "Forrådet rekker til mindre enn én årstid.");
  EXPECT_EQ(TFoodStatus::StoreSentence(20, 23.3L), "Forrådet rekker til omtrent 1 årstid.");
  EXPECT_EQ(TFoodStatus::StoreSentence(46.6L, 23.3L), "Forrådet rekker til omtrent 2 årstider.");
  EXPECT_EQ(TFoodStatus::StoreSentence(3, 0), "Det er ingen igjen som trenger mat.");
}

TEST(FoodStatus, AFullStoreOfAHugeVillageStaysWithinItsRows) {
  TVillage village = VillageOfMen(3000);
  village.FoodStore = 2 * village.TotalConsumption();
  const TFoodStatus food(village);
  EXPECT_EQ(food.NeedPictures.Area.Pictures.size(), 8U);
  EXPECT_EQ(food.StorePictures.Area.Pictures.size(), 16U);
  EXPECT_EQ(food.StorePictures.LastShare, 1.0);
  for (const TPicturePlacement& place : food.StorePictures.Area.Pictures) {
    EXPECT_LE(place.X + TFoodStatus::PictureSize, food.StorePictures.Area.Width);
    EXPECT_LE(place.Y + TFoodStatus::PictureSize, food.StorePictures.Area.Height);
  }
  EXPECT_EQ(food.GaugeLevel, 1.0);
  EXPECT_EQ(food.GaugeState, TFoodGaugeState::Plenty);
  EXPECT_EQ(food.StoreText, "Forrådet rekker til omtrent 2 årstider.");
}

TEST(FoodStatus, TheForecastOfTheNextSeasonJoinsTheHint) {
  TRandom rng(42);
  const TVillage village = TVillage::CreateForLand(0, rng);
  const TSeasonForecast forecast = TSeasonForecast::Of(village, {}, 0, false);
  ASSERT_TRUE(forecast.Available);
  const TFoodStatus food(village, forecast);
  EXPECT_EQ(food.ForecastText, forecast.FoodLine());
  EXPECT_FALSE(food.ForecastText.empty());
  EXPECT_EQ(food.Hint, "Mat: Sist årstid fikk folket 100 % av maten de trengte. Forrådet er tomt. " + forecast.FoodLine() +
                           " Klikk for å se mer.");
}

}  // namespace
}  // namespace fjordheim
