#include "core/game/season_forecast.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "core/common/random.h"
#include "core/common/rounding.h"
#include "core/common/translation.h"
#include "core/game/game_controller.h"

namespace fjordheim {

namespace {

using TClock = std::chrono::steady_clock;

// The file counts the living in 16 bits; a village beyond that never came from a game.
constexpr std::size_t MostPeople = 65535;
// Below this fodder factor the herds lose far more than the few that always die.
constexpr double FedAnimals = 0.8;
// Below this food ratio those who work are weakened by hunger in the next season.
constexpr double WeakeningHunger = 0.86;
// A fed village for the comparison gets just a little more than it needs, so that rounding
// never leaves it a point short.
constexpr long double JustFed = 1.001L;
// Two works whose extra hand feeds about as many are both named.
constexpr double AboutAsGood = 0.01;
// The farmers' share of the work force that keeps the crop on its way to a harvest of half
// the need: the harvest is the cube root of three seasons' shares multiplied.
constexpr float CropOnTrack = 0.5F;

bool IsWorkingAge(const THumanInfo& person) { return person.IsYouth() || person.IsAdult(); }

// A state no game reaches: a loaded file can hold numbers the simulation never makes.
bool Damaged(const TVillage& village) {
  if (village.People.size() > MostPeople || static_cast<std::size_t>(village.Season) >= SeasonCount) return true;
  if (!std::isfinite(village.Food) || !std::isfinite(village.FoodStore) || !std::isfinite(village.FoodRatio) ||
      !std::isfinite(village.CropGrowth)) {
    return true;
  }
  if (village.Food < 0 || village.FoodStore < 0 || village.CropGrowth < 0) return true;
  return std::any_of(village.People.begin(), village.People.end(), [](const auto& person) {
    return person == nullptr || static_cast<int>(person->Work) >= WorkKindCount;
  });
}

bool EveryWorkerIdle(const TVillage& village) {
  bool anyWorker = false;
  for (const auto& person : village.People) {
    if (!IsWorkingAge(*person)) continue;
    if (person->Work != TWorkKind::Idle) return false;
    anyWorker = true;
  }
  return anyWorker;
}

// The village as the season change will meet it: the marked animals slaughtered, and no one
// told of what happens to the copy.
TVillage PlayableCopy(const TVillage& village, const TAnimalCounts& marked) {
  TVillage copy(village);
  copy.OnDeaths = nullptr;
  copy.OnBirths = nullptr;
  copy.OnAnimalLosses = nullptr;
  copy.OnAnimalBirths = nullptr;
  // The last season's dead are cleared by the death step before anyone reads them.
  copy.Dead.clear();
  copy.Slaughter(marked[0], marked[1], marked[2], marked[3]);
  return copy;
}

double FedShareOf(const TVillage& played) {
  return std::clamp(static_cast<double>(played.FoodRatio), 0.0, 1.0);
}

// The value below which a share q of the sorted values lie, between neighbours.
double Quantile(const std::vector<double>& sorted, double q) {
  if (sorted.empty()) return 0;
  const double place = q * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(place));
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (sorted[above] - sorted[below]) * (place - static_cast<double>(below));
}

// The same village with one more grown man at the work: what one more pair of hands there
// would feed. Both works are compared with the same extra mouth.
double FedShareWithOneMore(const TVillage& base, TWorkKind work, std::uint32_t seed) {
  TVillage copy(base);
  copy.People.push_back(std::make_unique<THumanInfo>(TSex::Male, 25, work));
  TRandom random(seed);
  copy.ChangeSeason(random);
  return static_cast<double>(copy.FoodRatio);
}

// The same village with just enough food in store that everyone is fed, all else equal.
TVillage FedCopy(const TVillage& base, const TSeasonStep& step) {
  TVillage fed(base);
  const long double gathered = step.Meat + step.Produce + step.Hunting + step.Harvest;
  const long double wanted = step.Need * JustFed / step.HouseholdFactor - gathered;
  fed.FoodStore = std::max(fed.FoodStore, wanted);
  return fed;
}

// How many seasons of this year's growing the crop has behind it after a change ending
// the season: spring, summer and autumn each multiply it, winter starts it anew.
int GrowingSeasons(TSeason ending) {
  switch (ending) {
    case TSeason::Spring: return 1;
    case TSeason::Summer: return 2;
    case TSeason::Autumn: return 3;
    case TSeason::Winter: break;
  }
  return 0;
}

// The winter after this autumn, lived with the same work; the generator is a copy, so the
// runs of the coming change draw what they would have drawn without it.
double WinterFedShareAfter(const TVillage& autumnRun, const TRandom& random) {
  if (autumnRun.People.empty()) return 0;
  TVillage winter(autumnRun);
  TRandom later = random;
  winter.ChangeSeason(later);
  return FedShareOf(winter);
}

std::int64_t RoundedPercent(double share) {
  const std::int64_t percent = Round(static_cast<long double>(share) * 20) * 5;
  return std::clamp<std::int64_t>(percent, 5, 95);
}

std::string HungerSentence(double share) {
  if (share <= 0) return Tr("Det blir nesten ingen mat.");
  // xgettext:no-c-format
  return Tr("Maten rekker til om lag {0} % av folket.", RoundedPercent(share));
}

std::string MoreHandsSentence(const TSeasonForecast& forecast) {
  const bool hunting = forecast.Short(TWorkKind::HuntFish);
  const bool household = forecast.Short(TWorkKind::Household);
  if (hunting && household) return Tr("Flere trengs på jakt og fiske eller i husholdningen.");
  if (hunting) return Tr("Flere trengs på jakt og fiske.");
  if (household) return Tr("Flere trengs i husholdningen.");
  return {};
}

std::int64_t RoundedDeaths(double deaths) { return Round(static_cast<long double>(deaths)); }

// The warning's one sentence: how far the food reaches, and what the hunger does.
std::string StarvationSentence(double share, double deaths) {
  const std::int64_t count = RoundedDeaths(deaths);
  if (share <= 0) {
    if (count <= 0) return Tr("Det blir nesten ingen mat, og de som arbeider blir svake av sult.");
    if (count == 1) return Tr("Det blir nesten ingen mat, og én kan dø av sult.");
    return Tr("Det blir nesten ingen mat, og om lag {0} kan dø av sult.", count);
  }
  const std::int64_t percent = RoundedPercent(share);
  // xgettext:no-c-format
  if (count <= 0) return Tr("Maten rekker bare til om lag {0} % av folket, og de som arbeider blir svake av sult.", percent);
  // xgettext:no-c-format
  if (count == 1) return Tr("Maten rekker bare til om lag {0} % av folket, og én kan dø av sult.", percent);
  // Translators: {0} is the share of the people fed, in percent; {1} how many may die.
  // xgettext:no-c-format
  return Tr("Maten rekker bare til om lag {0} % av folket, og om lag {1} kan dø av sult.", percent, count);
}

// A sentence of its own: hunger that kills nobody is told by the food line alone.
std::string DeathsSentence(double deaths) {
  const std::int64_t count = RoundedDeaths(deaths);
  if (count <= 0) return {};
  if (count == 1) return Tr("Én kan dø av sult.");
  return Tr("Om lag {0} kan dø av sult.", count);
}

std::string Joined(const std::string& first, const std::string& second) {
  if (second.empty()) return first;
  return first + " " + second;
}

// The danger, then the question whether to go on.
std::string WithGoOnQuestion(const std::string& danger) {
  return Joined(danger, Tr("Vil du likevel gå videre til neste årstid?"));
}

}  // namespace

