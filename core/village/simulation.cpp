#include <algorithm>
#include <cmath>
#include <limits>

#include "core/common/rounding.h"
#include "core/village/village.h"

namespace fjordheim {

namespace {

constexpr std::uint16_t CountLimit = 65535;
// The saved game counts the living in 16 bits, so nobody is born past that.
constexpr int MostPeople = 65535;

// Hunting and fishing are best in autumn and poorest in winter.
constexpr std::array<long double, SeasonCount> SeasonFactor{2.0L, 1.0L, 1.5L, 1.5L};
// Winter is harder to live through than the other seasons, summer easier.
constexpr std::array<int, SeasonCount> SeasonAdjust{0, -10, 0, 10};
constexpr std::array<float, AnimalKindCount> BreedingWeight{1.0F, 2.0F, 1.0F, 2.0F};
constexpr int GoodHuntingPiglets = 5;
constexpr int EpidemyWomen = 2;
constexpr int EpidemyYouths = 3;

// A season byte above 3 can only come from a damaged state; it is read modulo four so that no
// table is read past its end.
std::size_t Index(TSeason season) { return static_cast<std::size_t>(season) % SeasonCount; }

std::size_t Index(TGoodsKind kind) { return static_cast<std::size_t>(kind); }

// Counts are 16-bit; a herd or a store that would pass the limit stays at it instead of wrapping.
std::uint16_t SaturatedAdd(std::uint16_t count, std::int64_t added) {
  return static_cast<std::uint16_t>(std::clamp<std::int64_t>(count + added, 0, CountLimit));
}

TSeason NextSeason(TSeason season) { return static_cast<TSeason>((Index(season) + 1) % SeasonCount); }

// How much of a winter's want of one kind is held, at most all of it. Nothing wanted counts as covered.
long double CoveredShare(const TTrade& trade, TGoodsKind kind) {
  const std::uint16_t demand = trade.GetDemand(kind);
  if (demand == 0) return 1;
  return std::min(1.0L, static_cast<long double>(trade.GetGoods(kind)) / demand);
}

// Points of a factor in hundredths. A value that is no number (only a damaged state holds one) counts
// as the worst, so such a village is not spared.
int Points(long double factor) {
  if (!std::isfinite(factor)) return 0;
  return static_cast<int>(Round(std::clamp(factor * 100, -1.0e6L, 1.0e6L)));
}

// A single-precision field takes the largest value it can hold rather than an infinity,
// which no later season could work with and no save could write.
float ToSingle(long double value) {
  constexpr long double Most = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -Most, Most));
}

// A share of `count` decided by one draw below `percentage`.
int RandomShare(TRandom& random, int percentage, int count) {
  return static_cast<int>(Round(random.Random(percentage) * 0.01L * count));
}

// The members of one group still alive while its deaths are drawn, in `People` order. The n-th
// living member is found by a binary walk over counts (a Fenwick tree), so even a village of
// tens of thousands loses its dead quickly.
std::size_t LowestBit(std::size_t i) { return i & (~i + 1); }

class TLivingMembers {
 public:
  explicit TLivingMembers(std::size_t count) : FCounts(count + 1, 0) {
    for (std::size_t i = 1; i <= count; ++i) {
      FCounts[i] += 1;
      if (const std::size_t parent = i + LowestBit(i); parent <= count) FCounts[parent] += FCounts[i];
    }
    FTop = 1;
    while (FTop * 2 <= count) FTop *= 2;
  }

  /// Removes the n-th (from 0) living member and returns its place among all members.
  std::size_t Take(int n) {
    std::size_t place = 0;
    int remaining = n;
    for (std::size_t step = FTop; step > 0; step /= 2) {
      if (place + step < FCounts.size() && FCounts[place + step] <= remaining) {
        place += step;
        remaining -= FCounts[place];
      }
    }
    for (std::size_t i = place + 1; i < FCounts.size(); i += LowestBit(i)) FCounts[i] -= 1;
    return place;
  }

