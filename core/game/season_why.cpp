#include "core/game/season_why.h"

#include <algorithm>
#include <numeric>

#include "core/common/rounding.h"
#include "core/game/season_needs.h"

namespace fjordheim {

namespace {

// A store loss or a store used up smaller than this share of the need made no real difference.
constexpr long double NotableStore = 0.1L;

bool Applied(const TSeasonStep& step, TVillageEvent event) { return step.Applied[static_cast<std::size_t>(event)]; }

std::int64_t Percent(float ratio) { return Round(std::clamp(static_cast<long double>(ratio) * 100, 0.0L, 1.0e6L)); }

std::string Count(int n, const char* singular, const char* plural) {
  return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

// "3 stelte dyrene", "Ingen stelte dyrene".
std::string Did(int workers, const char* work) {
  return (workers <= 0 ? std::string("Ingen") : std::to_string(workers)) + " " + work;
}

// "3 stelte dyrene; 18 dyr trengte minst 6", to end a sentence or go on with a clause.
std::string DidAndNeededClause(const TWorkNeed& need, const char* work, const std::string& needers) {
  if (!need.Reachable) return Did(need.Workers, work) + "; " + needers + " trengte langt flere";
  return Did(need.Workers, work) + "; " + needers + " trengte minst " + std::to_string(need.Needed);
}

std::string DidAndNeeded(const TWorkNeed& need, const char* work, const std::string& needers) {
  return DidAndNeededClause(need, work, needers) + ".";
}

constexpr const char* Tended = "stelte dyrene";
constexpr const char* KeptHouse = "holdt hus";
constexpr const char* Hunted = "jaktet og fisket";
constexpr const char* Farmed = "arbeidet på åkeren";

std::string Eaters(const TSeasonStep& step) { return Count(step.Eaters, "menneske", "mennesker"); }

std::string HuntingSentence(const TSeasonStep& step, const TSeasonNeeds& needs) {
  const std::string numbers = DidAndNeeded(needs.Hunting, Hunted, Eaters(step));
  if (step.Season == TSeason::Winter) return "Om vinteren gir jakt og fiske lite: " + numbers;
  return numbers;
}

// What made the food little, in sentences that name the work that fell short and by how much,
// or what took the food when the work was enough.
std::string FoodShortCause(const TSeasonStep& step, const TSeasonNeeds& needs, long double storeBurntBefore) {
  const TWorkNeed& household = needs.Household;
  if (household.Workers <= 0) {
    if (household.Reachable) return DidAndNeededClause(household, KeptHouse, Eaters(step)) + ", så halve maten gikk til spille.";
    return "Ingen holdt hus, så halve maten gikk til spille. " + HuntingSentence(step, needs);
  }
  if (storeBurntBefore >= NotableStore * step.Need) {
    if (needs.FedWithMoreStore(storeBurntBefore)) return "Brannen hadde tatt halve matforrådet; uten brannen hadde maten rukket.";
    return "Brannen hadde tatt halve matforrådet. " + HuntingSentence(step, needs);
  }
  if (step.Season == TSeason::Autumn && !needs.CropFine) {
    if (needs.CropFineBeforeEvents) {
      if (needs.FedBeforeEvents) return "Frosten tok det meste av kornet; uten frosten hadde maten rukket.";
      return "Frosten tok det meste av kornet. " + HuntingSentence(step, needs);
    }
    if (needs.Farming.Reachable) {
      return "Avlingen på åkeren slo feil. " + DidAndNeeded(needs.Farming, Farmed, "åkeren");
    }
    return "Avlingen på åkeren slo feil. " + HuntingSentence(step, needs);
  }
  if (step.HouseholdFactor < 1 && household.Reachable) {
    return DidAndNeededClause(household, KeptHouse, Eaters(step)) + ", så noe av maten gikk til spille.";
  }
  if (step.StoreUsed >= NotableStore * step.Need) return "Forrådet er brukt opp. " + HuntingSentence(step, needs);
  return HuntingSentence(step, needs);
}

std::string HungerLine(const TVillage& village, const TSeasonNeeds& needs, long double storeBurntBefore) {
  const TSeasonStep& step = village.LastStep;
  std::string line = "Maten rakk bare til " + std::to_string(Percent(village.FoodRatio)) + " % av folket. ";
  // Events that promised plenty say why they did not feed the people.
  if (Applied(step, TVillageEvent::GoodHunting)) line += "Den gode jakten hjalp bare dyrene. ";
  if (Applied(step, TVillageEvent::GoodSummerHarvest)) line += "Kornet vokser godt, men gir mat først til høsten. ";
  if (Applied(step, TVillageEvent::Epidemy)) line += "En sykdom herjet også. ";
  return line + FoodShortCause(step, needs, storeBurntBefore);
}

std::string PeopleLine(const TVillage& village, const TSeasonChangeInfo& info, const TSeasonNeeds& needs,
                       long double storeBurntBefore) {
  const auto& dead = info.DeadByAgeGroup;
  if (std::accumulate(dead.begin(), dead.end(), std::int64_t{0}) <= 0) return {};
  const TSeasonStep& step = village.LastStep;
  if (Percent(village.FoodRatio) < 100) return HungerLine(village, needs, storeBurntBefore);
  if (Applied(step, TVillageEvent::Epidemy)) return "En sykdom herjet i bygda.";
  const std::string numbers = "Det var mat til " + std::to_string(Percent(village.FoodRatio)) +
                              " % av behovet; med minst " + std::to_string(needs.SafeFoodPercent) + " % dør ingen.";
  if (step.Season == TSeason::Winter) {
    return "Vinterkulden tok noen av de svakeste: om vinteren trengs det mat til overs. " + numbers;
  }
  return "Maten rakk, men uten noe til overs dør noen av de svakeste. " + numbers;
}

std::string AnimalsLine(const TVillage& village, const TSeasonChangeInfo& info, const TSeasonNeeds& needs) {
  const TSeasonStep& step = village.LastStep;
  const auto& lost = info.AnimalsDead;
  const int lostCount = std::accumulate(lost.begin(), lost.end(), 0);
  const int herd = std::accumulate(village.Animals.begin(), village.Animals.end(), 0);
  if (Applied(step, TVillageEvent::GoodHunting) && herd > 0) return "Den gode jakten ga dyrene nok fôr, så ingen dyr døde.";
  if (lostCount <= 0) return {};
  if (Applied(step, TVillageEvent::Epidemy)) return "En sykdom tok halvparten av dyrene.";
  // Only a herd that was there when the losses were drawn can have been tended too little.
  if (step.Animals <= 0) return {};
  const std::string animals = Count(step.Animals, "dyr", "dyr");
  if (needs.Tending.Enough()) return DidAndNeeded(needs.Tending, Tended, animals) + " Noen få dyr dør likevel.";
  if (needs.TendingFed.Enough()) {
    return "De som stelte dyrene, var sultne, så dyrene fikk for lite fôr. " + Did(needs.Tending.Workers, Tended) +
           "; mette hadde de vært nok for " + animals + ".";
  }
  return DidAndNeededClause(needs.Tending, Tended, animals) + ", så de fikk for lite fôr.";
}

// Why the crop is short after a season of growing, or after the harvest; empty when it is on its way.
std::string ShortCropLine(const TSeasonNeeds& needs, const char* outcome) {
  if (needs.CropFineBeforeEvents) return {};
  if (!needs.Farming.Reachable) return std::string("Åkeren fikk for lite stell tidligere i år, så ") + outcome + ".";
  return DidAndNeededClause(needs.Farming, Farmed, "åkeren") + ", så " + outcome + ".";
}

std::string GrowingCropLine(const TVillage& village, const TSeasonNeeds& needs) {
  const TSeasonStep& step = village.LastStep;
  if (step.CropGrowth <= 0) {
    if (step.CropBefore <= 0) return "Kornet var tapt fra før: ingen arbeidet på åkeren tidligere i år.";
    return "Ingen arbeidet på åkeren, så høstens avling er tapt.";
  }
  if (village.HasEvent(TVillageEvent::Frost)) return "Frost truer kornet: høstens avling blir mindre.";
  const std::string shortCrop = ShortCropLine(needs, "høstens avling blir liten");
  if (Applied(step, TVillageEvent::Dryness)) {
    if (shortCrop.empty()) return "Tørken svekket kornet på åkeren.";
    return "Tørken svekket kornet på åkeren. " + shortCrop;
  }
  return shortCrop;
}

std::string HarvestLine(const TSeasonStep& step, const TSeasonNeeds& needs) {
  if (needs.CropFine) return {};
  if (step.CropBefore <= 0) return "Kornet var tapt fra før: ingen arbeidet på åkeren tidligere i år.";
  if (step.CropGrowth <= 0) return "Ingen arbeidet på åkeren, så det ble ingen avling.";
  if (needs.CropFineBeforeEvents) {
    return "Frosten tok det meste av kornet, så avlingen ble liten. " + Did(needs.Farming.Workers, Farmed) +
           ", og det var nok.";
  }
  return ShortCropLine(needs, "avlingen ble liten");
}

std::string CropLine(const TVillage& village, const TSeasonNeeds& needs) {
  const TSeasonStep& step = village.LastStep;
  switch (step.Season) {
    case TSeason::Autumn: return HarvestLine(step, needs);
    case TSeason::Spring:
    case TSeason::Summer: return GrowingCropLine(village, needs);
    case TSeason::Winter: break;
  }
  return {};
}

}  // namespace

TSeasonWhy TSeasonWhy::Of(const TVillage& village, const TSeasonChangeInfo& info, long double storeBurntBefore) {
  if (!village.LastStep.Lived) return {};
  const TSeasonNeeds needs(village.LastStep);
  return {PeopleLine(village, info, needs, storeBurntBefore), AnimalsLine(village, info, needs), CropLine(village, needs)};
}

std::string TSeasonWhy::Joined() const {
  std::string text;
  for (const std::string* line : {&People, &Animals, &Crop}) {
    if (line->empty()) continue;
    if (!text.empty()) text += " ";
    text += *line;
  }
  return text;
}

std::string TSeasonWhy::DepositionCause(long double standing, long double survival, long double trade, bool withTrade,
                                        bool nobodyLeft) {
  if (nobodyLeft) return "Du ble avsatt fordi det ikke er noen mennesker igjen i bygda.";
  if (withTrade && trade < standing && trade < survival) return "Du ble avsatt fordi bygda manglet varene den trengte.";
  if (survival < standing) return "Du ble avsatt fordi for mange i bygda døde eller sultet.";
  return "Du ble avsatt fordi rådet var misfornøyd med avgjørelsene dine.";
}

}  // namespace fjordheim