bool TSeasonForecast::Starvation() const {
  return Available && (HungerDeaths >= 0.5 || FedShare < WeakeningHunger);
}

TWorkKind TSeasonForecast::FoodWork() const {
  if (Short(TWorkKind::HuntFish)) return TWorkKind::HuntFish;
  if (Short(TWorkKind::Household)) return TWorkKind::Household;
  return TWorkKind::Idle;
}

std::string TSeasonForecast::WorkLine() const {
  if (!Available) return {};
  if (NobodyWorks) return Tr("Ingen har fått arbeid. Dra folk til arbeidet, ellers blir det nesten ingen mat.");
  if (!Hungry()) {
    if (!StoreLastsWinter()) return Tr("Med denne fordelingen blir alle mette, men forrådet rekker ikke gjennom vinteren.");
    if (Short(TWorkKind::Cattle)) return Tr("Med denne fordelingen blir alle mette, men dyrene får for lite fôr.");
    return Tr("Med denne fordelingen blir alle mette.");
  }
  return Joined(HungerSentence(FedShare), MoreHandsSentence(*this));
}

std::string TSeasonForecast::FoodLine() const {
  if (!Available) return {};
  if (!Hungry()) {
    if (!StoreLastsWinter()) return Tr("Neste årstid blir alle mette, men forrådet rekker ikke gjennom vinteren.");
    return Tr("Neste årstid blir alle mette.");
  }
  const std::string line = FedShare <= 0 ? Tr("Neste årstid blir det nesten ingen mat.")
                                         // xgettext:no-c-format
                                         : Tr("Neste årstid rekker maten til om lag {0} % av folket.", RoundedPercent(FedShare));
  return Joined(line, DeathsSentence(HungerDeaths));
}

