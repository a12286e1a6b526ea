#include "core/game/season_needs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "core/village/village.h"

namespace fjordheim {
namespace {

constexpr int IdleHands = 40;

bool IsWorker(const THumanInfo& person, TWorkKind kind) {
  // Grown women are the best in the household, grown men at every other work.
  return kind == TWorkKind::Household ? person.IsAdultWoman() : person.IsAdultMan();
}

// The founding village with many idle grown men and women beside it, `workers` of the best
// suited at `kind`, the men hunting, the women keeping house and the youths farming unless
// that is the work looked at, and the crop and store as given.
TVillage Village(TSeason season, TWorkKind kind, int workers, float crop, long double store) {
  TVillage village;
  village.Season = season;
  village.CropGrowth = crop;
  for (auto& person : village.People) {
    person->Work = TWorkKind::Idle;
    if (person->IsAdultMan() && kind != TWorkKind::HuntFish && kind != TWorkKind::Cattle) person->Work = TWorkKind::HuntFish;
    if (person->IsAdultWoman() && kind != TWorkKind::Household) person->Work = TWorkKind::Household;
    if (person->IsYouth() && kind != TWorkKind::Farming) person->Work = TWorkKind::Farming;
  }
  for (int i = 0; i < IdleHands; ++i) {
    village.People.push_back(std::make_unique<THumanInfo>(i % 2 == 0 ? TSex::Male : TSex::Female, 30, TWorkKind::Idle));
  }
  for (int moved = 0; auto& person : village.People) {
    if (moved < workers && person->Work == TWorkKind::Idle && IsWorker(*person, kind)) {
      person->Work = kind;
      ++moved;
    }
  }
  village.FoodStore = store;
  return village;
}

// What the season needed of the work, as the simulation decides it once the season is lived.
bool Enough(const TVillage& lived, TWorkKind kind) {
  const TSeasonStep& step = lived.LastStep;
  switch (kind) {
    case TWorkKind::Cattle:
      return TVillage::AnimalLossPercentages(TVillage::AnimalLossPoints(step.FodderFactor, step.Season)) ==
             TVillage::AnimalLossPercentages(std::numeric_limits<int>::max());
    case TWorkKind::Household:
    case TWorkKind::HuntFish: return lived.FoodRatio >= 1;
    case TWorkKind::Farming: return TVillage::HarvestOf(step.CropGrown, 1.0L) >= 0.5L;
    case TWorkKind::Idle: break;
  }
  return true;
}

TWorkNeed NeedOf(const TSeasonNeeds& needs, TWorkKind kind) {
  switch (kind) {
    case TWorkKind::Cattle: return needs.Tending;
    case TWorkKind::Household: return needs.Household;
    case TWorkKind::HuntFish: return needs.Hunting;
    case TWorkKind::Farming: return needs.Farming;
    case TWorkKind::Idle: break;
  }
  return {};
}

TVillage Lived(TVillage village) {
  TRandom random(7);
  village.ChangeSeason(random);
  return village;
}

// The count the season is said to have needed is the least number of people that, moved
// from idleness to the work, really gives the simulation what it asks of that work.
TEST(SeasonNeeds, TheNeededCountIsTheFewestThatTheSimulationFindsEnough) {
  struct TSetting {
    float Crop;
    long double Store;
  };
  for (TWorkKind kind : {TWorkKind::Cattle, TWorkKind::Household, TWorkKind::HuntFish, TWorkKind::Farming}) {
    for (TSeason season : {TSeason::Autumn, TSeason::Winter, TSeason::Spring, TSeason::Summer}) {
      for (const TSetting setting : {TSetting{1.0F, 0}, TSetting{0.45F, 12}, TSetting{0.2F, 30}}) {
        for (int workers : {0, 2, 5}) {
          const std::string where = "kind " + std::to_string(static_cast<int>(kind)) + ", season " +
                                    std::to_string(static_cast<int>(season)) + ", crop " +
                                    std::to_string(setting.Crop) + ", workers " + std::to_string(workers);
          const TVillage lived = Lived(Village(season, kind, workers, setting.Crop, setting.Store));
          const TWorkNeed need = NeedOf(TSeasonNeeds(lived.LastStep), kind);
          EXPECT_EQ(need.Workers, workers) << where;
          const TVillage everyone = Village(season, kind, IdleHands * 2, setting.Crop, setting.Store);
          const auto available = std::count_if(everyone.People.begin(), everyone.People.end(),
                                               [kind](const auto& person) { return person->Work == kind; });
          int fewest = -1;
          for (int tried = 0; tried <= available && fewest < 0; ++tried) {
            if (Enough(Lived(Village(season, kind, tried, setting.Crop, setting.Store)), kind)) fewest = tried;
          }
          if (fewest < 0) {
            // Not even every idle hand would have done: the need is beyond them or beyond reach.
            EXPECT_TRUE(!need.Reachable || need.Needed > available) << where;
          } else {
            EXPECT_TRUE(need.Reachable) << where;
            EXPECT_EQ(need.Needed, fewest) << where;
          }
          EXPECT_EQ(need.Enough(), Enough(lived, kind)) << where;
        }
      }
    }
  }
}

TEST(SeasonNeeds, TheSeasonsOwnSumsAreRepeatedExactly) {
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    TRandom random(seed);
    TVillage village;
    for (int season = 0; season < 12 && !village.People.empty(); ++season) {
      for (auto& person : village.People) person->Work = static_cast<TWorkKind>(random.Random(WorkKindCount));
      if (random.Random(4) == 0) village.SetEvent(static_cast<TVillageEvent>(random.Random(VillageEventCount)));
      village.Slaughter(0, static_cast<std::uint16_t>(random.Random(3)), 0, static_cast<std::uint16_t>(random.Random(3)));
      village.ChangeSeason(random);
      const TSeasonNeeds needs(village.LastStep);
      ASSERT_EQ(needs.FoodRatio, village.FoodRatio) << "seed " << seed << ", season " << season;
      // The counts of those at work are those whose work counted.
      EXPECT_EQ(needs.Hunting.Enough(), village.FoodRatio >= 1);
      EXPECT_EQ(needs.Household.Enough(), village.FoodRatio >= 1);
    }
  }
}

TEST(SeasonNeeds, NobodyDiesFromTheFoodShareThatIsSaidToBeSafe) {
  const int safe[] = {116, 126, 116, 106};
  for (int s = 0; s < SeasonCount; ++s) {
    TSeasonStep step;
    step.Season = static_cast<TSeason>(s);
    EXPECT_EQ(TSeasonNeeds(step).SafeFoodPercent, safe[s]) << "season " << s;
  }
}

TEST(SeasonNeeds, AHerdlessOrWorkerlessVillageNeedsWhatNobodyCanGive) {
  TSeasonStep step;
  step.Season = TSeason::Summer;
  step.Eaters = 3;
  step.Need = 1.5L;
  step.WorkCapacity = 0;
  const TSeasonNeeds needs(step);
  EXPECT_FALSE(needs.Tending.Reachable);
  EXPECT_FALSE(needs.Farming.Reachable);
  EXPECT_FALSE(needs.Household.Reachable);
  EXPECT_FALSE(needs.Hunting.Reachable);
  EXPECT_FALSE(needs.Fed());
}

}  // namespace
}  // namespace fjordheim