 private:
  std::vector<int> FCounts;
  std::size_t FTop = 1;
};

}  // namespace

std::array<int, AnimalKindCount> TVillage::AnimalLossPercentages(int points) {
  if (points < 21) return {100, 100, 100, 100};
  if (points < 51) return {50, 50, 50, 100};
  return {5, 5, 5, 10};
}

std::array<int, PopulationGroupCount> TVillage::DeathPercentages(int points) {
  if (points < 21) return {100, 100, 100, 100, 100, 100};
  if (points < 51) return {70, 20, 30, 40, 50, 70};
  if (points < 86) return {20, 5, 10, 10, 20, 30};
  if (points < 116) return {5, 0, 0, 5, 5, 10};
  return {0, 0, 0, 0, 0, 0};
}

long double TVillage::HuntingYieldOf(long double huntingWork, long double nourishment, TSeason season) {
  return huntingWork * nourishment * SeasonFactor[Index(season)];
}

// The crop grows with the farmers' share of the whole work force; with nobody able to work it withers.
float TVillage::GrownCropOf(float crop, long double farmingWork, long double nourishment, long double workCapacity) {
  if (workCapacity <= 0) return 0.0F;
  return ToSingle(farmingWork * crop * nourishment / workCapacity);
}

long double TVillage::HarvestOf(float crop, long double consumption) {
  if (crop <= 0) return 0;
  return std::cbrt(static_cast<long double>(crop)) * consumption;
}

// With no one left to feed the ratio has no value; it is taken as 0, a village that starves.
float TVillage::FoodRatioOf(long double food, long double consumption) {
  return consumption > 0 ? ToSingle(food / consumption) : 0.0F;
}

int TVillage::AnimalLossPoints(long double fodderFactor, TSeason season) {
  return Points(fodderFactor) + SeasonAdjust[Index(season)];
}

int TVillage::DeathPoints(float foodRatio, TSeason season) { return Points(foodRatio) + SeasonAdjust[Index(season)]; }

void TVillage::ChangeSeason(TRandom& random) {
  const auto season = static_cast<TSeason>(Index(Season));
  RecordStepStart(season);
  Gather();
  switch (season) {
    case TSeason::Autumn:
      GrowCrop();
      ApplyEvent(TVillageEvent::GoodAutumnHarvest, 1.2L);
      ApplyEvent(TVillageEvent::Visit, 1.2L);
      ApplyEvent(TVillageEvent::Frost, 0.3333L);
      Harvest();
      break;
    case TSeason::Winter:
      CropGrowth = 1.0F;
      UseAndMakeGoods();
      break;
    case TSeason::Spring:
    case TSeason::Summer:
      GrowCrop();
      ApplyEvent(TVillageEvent::GoodSummerHarvest, 1.2L);
      ApplyEvent(TVillageEvent::Dryness, 0.5L);
      break;
  }
  LastStep.CropGrowth = CropGrowth;
  FeedAndStore();
  if (!HasEvent(TVillageEvent::GoodHunting)) LoseAnimals(random);
  Die(random);
  TakeEvent(TVillageEvent::Epidemy);
  if (season == TSeason::Winter) Year = SaturatedAdd(Year, 1);
  Season = NextSeason(season);
  if (Season == TSeason::Spring) {
    for (auto& person : People) person->GrowOlder();
    Breed(random);
  }
  TakeEvent(TVillageEvent::GoodHunting);
  if (Season == TSeason::Autumn) GiveBirth(random);
}

