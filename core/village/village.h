#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/common/random.h"
#include "core/common/season.h"
#include "core/trade/trade.h"
#include "core/village/human_info.h"
#include "core/village/season_step.h"

namespace fjordheim {

class TVillageStream;

/// One-shot events set by the catastrophe dispatch and cleared by the season change that applies them.
enum class TVillageEvent : std::uint8_t {
  GoodSummerHarvest = 0,
  GoodAutumnHarvest = 1,
  Visit = 2,
  Frost = 3,
  Dryness = 4,
  GoodHunting = 5,
  Epidemy = 6,
  Fire = 7
};

inline constexpr int VillageEventCount = SeasonStepEventCount;

/// The groups the death step walks, in its order. Unlike `TAgeGroup` it splits adults by sex.
enum class TPopulationGroup : std::uint8_t { Elder = 0, AdultMan = 1, AdultWoman = 2, Youth = 3, Child = 4, Infant = 5 };

inline constexpr int PopulationGroupCount = 6;

/// Persons owned by a list; each stays at one address while it lives, so figures may point at it.
using TPersonList = std::vector<std::unique_ptr<THumanInfo>>;
/// Persons referred to, not owned.
using TPersonRefs = std::vector<THumanInfo*>;
/// One 16-bit count per animal kind, indexed by `TAnimalKind`.
using TAnimalCounts = std::array<std::uint16_t, AnimalKindCount>;

/// The whole state of the player's village between two season changes.
class TVillage {
 public:
  using TDeathsCallback = std::function<void(const TPersonList& dead)>;
  using TBirthsCallback = std::function<void(const TPersonRefs& born)>;
  using TAnimalCountsCallback = std::function<void(const TAnimalCounts& counts)>;

  /// The founding village: 37 people, the herd, Autumn 852, no goods.
  TVillage();
  TVillage(const TVillage& other);
  TVillage& operator=(const TVillage& other);
  TVillage(TVillage&&) noexcept = default;
  TVillage& operator=(TVillage&&) noexcept = default;
  ~TVillage() = default;

  /// The founding village (the same as the default constructor).
  static TVillage StartVillage();
  /// The founding village with the goods of one of the three variants of the land `choice`
  /// (0, 1 or 2; any other value is taken as 0), the variant drawn from `random`.
  static TVillage CreateForLand(int choice, TRandom& random);

  /// Units of each goods kind the village adds to its store every winter.
  TGoodsCounts GoodsProduction{};
  std::array<bool, VillageEventCount> Events{};
  /// The living, in the order they were added.
  TPersonList People;
  /// Those who died in the last season change.
  TPersonList Dead;
  TAnimalCounts Animals{};
  /// Food gathered during a season change (and meat of this season's slaughter); 0 otherwise.
  long double Food = 0;
  /// Food carried over to the next season.
  long double FoodStore = 0;
  TSeason Season = TSeason::Autumn;
  float CropGrowth = 1.0F;
  std::uint16_t Year = 852;
  /// Food available at the last season change divided by the food needed.
  float FoodRatio = 1.0F;
  TTrade Trade;
  float RatingSum = 0;
  /// What the last season change met and did; not saved.
  TSeasonStep LastStep;

  /// Each optional; called by `ChangeSeason` as its steps run.
  TDeathsCallback OnDeaths;
  TBirthsCallback OnBirths;
  TAnimalCountsCallback OnAnimalLosses;
  TAnimalCountsCallback OnAnimalBirths;

  /// Lives through one season: food, crop, goods, losses, deaths, ageing, breeding, births.
  void ChangeSeason(TRandom& random);

  THumanInfo& GetPerson(std::size_t index);
  const THumanInfo& GetPerson(std::size_t index) const;
  int CountPeople() const;
  int CountInfants() const;
  int CountChildren() const;
  int CountYouths() const;
  int CountElders() const;
  int CountAdultMen() const;
  int CountAdultWomen() const;
  int CountDeadMen() const;
  int CountDeadWomen() const;
  int CountOfGroup(TPopulationGroup group) const;
  /// The n-th (from 0) living member of the group, or nullptr when it has fewer.
  const THumanInfo* NthOfGroup(TPopulationGroup group, int n) const;
  static bool BelongsTo(const THumanInfo& person, TPopulationGroup group);

