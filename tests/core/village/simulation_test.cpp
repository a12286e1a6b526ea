#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "core/common/rounding.h"
#include "core/village/village.h"

namespace fjordheim {
namespace {

void AssignWork(TVillage& village, TWorkKind men, TWorkKind women, TWorkKind youths) {
  for (auto& person : village.People) {
    if (person->IsAdultMan())
      person->Work = men;
    else if (person->IsAdultWoman())
      person->Work = women;
    else if (person->IsYouth())
      person->Work = youths;
  }
}

// Men tending the herds, with food for exactly one season: the Winter step's food ratio is 1.0,
// so the death and loss points are 90, no man dies and herds of ten or fewer lose nothing.
TVillage HerdsmenInWinter(int men, TAnimalCounts animals) {
  TVillage village;
  village.People.clear();
  for (int i = 0; i < men; ++i) village.People.push_back(std::make_unique<THumanInfo>(TSex::Male, 30, TWorkKind::Cattle));
  village.Animals = animals;
  village.Season = TSeason::Winter;
  village.FoodStore = 2 * village.TotalConsumption() - village.AnimalProduce();
  return village;
}

void ExpectFinite(const TVillage& village) {
  EXPECT_TRUE(std::isfinite(village.FoodStore));
  EXPECT_TRUE(std::isfinite(village.FoodRatio));
  EXPECT_TRUE(std::isfinite(village.CropGrowth));
  EXPECT_TRUE(std::isfinite(village.FodderFactor()));
  EXPECT_TRUE(std::isfinite(village.HouseholdFactor()));
}

TEST(ChangeSeason, FirstAutumnOfHuntersHouseholdAndYoungFarmers) {
  TVillage village;
  AssignWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Farming);
  TAnimalCounts reportedLosses{};
  int deathCalls = 0;
  village.OnAnimalLosses = [&](const TAnimalCounts& lost) { reportedLosses = lost; };
  village.OnDeaths = [&](const TPersonList& dead) { deathCalls += 1 + static_cast<int>(dead.size()); };
  TRandom random(11);
  TRandom twin(11);

  village.ChangeSeason(random);

