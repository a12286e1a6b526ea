#include "core/game/season_needs.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "core/village/village.h"

namespace fjordheim {

namespace {

// What one grown person fit for the work does at it, fed.
constexpr long double GrownPerson = 1.0L;
// The harvest the crop is on its way to, as a share of what the village eats.
constexpr long double HalfTheNeed = 0.5L;
constexpr int MostPercent = 1000;

std::size_t At(TWorkKind kind) { return static_cast<std::size_t>(kind); }

// The fewest workers for which enough(n) holds, for an enough that once true stays true.
TWorkNeed Least(int workers, const std::function<bool(int)>& enough) {
  TWorkNeed need{workers, 0, true};
  if (enough(0)) return need;
  int high = 1;
  while (high < TSeasonNeeds::MostWorkers && !enough(high)) high *= 2;
  if (!enough(high)) return {workers, TSeasonNeeds::MostWorkers, false};
  int low = high / 2;  // not enough
  while (high - low > 1) {
    const int middle = low + (high - low) / 2;
    (enough(middle) ? high : low) = middle;
  }
  need.Needed = high;
  return need;
}

bool HerdsKeptWell(long double fodderFactor, TSeason season) {
  return TVillage::AnimalLossPercentages(TVillage::AnimalLossPoints(fodderFactor, season)) ==
         TVillage::AnimalLossPercentages(std::numeric_limits<int>::max());
}

bool OnWayToHarvest(float crop) { return TVillage::HarvestOf(crop, 1.0L) >= HalfTheNeed; }

bool GrowingSeason(TSeason season) { return season != TSeason::Winter; }

}  // namespace

TSeasonNeeds::TSeasonNeeds(const TSeasonStep& step) : FStep(step) {
  const long double nourishment = step.Nourishment;
  FoodRatio = TVillage::FoodRatioOf(FoodWith(step.Hunting, step.HouseholdFactor, step.Harvest, 0), step.Need);

  const auto tended = [this](long double tendingNourishment) {
    return [this, tendingNourishment](int n) {
      const long double work = EffortOf(TWorkKind::Cattle, n) * tendingNourishment;
      return FStep.AnimalUnits > 0 && HerdsKeptWell(TVillage::FodderFactorOf(work, FStep.AnimalUnits), FStep.Season);
    };
  };
  const int tenders = step.Workers[At(TWorkKind::Cattle)];
  Tending = Least(tenders, tended(step.TendingNourishment));
  TendingFed = Least(tenders, tended(std::max(step.TendingNourishment, TVillage::NourishmentOf(1.0F))));
  KeepWithinTheWorkForce(Tending, TWorkKind::Cattle);
  KeepWithinTheWorkForce(TendingFed, TWorkKind::Cattle);

  Hunting = Least(step.Workers[At(TWorkKind::HuntFish)], [&](int n) {
    const long double hunting =
        TVillage::HuntingYieldOf(EffortOf(TWorkKind::HuntFish, n) * nourishment, nourishment, step.Season);
    return TVillage::FoodRatioOf(FoodWith(hunting, step.HouseholdFactor, step.Harvest, 0), step.Need) >= 1;
  });
  Household = Least(step.Workers[At(TWorkKind::Household)], [&](int n) {
    const long double factor =
        TVillage::HouseholdFactorOf(EffortOf(TWorkKind::Household, n) * nourishment, step.HouseholdCapacity);
    return TVillage::FoodRatioOf(FoodWith(step.Hunting, factor, step.Harvest, 0), step.Need) >= 1;
  });
  KeepWithinTheWorkForce(Hunting, TWorkKind::HuntFish);
  KeepWithinTheWorkForce(Household, TWorkKind::Household);

  const int farmers = step.Workers[At(TWorkKind::Farming)];
  if (GrowingSeason(step.Season)) {
    Farming = Least(farmers, [&](int n) {
      return OnWayToHarvest(TVillage::GrownCropOf(step.CropBefore, EffortOf(TWorkKind::Farming, n) * nourishment,
                                                  nourishment, step.WorkCapacity));
    });
    KeepWithinTheWorkForce(Farming, TWorkKind::Farming);
    CropFineBeforeEvents = OnWayToHarvest(step.CropGrown);
    CropFine = OnWayToHarvest(step.CropGrowth);
  } else {
    Farming = {farmers, 0, true};
  }
  const long double harvestBeforeEvents =
      step.Season == TSeason::Autumn ? TVillage::HarvestOf(step.CropGrown, step.Need) : step.Harvest;
  FedBeforeEvents =
      TVillage::FoodRatioOf(FoodWith(step.Hunting, step.HouseholdFactor, harvestBeforeEvents, 0), step.Need) >= 1;

  SafeFoodPercent = MostPercent;
  for (int percent = 0; percent < MostPercent; ++percent) {
    const auto deaths = TVillage::DeathPercentages(TVillage::DeathPoints(static_cast<float>(percent) / 100, step.Season));
    if (std::all_of(deaths.begin(), deaths.end(), [](int share) { return share == 0; })) {
      SafeFoodPercent = percent;
      break;
    }
  }
}

bool TSeasonNeeds::FedWithMoreStore(long double more) const {
  return TVillage::FoodRatioOf(FoodWith(FStep.Hunting, FStep.HouseholdFactor, FStep.Harvest, more), FStep.Need) >= 1;
}

// The food of the season summed as the season sums it: what was gathered, the harvest, the
// store carried over, and what the household made of it.
long double TSeasonNeeds::FoodWith(long double hunting, long double householdFactor, long double harvest,
                                   long double more) const {
  const long double gathered = FStep.Meat + FStep.Produce + hunting;
  return (gathered + harvest + (FStep.StoreUsed + more)) * householdFactor;
}

long double TSeasonNeeds::EffortOf(TWorkKind kind, int workers) const {
  const int did = FStep.Workers[At(kind)];
  if (did <= 0) return workers * GrownPerson;
  if (workers == did) return FStep.Effort[At(kind)];
  return FStep.Effort[At(kind)] * workers / did;
}

// Each work is done by a share of the work force: a need beyond all of it, weak with hunger as
// the workers may be, is told as far more, never as more people than the village has.
void TSeasonNeeds::KeepWithinTheWorkForce(TWorkNeed& need, TWorkKind kind) const {
  const long double all = kind == TWorkKind::Household ? FStep.HouseholdCapacity : FStep.WorkCapacity;
  if (need.Reachable && EffortOf(kind, need.Needed) > all) need.Reachable = false;
}

}  // namespace fjordheim