  long double TotalConsumption() const;
  long double TotalWorkCapacity() const;
  long double TotalHouseholdCapacity() const;
  /// The worth of everyone at that work, fed as well as the last season allowed.
  long double WorkOutput(TWorkKind kind) const;
  long double AnimalUnits() const;
  /// Milk and eggs, in food units a season.
  long double AnimalProduce() const;

  long double NourishmentFactor() const;
  long double FodderFactor() const;
  long double HouseholdFactor() const;
  /// The share of adult men and of adult women that survived, times the food ratio.
  long double SurvivalFactor() const;

  std::uint16_t AnimalCount(TAnimalKind kind) const;
  bool HasEvent(TVillageEvent event) const;
  void SetEvent(TVillageEvent event);

  /// Takes the animals from the herds, never more than there are, and adds their meat to `Food`.
  void Slaughter(std::uint16_t cows, std::uint16_t pigs, std::uint16_t sheep, std::uint16_t hens);
  /// Stores the food carried over, kept between 0 and twice what the village eats.
  void SetFoodStore(long double value);
  void AddRating(float rating);
  /// The mean rating over the season changes since the founding; 0 before the first.
  long double AverageRating() const;
  std::int64_t Score() const;

  /// Percent chance of loss per animal kind at the given fodder points.
  static std::array<int, AnimalKindCount> AnimalLossPercentages(int points);
  /// Percent chance of death per population group at the given food points.
  static std::array<int, PopulationGroupCount> DeathPercentages(int points);

  // The rules of one season change as plain functions of what they work on, so that what a
  // season would have needed can be found with the same rules the season was lived with.

  /// How well fed the workers are after a season whose food ratio was foodRatio.
  static long double NourishmentOf(float foodRatio);
  /// The fodder factor of a herd of animalUnits tended with cattleWork.
  static long double FodderFactorOf(long double cattleWork, long double animalUnits);
  /// The share of the food the household keeps, from its work and the village's household capacity.
  static long double HouseholdFactorOf(long double householdWork, long double householdCapacity);
  /// Food from hunting and fishing: the work, the nourishment again and the season's factor.
  static long double HuntingYieldOf(long double huntingWork, long double nourishment, TSeason season);
  /// The crop after one season's growth: the farmers' share of the work force, well fed or not.
  static float GrownCropOf(float crop, long double farmingWork, long double nourishment, long double workCapacity);
  /// The harvest of a crop: its cube root times what the village eats; nothing without a crop.
  static long double HarvestOf(float crop, long double consumption);
  static float FoodRatioOf(long double food, long double consumption);
  /// The points the loss and death rows are chosen by, after the season's own adjustment.
  static int AnimalLossPoints(long double fodderFactor, TSeason season);
  static int DeathPoints(float foodRatio, TSeason season);
  /// The meat of slaughtered animals, in food units (one grown man eats 1 in a season).
  static long double SlaughterYield(const TAnimalCounts& slaughtered);

  /// Writes the village block of a saved game. More persons than a 16-bit count can hold
  /// raise EVillageFileError with "Kan ikke åpne filen" before anything is written.
  void SaveToStream(TVillageStream& stream) const;
  /// Reads the village block and replaces every saved field, or on any error raises
  /// EVillageFileError (or ETradeError for the goods record) and changes nothing.
  /// `Events` and the callbacks are not in the file and stay as they were.
  void LoadFromStream(TVillageStream& stream);

 private:
  void Gather();
  void GrowCrop();
  void Harvest();
  void UseAndMakeGoods();
  void FeedAndStore();
  void LoseAnimals(TRandom& random);
  void Die(TRandom& random);
  void Breed(TRandom& random);
  void GiveBirth(TRandom& random);
  void ApplyEvent(TVillageEvent event, long double cropFactor);
  void RecordStepStart(TSeason season);
  bool TakeEvent(TVillageEvent event);
};

}  // namespace fjordheim
