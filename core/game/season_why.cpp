#include "core/game/season_why.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "core/common/rounding.h"

namespace fjordheim {

namespace {

// Below this crop the harvest (its cube root times the need) gives less than half the need.
constexpr float WeakCrop = 0.125F;
// A fodder factor below this lets the herds lose far more than the few that always die.
constexpr long double LowFodder = 0.8L;
// Below this food ratio those who work are weakened by hunger.
constexpr float HungryWorkers = 0.86F;
// A store loss smaller than this share of the need made no real difference.
constexpr long double NotableBurn = 0.1L;

bool Applied(const TSeasonStep& step, TVillageEvent event) { return step.Applied[static_cast<std::size_t>(event)]; }

std::string Capitalised(std::string clause) {
  if (!clause.empty()) clause[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(clause[0])));
  return clause;
}

std::int64_t Percent(float ratio) { return Round(std::clamp(static_cast<long double>(ratio) * 100, 0.0L, 1.0e6L)); }

// What made the food little, as a clause that can stand after a comma.
std::string FoodShortCause(const TSeasonStep& step, long double storeBurntBefore) {
  if (step.HouseholdWork <= 0) return "ingen holdt hus, så halve maten gikk til spille";
  if (storeBurntBefore >= NotableBurn * step.Need) return "brannen hadde tatt halve matforrådet";
  if (step.Season == TSeason::Autumn && step.Harvest < 0.5L * step.Need) return "avlingen på åkeren slo feil";
  if (step.HouseholdFactor < 1) return "for få holdt hus, så noe av maten gikk til spille";
  if (step.Season == TSeason::Winter) return "for få jaktet og fisket, og om vinteren gir jakt og fiske lite";
  return "for få jaktet og fisket";
}

std::string HungerLine(const TVillage& village, long double storeBurntBefore) {
  const TSeasonStep& step = village.LastStep;
  std::string line = "Maten rakk bare til " + std::to_string(Percent(village.FoodRatio)) + " % av folket.";
  const std::string cause = FoodShortCause(step, storeBurntBefore);
  // Events that promised plenty say why they did not feed the people.
  if (Applied(step, TVillageEvent::GoodHunting)) return line + " Den gode jakten hjalp bare dyrene, og " + cause + ".";
  if (Applied(step, TVillageEvent::GoodSummerHarvest)) {
    return line + " Kornet vokser godt, men gir mat først til høsten, og " + cause + ".";
  }
  if (Applied(step, TVillageEvent::Epidemy)) return line + " En sykdom herjet også, og " + cause + ".";
  return line + " " + Capitalised(cause) + ".";
}

std::string PeopleLine(const TVillage& village, const TSeasonChangeInfo& info, long double storeBurntBefore) {
  const auto& dead = info.DeadByAgeGroup;
  if (std::accumulate(dead.begin(), dead.end(), std::int64_t{0}) <= 0) return {};
  const TSeasonStep& step = village.LastStep;
  if (Percent(village.FoodRatio) < 100) return HungerLine(village, storeBurntBefore);
  if (Applied(step, TVillageEvent::Epidemy)) return "En sykdom herjet i landsbyen.";
  if (step.Season == TSeason::Winter) return "Vinterkulden tok noen av de svakeste: om vinteren trengs det mat til overs.";
  return "Maten rakk, men uten noe til overs dør noen av de svakeste.";
}

std::string AnimalsLine(const TVillage& village, const TSeasonChangeInfo& info) {
  const TSeasonStep& step = village.LastStep;
  const auto& lost = info.AnimalsDead;
  const int lostCount = std::accumulate(lost.begin(), lost.end(), 0);
  const int herd = std::accumulate(village.Animals.begin(), village.Animals.end(), 0);
  if (Applied(step, TVillageEvent::GoodHunting) && herd > 0) return "Den gode jakten ga dyrene nok fôr, så ingen dyr døde.";
  if (lostCount <= 0) return {};
  if (Applied(step, TVillageEvent::Epidemy)) return "En sykdom tok halvparten av dyrene.";
  if (step.CattleWork <= 0) return "Ingen stelte dyrene, så de fikk for lite fôr.";
  if (step.FodderFactor >= LowFodder) return {};
  if (village.FoodRatio < HungryWorkers) return "De som stelte dyrene var sultne, så dyrene fikk for lite fôr.";
  return "For få stelte dyrene, så de fikk for lite fôr.";
}

std::string GrowingCropLine(const TVillage& village) {
  const TSeasonStep& step = village.LastStep;
  if (step.CropGrowth <= 0) return "Ingen arbeidet på åkeren, så høstens avling er tapt.";
  if (village.HasEvent(TVillageEvent::Frost)) return "Frost truer kornet: høstens avling blir mindre.";
  if (Applied(step, TVillageEvent::Dryness)) return "Tørken svekket kornet på åkeren.";
  if (step.CropGrowth < WeakCrop) return "For få arbeidet på åkeren, så høstens avling blir liten.";
  return {};
}

std::string HarvestLine(const TSeasonStep& step) {
  if (step.CropGrowth >= WeakCrop) return {};
  if (step.CropGrowth <= 0) return "Ingen arbeidet på åkeren, så det ble ingen avling.";
  if (Applied(step, TVillageEvent::Frost)) return "Frosten tok det meste av kornet, så avlingen ble liten.";
  return "For få arbeidet på åkeren i år, så avlingen ble liten.";
}

std::string CropLine(const TVillage& village) {
  const TSeasonStep& step = village.LastStep;
  switch (step.Season) {
    case TSeason::Autumn: return HarvestLine(step);
    case TSeason::Spring:
    case TSeason::Summer: return GrowingCropLine(village);
    case TSeason::Winter: break;
  }
  return {};
}

}  // namespace

TSeasonWhy TSeasonWhy::Of(const TVillage& village, const TSeasonChangeInfo& info, long double storeBurntBefore) {
  if (!village.LastStep.Lived) return {};
  return {PeopleLine(village, info, storeBurntBefore), AnimalsLine(village, info), CropLine(village)};
}

std::string TSeasonWhy::DepositionCause(long double standing, long double survival, long double trade, bool withTrade,
                                        bool nobodyLeft) {
  if (nobodyLeft) return "Du ble avsatt fordi det ikke er noen mennesker igjen i landsbyen.";
  if (withTrade && trade < standing && trade < survival) return "Du ble avsatt fordi landsbyen manglet varene den trengte.";
  if (survival < standing) return "Du ble avsatt fordi for mange i landsbyen døde eller sultet.";
  return "Du ble avsatt fordi byrådet var misfornøyd med avgjørelsene dine.";
}

}  // namespace fjordheim
