#include "core/village/village.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace fjordheim {
namespace {

std::vector<int> AgesOf(const TVillage& village, TPopulationGroup group) {
  std::vector<int> ages;
  for (int n = 0; const THumanInfo* person = village.NthOfGroup(group, n); ++n) ages.push_back(person->Age);
  return ages;
}

TEST(StartVillage, HasThe37FoundersByGroup) {
  const TVillage village = TVillage::StartVillage();
  EXPECT_EQ(village.CountPeople(), 37);
  EXPECT_EQ(village.CountInfants(), 3);
  EXPECT_EQ(village.CountChildren(), 6);
  EXPECT_EQ(village.CountYouths(), 8);
  EXPECT_EQ(village.CountAdultMen(), 8);
  EXPECT_EQ(village.CountAdultWomen(), 9);
  EXPECT_EQ(village.CountElders(), 3);
  EXPECT_EQ(AgesOf(village, TPopulationGroup::AdultMan), (std::vector<int>{39, 36, 32, 30, 26, 24, 22, 17}));
  EXPECT_EQ(AgesOf(village, TPopulationGroup::AdultWoman), (std::vector<int>{40, 38, 35, 31, 29, 25, 23, 21, 16}));
  EXPECT_EQ(AgesOf(village, TPopulationGroup::Elder), (std::vector<int>{48, 50, 47}));
  int men = 0;
  for (const auto& person : village.People) men += person->Sex == TSex::Male ? 1 : 0;
  EXPECT_EQ(men, 19);
  EXPECT_EQ(village.GetPerson(0).Name, "Tor");
  EXPECT_EQ(village.GetPerson(2).Name, "Styrbjørn");
  EXPECT_EQ(village.GetPerson(19).Name, "Ulla");
  EXPECT_EQ(village.GetPerson(20).Name, "");
  EXPECT_EQ(village.GetPerson(36).Age, 0);
}

TEST(StartVillage, FoundingSumsAndValues) {
  const TVillage village;
  EXPECT_NEAR(village.TotalConsumption(), 23.3, 1e-12);
  EXPECT_NEAR(village.TotalWorkCapacity(), 18.3, 1e-12);
  EXPECT_NEAR(village.TotalHouseholdCapacity(), 17.0, 1e-12);
  EXPECT_NEAR(village.AnimalUnits(), 11.79, 1e-12);
  EXPECT_NEAR(village.AnimalProduce(), 0.815, 1e-12);
  EXPECT_EQ(village.Animals, (TAnimalCounts{8, 7, 9, 15}));
  EXPECT_EQ(village.Season, TSeason::Autumn);
  EXPECT_EQ(village.Year, 852);
  EXPECT_EQ(village.FoodRatio, 1.0F);
  EXPECT_EQ(village.CropGrowth, 1.0F);
  EXPECT_EQ(village.Trade.DemandCoverage(), 0.0F);
  for (bool event : village.Events) EXPECT_FALSE(event);
}

TEST(CreateForLand, SetsGoodsAndWantsToOneOfTheLandsThreeVariants) {
  const std::set<TGoodsCounts> landOne{{1, 1, 1, 1, 2, 4}, {2, 4, 1, 1, 1, 1}, {1, 1, 2, 4, 1, 2}};
  std::set<TGoodsCounts> seen;
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    TRandom random(seed);
    const TVillage village = TVillage::CreateForLand(1, random);
    EXPECT_EQ(village.Trade.Goods, village.Trade.Demands);
    EXPECT_TRUE(landOne.count(village.Trade.Goods));
    seen.insert(village.Trade.Goods);
    if (village.Trade.Goods == TGoodsCounts{2, 4, 1, 1, 1, 1}) {
      EXPECT_EQ(village.GoodsProduction, (TGoodsCounts{0, 0, 3, 2, 3, 2}));
    }
  }
  EXPECT_EQ(seen, landOne);
}

TEST(CreateForLand, AnUnknownLandIsTakenAsTheFirst) {
  const std::set<TGoodsCounts> landZero{{2, 3, 2, 1, 1, 1}, {1, 1, 2, 1, 2, 3}, {1, 1, 1, 4, 2, 1}};
  TRandom random(3);
  EXPECT_TRUE(landZero.count(TVillage::CreateForLand(7, random).Trade.Goods));
  EXPECT_TRUE(landZero.count(TVillage::CreateForLand(-1, random).Trade.Goods));
}

TEST(TVillage, NthOfGroupPastTheGroupGivesNone) {
  const TVillage village;
  EXPECT_EQ(village.NthOfGroup(TPopulationGroup::Elder, 2)->Age, 47);
  EXPECT_EQ(village.NthOfGroup(TPopulationGroup::Elder, 3), nullptr);
  EXPECT_EQ(village.NthOfGroup(TPopulationGroup::Infant, -1), nullptr);
}

TEST(TVillage, FactorsStayDefinedWithoutAnimalsPeopleOrMen) {
  TVillage village;
  village.Animals = {};
  EXPECT_DOUBLE_EQ(village.FodderFactor(), 0.2);
  village.People.clear();
  EXPECT_EQ(village.SurvivalFactor(), 0.0L);
  EXPECT_DOUBLE_EQ(village.HouseholdFactor(), 0.5);
  EXPECT_EQ(village.TotalWorkCapacity(), 0.0L);
}