// The step's inputs are noted before anything changes them.
void TVillage::RecordStepStart(TSeason season) {
  LastStep = TSeasonStep();
  LastStep.Lived = true;
  LastStep.Season = season;
  LastStep.Meat = Food;
  LastStep.StoreUsed = FoodStore;
  LastStep.HouseholdWork = WorkOutput(TWorkKind::Household);
  LastStep.CattleWork = WorkOutput(TWorkKind::Cattle);
  LastStep.FarmingWork = WorkOutput(TWorkKind::Farming);
  LastStep.Need = TotalConsumption();
  LastStep.Eaters = static_cast<int>(People.size());
  LastStep.Nourishment = NourishmentFactor();
  LastStep.WorkCapacity = TotalWorkCapacity();
  LastStep.HouseholdCapacity = TotalHouseholdCapacity();
  LastStep.CropBefore = CropGrowth;
  for (const auto& person : People) {
    const long double effort = person->Efficiency();
    if (effort <= 0) continue;
    const auto work = static_cast<std::size_t>(person->Work) % WorkKindCount;
    LastStep.Workers[work] += 1;
    LastStep.Effort[work] += effort;
  }
}

void TVillage::Gather() {
  const long double huntingYield = HuntingYieldOf(WorkOutput(TWorkKind::HuntFish), NourishmentFactor(), Season);
  LastStep.Produce = AnimalProduce();
  LastStep.Hunting = huntingYield;
  Food = Food + LastStep.Produce + huntingYield;
}

void TVillage::GrowCrop() {
  CropGrowth = GrownCropOf(CropGrowth, WorkOutput(TWorkKind::Farming), NourishmentFactor(), TotalWorkCapacity());
  LastStep.CropGrown = CropGrowth;
}

void TVillage::Harvest() {
  if (CropGrowth <= 0) return;
  LastStep.Harvest = HarvestOf(CropGrowth, TotalConsumption());
  Food += LastStep.Harvest;
}

void TVillage::ApplyEvent(TVillageEvent event, long double cropFactor) {
  if (TakeEvent(event)) CropGrowth = ToSingle(CropGrowth * cropFactor);
}

bool TVillage::TakeEvent(TVillageEvent event) {
  const bool pending = HasEvent(event);
  Events[static_cast<std::size_t>(event)] = false;
  if (pending) LastStep.Applied[static_cast<std::size_t>(event)] = true;
  return pending;
}

// In winter the village uses what it wants of its goods, a third of the rest spoils, and its crafts make
// new goods; jewellery and weapons can only be made as far as silver, amber and iron were at hand.
void TVillage::UseAndMakeGoods() {
  TGoodsCounts& goods = Trade.Goods;
  const TGoodsCounts& demands = Trade.Demands;
  const long double jewelleryShare =
      (CoveredShare(Trade, TGoodsKind::Silver) + CoveredShare(Trade, TGoodsKind::Amber)) * 0.5L;
  const long double weaponsShare = CoveredShare(Trade, TGoodsKind::Iron);
  for (std::size_t k = 0; k < goods.size(); ++k) {
    const int left = goods[k] > demands[k] ? goods[k] - demands[k] : 0;
    goods[k] = static_cast<std::uint16_t>(left * 2 / 3);
  }
  for (TGoodsKind kind : {TGoodsKind::Silver, TGoodsKind::Amber, TGoodsKind::Furs, TGoodsKind::Iron}) {
    goods[Index(kind)] = SaturatedAdd(goods[Index(kind)], GoodsProduction[Index(kind)]);
  }
  goods[Index(TGoodsKind::Jewellery)] =
      static_cast<std::uint16_t>(Round(GoodsProduction[Index(TGoodsKind::Jewellery)] * jewelleryShare));
  goods[Index(TGoodsKind::Weapons)] =
      static_cast<std::uint16_t>(Round(GoodsProduction[Index(TGoodsKind::Weapons)] * weaponsShare));
}

void TVillage::FeedAndStore() {
  Food += FoodStore;
  LastStep.HouseholdFactor = HouseholdFactor();
  Food *= LastStep.HouseholdFactor;
  const long double consumption = TotalConsumption();
  FoodRatio = FoodRatioOf(Food, consumption);
  SetFoodStore(Food - consumption);
  if (TakeEvent(TVillageEvent::Fire)) {
    const long double before = FoodStore;
    SetFoodStore(FoodStore * 0.5L);
    LastStep.StoreBurnt = before - FoodStore;
  }
  Food = 0;
}