  EXPECT_NEAR(village.CropGrowth, 4.0 / 18.3, 1e-6);
  EXPECT_NEAR(village.CropGrowth, 0.2186, 5e-5);
  // Gathered 16.815, harvest cbrt(0.2186) x 23.3, household factor at its ceiling of 1.4.
  const double food = (16.815 + std::cbrt(4.0 / 18.3) * 23.3) * 1.4;
  EXPECT_NEAR(food, 43.19, 0.01);
  EXPECT_NEAR(village.FoodRatio, food / 23.3, 1e-5);
  EXPECT_NEAR(village.FoodRatio, 1.854, 5e-4);
  const double harvest = village.FoodRatio * 23.3 / 1.4 - 16.815;
  EXPECT_NEAR(harvest, 14.04, 0.005);
  EXPECT_NEAR(village.FoodStore, food - 23.3, 1e-4);
  EXPECT_NEAR(village.FoodStore, 19.89, 0.01);
  EXPECT_EQ(village.Food, 0.0L);
  EXPECT_EQ(village.CountPeople(), 37);
  EXPECT_EQ(deathCalls, 1);
  // Fodder points 20: each kind loses a share drawn from 0 to 99 %.
  const TAnimalCounts founding{8, 7, 9, 15};
  for (std::size_t kind = 0; kind < 4; ++kind) {
    const auto lost = Round(twin.Random(100) * 0.01L * founding[kind]);
    EXPECT_EQ(reportedLosses[kind], lost);
    EXPECT_EQ(village.Animals[kind], founding[kind] - lost);
  }
  EXPECT_EQ(village.Season, TSeason::Winter);
  EXPECT_EQ(village.Year, 852);
}

TEST(ChangeSeason, FirstAutumnWithNobodyAtWorkStarves) {
  TVillage village;
  TRandom random(5);
  village.ChangeSeason(random);
  EXPECT_NEAR(village.FoodRatio, 0.4075 / 23.3, 1e-6);
  EXPECT_NEAR(village.FoodRatio, 0.0175, 5e-5);
  EXPECT_EQ(village.FoodStore, 0.0L);
  EXPECT_EQ(village.CropGrowth, 0.0F);
  // Death points 2: each group loses at most 99 % of its members.
  EXPECT_LE(village.CountDeadMen(), 8);
  const int mostDead = 3 + 8 + 9 + 8 + 6 + 3;
  EXPECT_LE(static_cast<int>(village.Dead.size()), mostDead);
  EXPECT_EQ(village.CountPeople() + static_cast<int>(village.Dead.size()), 37);
}

TEST(ChangeSeason, StarvingVillagesLoseMembersOfEveryGroupAcrossSeeds) {
  int dead = 0;
  for (std::uint32_t seed = 1; seed <= 10; ++seed) {
    TVillage village;
    TRandom random(seed);
    village.ChangeSeason(random);
    dead += static_cast<int>(village.Dead.size());
    for (const auto& person : village.Dead) {
      EXPECT_TRUE(std::none_of(village.People.begin(), village.People.end(),
                               [&](const auto& living) { return living.get() == person.get(); }));
    }
  }
  EXPECT_GT(dead, 37 * 10 / 4);
}

TEST(DeathPercentages, RowsChangeAtTheirBoundaries) {
  using TRow = std::array<int, PopulationGroupCount>;
  EXPECT_EQ(TVillage::DeathPercentages(-50), (TRow{100, 100, 100, 100, 100, 100}));
  EXPECT_EQ(TVillage::DeathPercentages(20), (TRow{100, 100, 100, 100, 100, 100}));
  EXPECT_EQ(TVillage::DeathPercentages(21), (TRow{70, 20, 30, 40, 50, 70}));
  EXPECT_EQ(TVillage::DeathPercentages(50), (TRow{70, 20, 30, 40, 50, 70}));
  EXPECT_EQ(TVillage::DeathPercentages(51), (TRow{20, 5, 10, 10, 20, 30}));
  EXPECT_EQ(TVillage::DeathPercentages(85), (TRow{20, 5, 10, 10, 20, 30}));
  EXPECT_EQ(TVillage::DeathPercentages(86), (TRow{5, 0, 0, 5, 5, 10}));
  EXPECT_EQ(TVillage::DeathPercentages(115), (TRow{5, 0, 0, 5, 5, 10}));
  EXPECT_EQ(TVillage::DeathPercentages(116), (TRow{0, 0, 0, 0, 0, 0}));
}

TEST(AnimalLossPercentages, RowsChangeAtTheirBoundaries) {
  using TRow = std::array<int, AnimalKindCount>;
  EXPECT_EQ(TVillage::AnimalLossPercentages(10), (TRow{100, 100, 100, 100}));
  EXPECT_EQ(TVillage::AnimalLossPercentages(20), (TRow{100, 100, 100, 100}));
  EXPECT_EQ(TVillage::AnimalLossPercentages(21), (TRow{50, 50, 50, 100}));
  EXPECT_EQ(TVillage::AnimalLossPercentages(50), (TRow{50, 50, 50, 100}));
  EXPECT_EQ(TVillage::AnimalLossPercentages(51), (TRow{5, 5, 5, 10}));
  EXPECT_EQ(TVillage::AnimalLossPercentages(120), (TRow{5, 5, 5, 10}));
}

TEST(ChangeSeason, AWellFedWinterKillsNobodyOfTheFoundingVillage) {
  // Food ratio 1.0 in Winter gives death points 90: adults never die, and 4 % of the small groups
  // rounds to nobody.
  for (std::uint32_t seed = 1; seed <= 5; ++seed) {
    TVillage village;
    village.Season = TSeason::Winter;
    village.FoodStore = 2 * 23.3L - village.AnimalProduce();
    TRandom random(seed);
    village.ChangeSeason(random);
    EXPECT_NEAR(village.FoodRatio, 1.0, 1e-6);
    EXPECT_TRUE(village.Dead.empty());
  }
}

TEST(ChangeSeason, LeavingWinterAddsAYearAgesEveryoneAndBreeds) {
  TVillage village = HerdsmenInWinter(2, {2, 10, 1, 0});
  int breedingCalls = 0;
  village.OnAnimalBirths = [&](const TAnimalCounts&) { ++breedingCalls; };
  TRandom random(1);
  village.ChangeSeason(random);
  EXPECT_EQ(village.Season, TSeason::Spring);
  EXPECT_EQ(village.Year, 853);
  EXPECT_EQ(village.GetPerson(0).Age, 31);
  EXPECT_EQ(breedingCalls, 1);
  village.FoodStore = 4.0L;
  village.ChangeSeason(random);
  EXPECT_EQ(village.GetPerson(0).Age, 31);
  EXPECT_EQ(breedingCalls, 1);
}

TEST(ChangeSeason, BreedingOfSmallHerdsAtFullFodder) {
  std::set<int> piglets;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    TRandom random(seed);
    // Two cows and a sheep are 2.01 animal units for two herdsmen: fodder 1.0.
    TVillage cows = HerdsmenInWinter(2, {2, 0, 1, 0});
    TAnimalCounts born{};
    cows.OnAnimalBirths = [&](const TAnimalCounts& counts) { born = counts; };
    cows.ChangeSeason(random);
    EXPECT_EQ(born[0], 2);
    EXPECT_EQ(born[2], 0);
    EXPECT_EQ(cows.Animals, (TAnimalCounts{4, 0, 1, 0}));

    TVillage pigs = HerdsmenInWinter(1, {0, 10, 0, 0});
    pigs.OnAnimalBirths = [&](const TAnimalCounts& counts) { born = counts; };
    pigs.ChangeSeason(random);
    piglets.insert(born[1]);
  }
  // Ten pigs at fodder 1.0 are a base of 20 piglets, spread by -10 % to +9 %.
  EXPECT_GE(*piglets.begin(), 18);
  EXPECT_LE(*piglets.rbegin(), 22);
  EXPECT_TRUE(piglets.count(20));
}

