#include "core/village/village.h"

#include <algorithm>
#include <cmath>

#include "core/common/rounding.h"

namespace fjordheim {

namespace {

struct TFounder {
  std::uint8_t Age;
  const char* Name;
};

// The founders in the order they join the village: the men first, then the women.
constexpr std::array<TFounder, 19> FoundingMen{{{48, "Tor"},
                                                {39, "Thorbjørn"},
                                                {36, "Styrbjørn"},
                                                {32, ""},
                                                {30, ""},
                                                {26, ""},
                                                {24, ""},
                                                {22, ""},
                                                {17, ""},
                                                {15, ""},
                                                {14, ""},
                                                {11, ""},
                                                {8, ""},
                                                {6, ""},
                                                {4, ""},
                                                {2, ""},
                                                {1, ""},
                                                {0, ""},
                                                {0, ""}}};
constexpr std::array<TFounder, 18> FoundingWomen{{{50, "Ulla"},
                                                  {47, ""},
                                                  {40, ""},
                                                  {38, ""},
                                                  {35, ""},
                                                  {31, ""},
                                                  {29, ""},
                                                  {25, ""},
                                                  {23, ""},
                                                  {21, ""},
                                                  {16, ""},
                                                  {14, ""},
                                                  {11, ""},
                                                  {8, ""},
                                                  {5, ""},
                                                  {3, ""},
                                                  {1, ""},
                                                  {0, ""}}};

constexpr TAnimalCounts FoundingAnimals{8, 7, 9, 15};

struct TLandVariant {
  TGoodsCounts Goods;
  TGoodsCounts Production;
};

// Three variants for each land; the same goods are held and wanted at the start.
constexpr std::array<std::array<TLandVariant, 3>, 3> LandVariants{{
    {{{{2, 3, 2, 1, 1, 1}, {0, 0, 5, 3, 2, 0}},
      {{1, 1, 2, 1, 2, 3}, {0, 2, 3, 5, 0, 0}},
      {{1, 1, 1, 4, 2, 1}, {0, 0, 3, 1, 3, 3}}}},
    {{{{1, 1, 1, 1, 2, 4}, {0, 0, 3, 5, 2, 1}},
      {{2, 4, 1, 1, 1, 1}, {0, 0, 3, 2, 3, 2}},
      {{1, 1, 2, 4, 1, 2}, {0, 0, 5, 2, 1, 3}}}},
    {{{{3, 2, 1, 3, 1, 1}, {0, 7, 0, 0, 4, 2}},
      {{4, 1, 1, 3, 1, 1}, {0, 2, 0, 0, 6, 4}},
      {{5, 2, 1, 1, 1, 1}, {0, 4, 0, 0, 4, 4}}}},
}};

TPersonList CopyPersons(const TPersonList& persons) {
  TPersonList copy;
  copy.reserve(persons.size());
  for (const auto& person : persons) copy.push_back(std::make_unique<THumanInfo>(*person));
  return copy;
}

template <typename TPredicate>
int CountIf(const TPersonList& persons, TPredicate predicate) {
  return static_cast<int>(
      std::count_if(persons.begin(), persons.end(), [&](const auto& person) { return predicate(*person); }));
}

template <typename TValue>
long double SumOver(const TPersonList& persons, TValue value) {
  long double sum = 0;
  for (const auto& person : persons) sum += value(*person);
  return sum;
}

// Share of a sex's adults who are still alive after the last season change; 0 when there were none.
long double SurvivedShare(int dead, int living) {
  if (dead + living == 0) return 0;
  return 1 - static_cast<long double>(dead) / static_cast<long double>(dead + living);
}

}  // namespace

TVillage::TVillage() : Animals(FoundingAnimals) {
  People.reserve(FoundingMen.size() + FoundingWomen.size());
  for (const auto& founder : FoundingMen)
    People.push_back(std::make_unique<THumanInfo>(TSex::Male, founder.Age, TWorkKind::Idle, founder.Name));
  for (const auto& founder : FoundingWomen)
    People.push_back(std::make_unique<THumanInfo>(TSex::Female, founder.Age, TWorkKind::Idle, founder.Name));
}

TVillage::TVillage(const TVillage& other)
    : GoodsProduction(other.GoodsProduction),
      Events(other.Events),
      People(CopyPersons(other.People)),
      Dead(CopyPersons(other.Dead)),
      Animals(other.Animals),
      Food(other.Food),
      FoodStore(other.FoodStore),
      Season(other.Season),
      CropGrowth(other.CropGrowth),
      Year(other.Year),
      FoodRatio(other.FoodRatio),
      Trade(other.Trade),
      RatingSum(other.RatingSum),
      LastStep(other.LastStep),
      OnDeaths(other.OnDeaths),
      OnBirths(other.OnBirths),
      OnAnimalLosses(other.OnAnimalLosses),
      OnAnimalBirths(other.OnAnimalBirths) {}

TVillage& TVillage::operator=(const TVillage& other) {
  if (this != &other) {
    TVillage copy(other);
    *this = std::move(copy);
  }
  return *this;
}

TVillage TVillage::StartVillage() { return TVillage(); }

TVillage TVillage::CreateForLand(int choice, TRandom& random) {
  TVillage village;
  const int land = choice >= 0 && choice < static_cast<int>(LandVariants.size()) ? choice : 0;
  const TLandVariant& variant = LandVariants[land][random.Random(3)];
  village.Trade.Goods = variant.Goods;
  village.Trade.Demands = variant.Goods;
  village.GoodsProduction = variant.Production;
  return village;
}

THumanInfo& TVillage::GetPerson(std::size_t index) { return *People.at(index); }

const THumanInfo& TVillage::GetPerson(std::size_t index) const { return *People.at(index); }

int TVillage::CountPeople() const { return static_cast<int>(People.size()); }

int TVillage::CountInfants() const { return CountOfGroup(TPopulationGroup::Infant); }

int TVillage::CountChildren() const { return CountOfGroup(TPopulationGroup::Child); }

int TVillage::CountYouths() const { return CountOfGroup(TPopulationGroup::Youth); }

int TVillage::CountElders() const { return CountOfGroup(TPopulationGroup::Elder); }

int TVillage::CountAdultMen() const { return CountOfGroup(TPopulationGroup::AdultMan); }

int TVillage::CountAdultWomen() const { return CountOfGroup(TPopulationGroup::AdultWoman); }

int TVillage::CountDeadMen() const {
  return CountIf(Dead, [](const THumanInfo& person) { return person.IsAdultMan(); });
}

int TVillage::CountDeadWomen() const {
  return CountIf(Dead, [](const THumanInfo& person) { return person.IsAdultWoman(); });
}

bool TVillage::BelongsTo(const THumanInfo& person, TPopulationGroup group) {
  switch (group) {
    case TPopulationGroup::Elder: return person.IsElder();
    case TPopulationGroup::AdultMan: return person.IsAdultMan();
    case TPopulationGroup::AdultWoman: return person.IsAdultWoman();
    case TPopulationGroup::Youth: return person.IsYouth();
    case TPopulationGroup::Child: return person.IsChild();
    case TPopulationGroup::Infant: return person.IsInfant();
  }
  return false;
}

int TVillage::CountOfGroup(TPopulationGroup group) const {
  return CountIf(People, [group](const THumanInfo& person) { return BelongsTo(person, group); });
}

const THumanInfo* TVillage::NthOfGroup(TPopulationGroup group, int n) const {
  if (n < 0) return nullptr;
  for (const auto& person : People) {
    if (BelongsTo(*person, group) && n-- == 0) return person.get();
  }
  return nullptr;
}

long double TVillage::TotalConsumption() const {
  return SumOver(People, [](const THumanInfo& person) { return person.Consumption(); });
}

long double TVillage::TotalWorkCapacity() const {
  return SumOver(People, [](const THumanInfo& person) { return person.WorkCapacity(); });
}

long double TVillage::TotalHouseholdCapacity() const {
  return SumOver(People, [](const THumanInfo& person) { return person.HouseholdCapacity(); });
}

long double TVillage::WorkOutput(TWorkKind kind) const {
  const long double effort =
      SumOver(People, [kind](const THumanInfo& person) { return person.Work == kind ? person.Efficiency() : 0.0L; });
  return effort * NourishmentFactor();
}

long double TVillage::AnimalUnits() const {
  return Animals[0] * 1.0L + Animals[1] * 0.1L + Animals[2] * 0.01L + Animals[3] * 0.2L;
}

long double TVillage::AnimalProduce() const { return Animals[0] * 0.1L + Animals[3] * 0.001L; }

long double TVillage::NourishmentFactor() const { return NourishmentOf(FoodRatio); }

long double TVillage::NourishmentOf(float foodRatio) {
  const long double ratio = foodRatio;
  if (ratio < 0.31L) return 0.1L;
  if (ratio < 0.61L) return 0.5L;
  if (ratio < 0.86L) return 0.9L;
  if (ratio < 1.16L) return 1.0L;
  return 1.1L;
}

long double TVillage::FodderFactor() const { return FodderFactorOf(WorkOutput(TWorkKind::Cattle), AnimalUnits()); }

long double TVillage::FodderFactorOf(long double cattleWork, long double animalUnits) {
  const long double q = animalUnits > 0 ? cattleWork / animalUnits : 0.0L;
  if (q < 0.2L) return 0.2L;
  if (q < 0.8L) return q;
  if (q < 1.2L) return 1.0L;
  return 1.1L;
}

// With nobody able to keep house the share has no value; the village then keeps half its food,
// as it does when its keepers are idle.
long double TVillage::HouseholdFactor() const {
  return HouseholdFactorOf(WorkOutput(TWorkKind::Household), TotalHouseholdCapacity());
}

long double TVillage::HouseholdFactorOf(long double householdWork, long double capacity) {
  if (capacity <= 0) return 0.5L;
  const long double h = householdWork / (capacity * 0.4L) + 0.5L;
  return std::clamp(h, 0.5L, 1.4L);
}

long double TVillage::SurvivalFactor() const {
  return SurvivedShare(CountDeadMen(), CountAdultMen()) * FoodRatio *
         SurvivedShare(CountDeadWomen(), CountAdultWomen());
}

std::uint16_t TVillage::AnimalCount(TAnimalKind kind) const { return Animals[static_cast<std::size_t>(kind)]; }

bool TVillage::HasEvent(TVillageEvent event) const { return Events[static_cast<std::size_t>(event)]; }

void TVillage::SetEvent(TVillageEvent event) { Events[static_cast<std::size_t>(event)] = true; }

void TVillage::Slaughter(std::uint16_t cows, std::uint16_t pigs, std::uint16_t sheep, std::uint16_t hens) {
  const TAnimalCounts wanted{cows, pigs, sheep, hens};
  TAnimalCounts taken{};
  for (std::size_t kind = 0; kind < Animals.size(); ++kind) {
    taken[kind] = std::min(Animals[kind], wanted[kind]);
    Animals[kind] = static_cast<std::uint16_t>(Animals[kind] - taken[kind]);
  }
  Food += SlaughterYield(taken);
}

long double TVillage::SlaughterYield(const TAnimalCounts& slaughtered) {
  return slaughtered[0] * 4.0L + slaughtered[1] * 1.0L + slaughtered[2] * 1.0L + slaughtered[3] * 0.2L;
}

void TVillage::SetFoodStore(long double value) {
  const long double most = 2 * TotalConsumption();
  if (!(value >= 0))  // also a value that is no number
    FoodStore = 0;
  else if (value > most)
    FoodStore = most;
  else
    FoodStore = value;
}

void TVillage::AddRating(float rating) { RatingSum += rating; }

long double TVillage::AverageRating() const {
  constexpr std::array<int, SeasonCount> SeasonOffset{0, 1, -2, -1};
  const int changes = (static_cast<int>(Year) - 852) * 4 + SeasonOffset[static_cast<std::size_t>(Season) % SeasonCount];
  if (changes <= 0) return 0;
  return RatingSum / static_cast<long double>(changes);
}

std::int64_t TVillage::Score() const {
  const long double worth = (static_cast<int>(Year) - 852) * 20 + CountAdultMen() * 50 + CountAdultWomen() * 50 +
                            CountYouths() * 20 + CountChildren() * 20 + CountElders() * 10 + Animals[0] * 30 +
                            Animals[1] * 10 + Animals[2] * 10 + Animals[3] * 2;
  const long double score = AverageRating() * worth;
  return std::isfinite(score) ? Round(score) : 0;
}

}  // namespace fjordheim