std::string TSeasonForecast::WarningText() const {
  if (!Available) return {};
  if (NobodyWorks) return WithGoOnQuestion(Tr("Ingen i bygda har fått arbeid denne årstiden."));
  if (Starvation()) return WithGoOnQuestion(StarvationSentence(FedShare, HungerDeaths));
  if (DeposeLikely()) return WithGoOnQuestion(Tr("Rådet vil trolig avsette deg etter denne årstiden."));
  return {};
}

TSeasonForecast TSeasonForecast::Of(const TVillage& village, const TAnimalCounts& marked, std::int32_t standing,
                                    bool tradedThisYear, const TForecastLimits& limits) {
  TSeasonForecast forecast;
  forecast.Season = village.Season;
  if (village.People.empty() || Damaged(village)) return forecast;
  try {
    const TClock::time_point start = TClock::now();
    const TVillage base = PlayableCopy(village, marked);
    forecast.NobodyWorks = EveryWorkerIdle(base);
    TRandom random(limits.Seed);
    std::vector<double> fed;
    std::vector<double> ratings;
    long double deaths = 0;
    long double hungerDeaths = 0;
    int deposed = 0;
    TVillage fedBase;
    bool hungry = false;
    do {
      TRandom twin = random;
      TVillage run(base);
      run.ChangeSeason(random);
      if (forecast.Runs == 0) {
        const TSeasonStep& step = run.LastStep;
        forecast.Crop = step.CropGrowth;
        forecast.Harvest = static_cast<double>(step.Harvest);
        const bool herd = std::any_of(base.Animals.begin(), base.Animals.end(), [](auto count) { return count > 0; });
        forecast.AnimalsFed = !herd || base.HasEvent(TVillageEvent::GoodHunting) || step.FodderFactor >= FedAnimals;
        hungry = run.FoodRatio < 1;
        if (village.Season == TSeason::Autumn) forecast.WinterFedShare = WinterFedShareAfter(run, random);
        if (hungry) fedBase = FedCopy(base, step);
      }
      ++forecast.Runs;
      fed.push_back(FedShareOf(run));
      const bool tradeCounts = TGameController::TradeFlagAfter(run.Season, tradedThisYear);
      ratings.push_back(static_cast<double>(TGameController::RatingOf(run, standing, tradeCounts)));
      if (TGameController::DeposedAfterChange(run, standing, tradeCounts)) ++deposed;
      deaths += static_cast<long double>(run.Dead.size());
      if (hungry) {
        // The fed twin draws the same numbers, so the difference is what the hunger did.
        TVillage fedRun(fedBase);
        fedRun.ChangeSeason(twin);
        hungerDeaths += static_cast<long double>(run.Dead.size()) - static_cast<long double>(fedRun.Dead.size());
      }
    } while (forecast.Runs < limits.MaxRuns && TClock::now() - start < limits.Budget);

    std::sort(fed.begin(), fed.end());
    std::sort(ratings.begin(), ratings.end());
    forecast.FedShare = Quantile(fed, 0.5);
    forecast.FedShareLow = Quantile(fed, 0.1);
    forecast.FedShareHigh = Quantile(fed, 0.9);
    if (village.Season == TSeason::Winter) forecast.WinterFedShare = forecast.FedShare;
    forecast.Rating = Quantile(ratings, 0.5);
    forecast.DeposeChance = static_cast<double>(deposed) / forecast.Runs;
    forecast.Deaths = static_cast<double>(deaths / forecast.Runs);
    forecast.HungerDeaths = std::max(0.0, static_cast<double>(hungerDeaths / forecast.Runs));

    if (hungry) {
      const double hunting = FedShareWithOneMore(base, TWorkKind::HuntFish, limits.Seed);
      const double household = FedShareWithOneMore(base, TWorkKind::Household, limits.Seed);
      forecast.ShortWork[static_cast<std::size_t>(TWorkKind::HuntFish)] = hunting >= household - AboutAsGood;
      forecast.ShortWork[static_cast<std::size_t>(TWorkKind::Household)] = household >= hunting - AboutAsGood;
    }
    forecast.ShortWork[static_cast<std::size_t>(TWorkKind::Cattle)] = !forecast.AnimalsFed;
    const int growing = GrowingSeasons(village.Season);
    forecast.ShortWork[static_cast<std::size_t>(TWorkKind::Farming)] =
        growing > 0 && forecast.Crop < std::pow(CropOnTrack, static_cast<float>(growing));
    forecast.Available = true;
  } catch (const std::exception&) {
    // A state the simulation cannot live through gives no forecast rather than a wrong one.
    forecast = TSeasonForecast();
    forecast.Season = village.Season;
  }
  return forecast;
}

}  // namespace fjordheim