void TVillage::LoseAnimals(TRandom& random) {
  LastStep.FodderFactor = FodderFactor();
  LastStep.TendingNourishment = NourishmentFactor();
  LastStep.AnimalUnits = AnimalUnits();
  LastStep.Animals = static_cast<int>(Animals[0] + Animals[1] + Animals[2] + Animals[3]);
  const int points = AnimalLossPoints(LastStep.FodderFactor, Season);
  const auto percentages = AnimalLossPercentages(points);
  const bool epidemy = HasEvent(TVillageEvent::Epidemy);
  TAnimalCounts lost{};
  for (std::size_t kind = 0; kind < Animals.size(); ++kind) {
    const int count = Animals[kind];
    const int loss = epidemy ? count / 2 : RandomShare(random, percentages[kind], count);
    lost[kind] = static_cast<std::uint16_t>(std::clamp(loss, 0, count));
    Animals[kind] = static_cast<std::uint16_t>(count - lost[kind]);
  }
  if (OnAnimalLosses) OnAnimalLosses(lost);
}

void TVillage::Die(TRandom& random) {
  Dead.clear();
  const auto percentages = DeathPercentages(DeathPoints(FoodRatio, Season));
  const bool epidemy = HasEvent(TVillageEvent::Epidemy);
  std::vector<std::size_t> deathOrder;
  for (int g = 0; g < PopulationGroupCount; ++g) {
    const auto group = static_cast<TPopulationGroup>(g);
    std::vector<std::size_t> members;
    for (std::size_t i = 0; i < People.size(); ++i) {
      if (BelongsTo(*People[i], group)) members.push_back(i);
    }
    const int size = static_cast<int>(members.size());
    int deaths = RandomShare(random, percentages[g], size);
    if (epidemy && group == TPopulationGroup::AdultWoman && size >= EpidemyWomen) deaths = EpidemyWomen;
    if (epidemy && group == TPopulationGroup::Youth && size >= EpidemyYouths) deaths = EpidemyYouths;
    TLivingMembers living(members.size());
    for (int i = 0; i < deaths && i < size; ++i) deathOrder.push_back(members[living.Take(random.Random(size - i))]);
  }
  for (std::size_t place : deathOrder) Dead.push_back(std::move(People[place]));
  std::erase_if(People, [](const auto& person) { return person == nullptr; });
  if (OnDeaths) OnDeaths(Dead);
}

void TVillage::Breed(TRandom& random) {
  const long double fodder = FodderFactor();
  TAnimalCounts born{};
  for (std::size_t kind = 0; kind < Animals.size(); ++kind) {
    const int count = Animals[kind];
    const long double base = count >= 2 ? fodder * BreedingWeight[kind] * count : 0.0L;
    const float spread = static_cast<float>((random.Random(20) - 10) * 0.01L);
    std::int64_t young = Round(base * spread + base);
    if (HasEvent(TVillageEvent::GoodHunting) && static_cast<TAnimalKind>(kind) == TAnimalKind::Pig)
      young += GoodHuntingPiglets;
    young = std::clamp<std::int64_t>(young, 0, CountLimit - Animals[kind]);
    born[kind] = static_cast<std::uint16_t>(young);
    Animals[kind] = SaturatedAdd(Animals[kind], young);
  }
  if (OnAnimalBirths) OnAnimalBirths(born);
}

void TVillage::GiveBirth(TRandom& random) {
  const int mothers = CountAdultWomen() / 2 + random.Random(2) - 1;
  const int room = MostPeople - CountPeople();
  const int births = std::clamp(mothers * 3 / 4, 0, std::max(room, 0));
  TPersonRefs born;
  born.reserve(static_cast<std::size_t>(std::max(births, 0)));
  for (int i = 0; i < births; ++i) {
    const auto sex = random.Random(2) == 0 ? TSex::Male : TSex::Female;
    People.push_back(std::make_unique<THumanInfo>(sex, 0, TWorkKind::Idle));
    born.push_back(People.back().get());
  }
  if (OnBirths) OnBirths(born);
}

}  // namespace fjordheim