TEST(ChangeSeason, GoodHuntingSparesTheHerdsAndBringsFivePiglets) {
  TVillage village = HerdsmenInWinter(1, {0, 1, 0, 0});
  village.SetEvent(TVillageEvent::GoodHunting);
  bool lossesReported = false;
  village.OnAnimalLosses = [&](const TAnimalCounts&) { lossesReported = true; };
  TRandom random(2);
  village.ChangeSeason(random);
  EXPECT_FALSE(lossesReported);
  EXPECT_EQ(village.Animals[1], 6);
  EXPECT_FALSE(village.HasEvent(TVillageEvent::GoodHunting));
}

TEST(ChangeSeason, HerdsAndYearsStopAtTheHighestCount) {
  TVillage village = HerdsmenInWinter(1, {0, 0, 0, 65000});
  village.Year = 65535;
  village.SetEvent(TVillageEvent::GoodHunting);
  TRandom random(4);
  village.ChangeSeason(random);
  EXPECT_EQ(village.Animals[3], 65535);
  EXPECT_EQ(village.Year, 65535);
}

TEST(ChangeSeason, AutumnBirthsFollowTheNumberOfAdultWomen) {
  struct TCase {
    int Women;
    std::set<int> Births;
  };
  for (const TCase& c : {TCase{9, {2, 3}}, TCase{4, {0, 1}}, TCase{1, {0}}, TCase{0, {0}}}) {
    std::set<int> seen;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
      TVillage village;
      village.People.clear();
      for (int i = 0; i < c.Women; ++i)
        village.People.push_back(std::make_unique<THumanInfo>(TSex::Female, 25, TWorkKind::Idle));
      village.Season = TSeason::Summer;
      village.FoodStore = 2 * village.TotalConsumption();
      int born = -1;
      village.OnBirths = [&](const TPersonRefs& babies) {
        born = static_cast<int>(babies.size());
        for (const THumanInfo* baby : babies) {
          EXPECT_TRUE(baby->IsInfant());
          EXPECT_EQ(baby->Work, TWorkKind::Idle);
        }
      };
      TRandom random(seed);
      village.ChangeSeason(random);
      EXPECT_EQ(village.CountInfants(), born);
      seen.insert(born);
    }
    EXPECT_EQ(seen, c.Births) << c.Women;
  }
}

TEST(ChangeSeason, NobodyIsBornPastTheHighestCountOfPeople) {
  TVillage village;
  village.People.clear();
  for (int i = 0; i < 65534; ++i)
    village.People.push_back(std::make_unique<THumanInfo>(TSex::Female, 25, TWorkKind::Idle));
  village.Season = TSeason::Summer;
  village.FoodStore = 2 * village.TotalConsumption();
  TRandom random(1);
  village.ChangeSeason(random);
  EXPECT_EQ(village.CountPeople(), 65535);
}