TEST(TVillage, SurvivalFactorIsTheSurvivingSharesTimesFoodRatio) {
  TVillage village;
  village.Dead.push_back(std::make_unique<THumanInfo>(TSex::Male, 30, TWorkKind::Idle));
  village.Dead.push_back(std::make_unique<THumanInfo>(TSex::Male, 60, TWorkKind::Idle));
  village.FoodRatio = 0.5F;
  EXPECT_EQ(village.CountDeadMen(), 1);
  EXPECT_NEAR(village.SurvivalFactor(), 8.0 / 9.0 * 0.5, 1e-12);
}

TEST(TVillage, FactorsFollowTheirThresholds) {
  TVillage village;
  struct TCase {
    float Ratio;
    double Nourishment;
  };
  for (const TCase& c : {TCase{0.30F, 0.1}, TCase{0.31F, 0.5}, TCase{0.85F, 0.9}, TCase{0.86F, 1.0},
                         TCase{1.15F, 1.0}, TCase{1.17F, 1.1}}) {
    village.FoodRatio = c.Ratio;
    EXPECT_DOUBLE_EQ(village.NourishmentFactor(), c.Nourishment) << c.Ratio;
  }
  village.FoodRatio = 1.0F;
  // One man tending 11.79 animal units is q = 0.085, below the floor of 0.2.
  village.GetPerson(3).Work = TWorkKind::Cattle;
  EXPECT_DOUBLE_EQ(village.FodderFactor(), 0.2);
  village.Animals = {1, 0, 0, 0};
  EXPECT_DOUBLE_EQ(village.FodderFactor(), 1.0);
  village.Animals = {2, 0, 0, 0};
  EXPECT_DOUBLE_EQ(village.FodderFactor(), 0.5);
  for (int i = 0; i < 9; ++i) village.GetPerson(21 + i).Work = TWorkKind::Household;
  EXPECT_DOUBLE_EQ(village.HouseholdFactor(), 1.4);
  for (int i = 0; i < 9; ++i) village.GetPerson(21 + i).Work = TWorkKind::Idle;
  village.GetPerson(21).Work = TWorkKind::Household;
  EXPECT_NEAR(village.HouseholdFactor(), 1.0 / 6.8 + 0.5, 1e-12);
}

TEST(TVillage, SlaughterTurnsAnimalsIntoFoodButNeverTakesMoreThanThereAre) {
  TVillage village;
  village.Slaughter(1, 2, 3, 5);
  EXPECT_EQ(village.Animals, (TAnimalCounts{7, 5, 6, 10}));
  EXPECT_NEAR(village.Food, 4.0 + 2.0 + 3.0 + 1.0, 1e-12);
  village.Slaughter(100, 0, 0, 0);
  EXPECT_EQ(village.Animals[0], 0);
  EXPECT_NEAR(village.Food, 10.0 + 28.0, 1e-12);
}

TEST(TVillage, SetFoodStoreKeepsBetweenNothingAndTwiceTheNeed) {
  TVillage village;
  village.SetFoodStore(-1);
  EXPECT_EQ(village.FoodStore, 0.0L);
  village.SetFoodStore(12.5L);
  EXPECT_EQ(village.FoodStore, 12.5L);
  village.SetFoodStore(100);
  EXPECT_NEAR(village.FoodStore, 46.6, 1e-12);
  village.SetFoodStore(std::numeric_limits<long double>::quiet_NaN());
  EXPECT_EQ(village.FoodStore, 0.0L);
}

TEST(TVillage, AverageRatingCountsTheSeasonChangesSinceTheFounding) {
  TVillage village;
  village.AddRating(0.75F);
  EXPECT_EQ(village.AverageRating(), 0.0L);
  village.Season = TSeason::Winter;
  EXPECT_DOUBLE_EQ(village.AverageRating(), 0.75);
  village.Season = TSeason::Spring;
  village.Year = 853;
  village.AddRating(0.25F);
  EXPECT_DOUBLE_EQ(village.AverageRating(), 0.5);
}

TEST(TVillage, ScoreWeighsYearsPeopleAndAnimalsByTheAverageRating) {
  TVillage village;
  village.Season = TSeason::Winter;
  village.AddRating(0.5F);
  // 17 adults at 50, 14 youths and children at 20, 3 elders at 10 and the herd at 430: 1590 in all
  EXPECT_EQ(village.Score(), 795);
  village.People.clear();
  village.Animals = {};
  village.AddRating(100.0F);
  EXPECT_EQ(village.Score(), 0);
  village.RatingSum = std::numeric_limits<float>::quiet_NaN();
  village.Year = 860;
  EXPECT_EQ(village.Score(), 0);
}

TEST(TVillage, CopiesOwnTheirOwnPeopleAndMovesKeepThem) {
  TVillage village;
  const TVillage copy(village);
  village.GetPerson(0).Age = 99;
  EXPECT_EQ(copy.GetPerson(0).Age, 48);
  const THumanInfo* tor = &village.GetPerson(0);
  const TVillage moved(std::move(village));
  EXPECT_EQ(&moved.GetPerson(0), tor);
}

}  // namespace
}  // namespace fjordheim