TEST(ChangeSeason, WinterUsesWantedGoodsSpoilsAThirdAndMakesNew) {
  TVillage village;
  village.Season = TSeason::Winter;
  village.Trade.Goods = {2, 3, 5, 1, 1, 1};
  village.Trade.Demands = {2, 3, 2, 1, 1, 1};
  village.GoodsProduction = {0, 2, 3, 5, 4, 3};
  TRandom random(1);
  village.ChangeSeason(random);
  // Furs: (5 - 2) x 2 div 3 = 2 left, 3 made; jewellery and weapons made in full, wants being met.
  EXPECT_EQ(village.Trade.Goods, (TGoodsCounts{0, 2, 5, 5, 4, 3}));
  EXPECT_EQ(village.CropGrowth, 1.0F);
}

TEST(ChangeSeason, WinterCraftsNeedSilverAmberAndIron) {
  TVillage village;
  village.Season = TSeason::Winter;
  village.Trade.Goods = {1, 0, 0, 0, 0, 0};
  village.Trade.Demands = {2, 0, 0, 4, 0, 0};
  village.GoodsProduction = {0, 0, 0, 0, 10, 7};
  TRandom random(1);
  village.ChangeSeason(random);
  // Silver half there, amber not wanted (counts as there): jewellery 10 x 0.75; no iron, no weapons.
  EXPECT_EQ(village.Trade.Goods, (TGoodsCounts{0, 0, 0, 0, 8, 0}));
}

TEST(ChangeSeason, WinterGoodsStopAtTheHighestCount) {
  TVillage village;
  village.Season = TSeason::Winter;
  village.Trade.Goods = {65535, 0, 0, 0, 0, 0};
  village.GoodsProduction = {65535, 65535, 0, 0, 0, 0};
  TRandom random(1);
  village.ChangeSeason(random);
  EXPECT_EQ(village.Trade.Goods[0], 65535);
  EXPECT_EQ(village.Trade.Goods[1], 65535);
}

TEST(ChangeSeason, NoFarmersInSummerMeansNoAutumnHarvest) {
  TVillage village;
  village.Season = TSeason::Summer;
  AssignWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::HuntFish);
  TRandom random(8);
  village.ChangeSeason(random);
  EXPECT_EQ(village.CropGrowth, 0.0F);
  AssignWork(village, TWorkKind::Farming, TWorkKind::Farming, TWorkKind::Farming);
  const float ratioWithoutCrop = village.FoodRatio;
  village.ChangeSeason(random);
  EXPECT_EQ(village.CropGrowth, 0.0F);
  EXPECT_LT(village.FoodRatio, ratioWithoutCrop);
}

TEST(ChangeSeason, CropEventsActOnlyInTheirSeasons) {
  TVillage village;
  AssignWork(village, TWorkKind::Farming, TWorkKind::Farming, TWorkKind::Farming);
  village.SetEvent(TVillageEvent::Dryness);
  village.SetEvent(TVillageEvent::Frost);
  village.SetEvent(TVillageEvent::Visit);
  TRandom random(3);
  village.ChangeSeason(random);
  // All 18.3 of the work force farms: growth 1.0, then x 1.2 x 0.3333.
  EXPECT_NEAR(village.CropGrowth, 1.2 * 0.3333, 1e-6);
  EXPECT_TRUE(village.HasEvent(TVillageEvent::Dryness));
  EXPECT_FALSE(village.HasEvent(TVillageEvent::Frost));
  EXPECT_FALSE(village.HasEvent(TVillageEvent::Visit));
}

TEST(ChangeSeason, FireHalvesTheStoreAfterTheSurplusIsKept) {
  TVillage plain;
  AssignWork(plain, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Farming);
  TVillage burnt(plain);
  burnt.SetEvent(TVillageEvent::Fire);
  TRandom first(6);
  TRandom second(6);
  plain.ChangeSeason(first);
  burnt.ChangeSeason(second);
  EXPECT_NEAR(burnt.FoodStore, plain.FoodStore * 0.5L, 1e-12);
  EXPECT_EQ(burnt.FoodRatio, plain.FoodRatio);
}

TEST(ChangeSeason, EpidemyHalvesTheHerdsAndKillsTwoWomenAndThreeYouths) {
  TVillage village;
  village.Season = TSeason::Summer;
  village.FoodStore = 2 * 23.3L;
  AssignWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Farming);
  village.SetEvent(TVillageEvent::Epidemy);
  TRandom random(9);
  village.ChangeSeason(random);
  EXPECT_EQ(village.Animals, (TAnimalCounts{4, 4, 5, 8}));
  EXPECT_EQ(village.CountDeadWomen(), 2);
  EXPECT_EQ(village.CountAdultWomen(), 7);
  EXPECT_EQ(village.CountDeadMen(), 0);
  EXPECT_FALSE(village.HasEvent(TVillageEvent::Epidemy));
}

TEST(ChangeSeason, AVillageWithoutPeopleOrWorkersGoesOnWithoutNaN) {
  TVillage empty;
  empty.People.clear();
  TVillage elders;
  elders.People.clear();
  elders.People.push_back(std::make_unique<THumanInfo>(TSex::Male, 60, TWorkKind::Farming));
  elders.People.push_back(std::make_unique<THumanInfo>(TSex::Female, 2, TWorkKind::Household));
  TRandom random(12);
  for (int step = 0; step < 8; ++step) {
    empty.ChangeSeason(random);
    elders.ChangeSeason(random);
    ExpectFinite(empty);
    ExpectFinite(elders);
    EXPECT_EQ(empty.FoodRatio, 0.0F);
    if (elders.Season != TSeason::Spring) {
      EXPECT_EQ(elders.CropGrowth, 0.0F);
    }
  }
  EXPECT_EQ(empty.CountPeople(), 0);
}

TEST(ChangeSeason, ADamagedStateHealsInsteadOfSpreading) {
  TVillage village;
  village.Season = static_cast<TSeason>(7);
  village.FoodStore = std::numeric_limits<long double>::quiet_NaN();
  village.FoodRatio = std::numeric_limits<float>::infinity();
  TRandom random(1);
  village.ChangeSeason(random);
  // Season 7 is read as 3, summer, and left for autumn.
  EXPECT_EQ(village.Season, TSeason::Autumn);
  village.ChangeSeason(random);
  ExpectFinite(village);
}

// Food or a crop past what a float can hold stays at the largest value instead of
// becoming an infinity that starves the village and refuses every later save.
TEST(ChangeSeason, HugeFoodAndCropStayFiniteThroughTheSeasons) {
  for (const TSeason season : {TSeason::Autumn, TSeason::Spring}) {
    TVillage village;
    village.Season = season;
    AssignWork(village, TWorkKind::Farming, TWorkKind::Household, TWorkKind::Farming);
    village.Food = 1e300L;
    village.CropGrowth = std::numeric_limits<float>::max();
    village.SetEvent(TVillageEvent::GoodSummerHarvest);
    village.SetEvent(TVillageEvent::GoodAutumnHarvest);
    TRandom random(42);
    village.ChangeSeason(random);
    ExpectFinite(village);
    EXPECT_GT(village.FoodRatio, 1.0F);
    EXPECT_EQ(village.CountDeadMen() + village.CountDeadWomen(), 0);
  }
}

TEST(ChangeSeason, ASeededGameReplaysExactly) {
  auto play = [](std::uint32_t seed) {
    TRandom random(seed);
    TVillage village = TVillage::CreateForLand(2, random);
    std::vector<std::uint64_t> trace;
    for (int step = 0; step < 60; ++step) {
      AssignWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Farming);
      if (step % 7 == 3) village.SetEvent(static_cast<TVillageEvent>(random.Random(VillageEventCount)));
      village.ChangeSeason(random);
      for (const auto& person : village.People) trace.push_back(person->Age * 2 + static_cast<int>(person->Sex));
      for (std::uint16_t count : village.Animals) trace.push_back(count);
      for (std::uint16_t count : village.Trade.Goods) trace.push_back(count);
      trace.push_back(static_cast<std::uint64_t>(village.FoodStore * 1e6L));
      trace.push_back(village.Dead.size());
    }
    return trace;
  };
  EXPECT_EQ(play(2024), play(2024));
  EXPECT_NE(play(2024), play(2025));
}

}  // namespace
}  // namespace fjordheim
