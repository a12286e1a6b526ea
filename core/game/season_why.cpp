#include "core/game/season_why.h"

#include <algorithm>
#include <numeric>

#include "core/common/rounding.h"
#include "core/common/translation.h"
#include "core/game/season_needs.h"

namespace fjordheim {

namespace {

// A store loss or a store used up smaller than this share of the need made no real difference.
constexpr long double NotableStore = 0.1L;

bool Applied(const TSeasonStep& step, TVillageEvent event) { return step.Applied[static_cast<std::size_t>(event)]; }

std::int64_t Percent(float ratio) { return Round(std::clamp(static_cast<long double>(ratio) * 100, 0.0L, 1.0e6L)); }

// Two sentences of one line.
std::string Then(const std::string& first, const std::string& second) { return first + " " + second; }

// Each sentence below names those who did the work, or "Ingen", and those who needed it, with
// the number needed, or "langt flere" where no number would have been enough.

std::string HuntingSentence(const TSeasonStep& step, const TWorkNeed& need) {
  const int eaters = step.Eaters;
  const bool winter = step.Season == TSeason::Winter;
  if (need.Workers <= 0) {
    if (!need.Reachable) {
      if (winter) {
        return TrPlural("Om vinteren gir jakt og fiske lite: Ingen jaktet og fisket; {0} menneske trengte langt flere.",
                        "Om vinteren gir jakt og fiske lite: Ingen jaktet og fisket; {0} mennesker trengte langt flere.",
                        eaters, eaters);
      }
      return TrPlural("Ingen jaktet og fisket; {0} menneske trengte langt flere.",
                      "Ingen jaktet og fisket; {0} mennesker trengte langt flere.", eaters, eaters);
    }
    if (winter) {
      return TrPlural("Om vinteren gir jakt og fiske lite: Ingen jaktet og fisket; {0} menneske trengte minst {1}.",
                      "Om vinteren gir jakt og fiske lite: Ingen jaktet og fisket; {0} mennesker trengte minst {1}.",
                      eaters, eaters, need.Needed);
    }
    return TrPlural("Ingen jaktet og fisket; {0} menneske trengte minst {1}.",
                    "Ingen jaktet og fisket; {0} mennesker trengte minst {1}.", eaters, eaters, need.Needed);
  }
  if (!need.Reachable) {
    if (winter) {
      return TrPlural("Om vinteren gir jakt og fiske lite: {0} jaktet og fisket; {1} menneske trengte langt flere.",
                      "Om vinteren gir jakt og fiske lite: {0} jaktet og fisket; {1} mennesker trengte langt flere.",
                      eaters, need.Workers, eaters);
    }
    return TrPlural("{0} jaktet og fisket; {1} menneske trengte langt flere.",
                    "{0} jaktet og fisket; {1} mennesker trengte langt flere.", eaters, need.Workers, eaters);
  }
  if (winter) {
    return TrPlural("Om vinteren gir jakt og fiske lite: {0} jaktet og fisket; {1} menneske trengte minst {2}.",
                    "Om vinteren gir jakt og fiske lite: {0} jaktet og fisket; {1} mennesker trengte minst {2}.",
                    eaters, need.Workers, eaters, need.Needed);
  }
  return TrPlural("{0} jaktet og fisket; {1} menneske trengte minst {2}.",
                  "{0} jaktet og fisket; {1} mennesker trengte minst {2}.", eaters, need.Workers, eaters, need.Needed);
}

// The household was reachable, so a number of keepers would have been enough.
std::string HalfWastedSentence(const TSeasonStep& step, const TWorkNeed& need) {
  return TrPlural("Ingen holdt hus; {0} menneske trengte minst {1}, så halve maten gikk til spille.",
                  "Ingen holdt hus; {0} mennesker trengte minst {1}, så halve maten gikk til spille.", step.Eaters,
                  step.Eaters, need.Needed);
}

std::string SomeWastedSentence(const TSeasonStep& step, const TWorkNeed& need) {
  return TrPlural("{0} holdt hus; {1} menneske trengte minst {2}, så noe av maten gikk til spille.",
                  "{0} holdt hus; {1} mennesker trengte minst {2}, så noe av maten gikk til spille.", step.Eaters,
                  need.Workers, step.Eaters, need.Needed);
}

// The field's need is always a number here: an unreachable one has its own sentence.
std::string FarmingNeededSentence(const TWorkNeed& need) {
  if (need.Workers <= 0) return Tr("Ingen arbeidet på åkeren; åkeren trengte minst {0}.", need.Needed);
  return Tr("{0} arbeidet på åkeren; åkeren trengte minst {1}.", need.Workers, need.Needed);
}

// What made the food little, in sentences that name the work that fell short and by how much,
// or what took the food when the work was enough.
std::string FoodShortCause(const TSeasonStep& step, const TSeasonNeeds& needs, long double storeBurntBefore) {
  const TWorkNeed& household = needs.Household;
  if (household.Workers <= 0) {
    if (household.Reachable) return HalfWastedSentence(step, household);
    return Then(Tr("Ingen holdt hus, så halve maten gikk til spille."), HuntingSentence(step, needs.Hunting));
  }
  if (storeBurntBefore >= NotableStore * step.Need) {
    if (needs.FedWithMoreStore(storeBurntBefore)) return Tr("Brannen hadde tatt halve matforrådet; uten brannen hadde maten rukket.");
    return Then(Tr("Brannen hadde tatt halve matforrådet."), HuntingSentence(step, needs.Hunting));
  }
  if (step.Season == TSeason::Autumn && !needs.CropFine) {
    if (needs.CropFineBeforeEvents) {
      if (needs.FedBeforeEvents) return Tr("Frosten tok det meste av kornet; uten frosten hadde maten rukket.");
      return Then(Tr("Frosten tok det meste av kornet."), HuntingSentence(step, needs.Hunting));
    }
    if (needs.Farming.Reachable) return Then(Tr("Avlingen på åkeren slo feil."), FarmingNeededSentence(needs.Farming));
    return Then(Tr("Avlingen på åkeren slo feil."), HuntingSentence(step, needs.Hunting));
  }
  if (step.HouseholdFactor < 1 && household.Reachable) return SomeWastedSentence(step, household);
  if (step.StoreUsed >= NotableStore * step.Need) {
    return Then(Tr("Forrådet er brukt opp."), HuntingSentence(step, needs.Hunting));
  }
  return HuntingSentence(step, needs.Hunting);
}

std::string HungerLine(const TVillage& village, const TSeasonNeeds& needs, long double storeBurntBefore) {
  const TSeasonStep& step = village.LastStep;
  // xgettext:no-c-format
  std::string line = Tr("Maten rakk bare til {0} % av folket.", Percent(village.FoodRatio));
  // Events that promised plenty say why they did not feed the people.
  if (Applied(step, TVillageEvent::GoodHunting)) line = Then(line, Tr("Den gode jakten hjalp bare dyrene."));
  if (Applied(step, TVillageEvent::GoodSummerHarvest)) {
    line = Then(line, Tr("Kornet vokser godt, men gir mat først til høsten."));
  }
  if (Applied(step, TVillageEvent::Epidemy)) line = Then(line, Tr("En sykdom herjet også."));
  return Then(line, FoodShortCause(step, needs, storeBurntBefore));
}

std::string PeopleLine(const TVillage& village, const TSeasonChangeInfo& info, const TSeasonNeeds& needs,
                       long double storeBurntBefore) {
  const auto& dead = info.DeadByAgeGroup;
  if (std::accumulate(dead.begin(), dead.end(), std::int64_t{0}) <= 0) return {};
  const TSeasonStep& step = village.LastStep;
  if (Percent(village.FoodRatio) < 100) return HungerLine(village, needs, storeBurntBefore);
  if (Applied(step, TVillageEvent::Epidemy)) return Tr("En sykdom herjet i bygda.");
  const std::string numbers =
      // xgettext:no-c-format
      Tr("Det var mat til {0} % av behovet; med minst {1} % dør ingen.", Percent(village.FoodRatio), needs.SafeFoodPercent);
  if (step.Season == TSeason::Winter) {
    return Then(Tr("Vinterkulden tok noen av de svakeste: om vinteren trengs det mat til overs."), numbers);
  }
  return Then(Tr("Maten rakk, men uten noe til overs dør noen av de svakeste."), numbers);
}

std::string TendingNeededSentence(const TWorkNeed& need, int animals) {
  if (need.Workers <= 0) {
    return TrPlural("Ingen stelte dyrene; {0} dyr trengte minst {1}.", "Ingen stelte dyrene; {0} dyr trengte minst {1}.",
                    animals, animals, need.Needed);
  }
  return TrPlural("{0} stelte dyrene; {1} dyr trengte minst {2}.", "{0} stelte dyrene; {1} dyr trengte minst {2}.",
                  animals, need.Workers, animals, need.Needed);
}

std::string HungryTendersSentence(const TWorkNeed& need, int animals) {
  if (need.Workers <= 0) {
    return TrPlural("Ingen stelte dyrene; mette hadde de vært nok for {0} dyr.",
                    "Ingen stelte dyrene; mette hadde de vært nok for {0} dyr.", animals, animals);
  }
  return TrPlural("{0} stelte dyrene; mette hadde de vært nok for {1} dyr.",
                  "{0} stelte dyrene; mette hadde de vært nok for {1} dyr.", animals, need.Workers, animals);
}

std::string TooLittleFodderSentence(const TWorkNeed& need, int animals) {
  if (need.Workers <= 0) {
    if (!need.Reachable) {
      return TrPlural("Ingen stelte dyrene; {0} dyr trengte langt flere, så de fikk for lite fôr.",
                      "Ingen stelte dyrene; {0} dyr trengte langt flere, så de fikk for lite fôr.", animals, animals);
    }
    return TrPlural("Ingen stelte dyrene; {0} dyr trengte minst {1}, så de fikk for lite fôr.",
                    "Ingen stelte dyrene; {0} dyr trengte minst {1}, så de fikk for lite fôr.", animals, animals,
                    need.Needed);
  }
  if (!need.Reachable) {
    return TrPlural("{0} stelte dyrene; {1} dyr trengte langt flere, så de fikk for lite fôr.",
                    "{0} stelte dyrene; {1} dyr trengte langt flere, så de fikk for lite fôr.", animals, need.Workers,
                    animals);
  }
  return TrPlural("{0} stelte dyrene; {1} dyr trengte minst {2}, så de fikk for lite fôr.",
                  "{0} stelte dyrene; {1} dyr trengte minst {2}, så de fikk for lite fôr.", animals, need.Workers,
                  animals, need.Needed);
}

std::string AnimalsLine(const TVillage& village, const TSeasonChangeInfo& info, const TSeasonNeeds& needs) {
  const TSeasonStep& step = village.LastStep;
  const auto& lost = info.AnimalsDead;
  const int lostCount = std::accumulate(lost.begin(), lost.end(), 0);
  const int herd = std::accumulate(village.Animals.begin(), village.Animals.end(), 0);
  if (Applied(step, TVillageEvent::GoodHunting) && herd > 0) return Tr("Den gode jakten ga dyrene nok fôr, så ingen dyr døde.");
  if (lostCount <= 0) return {};
  if (Applied(step, TVillageEvent::Epidemy)) return Tr("En sykdom tok halvparten av dyrene.");
  // Only a herd that was there when the losses were drawn can have been tended too little.
  if (step.Animals <= 0) return {};
  if (needs.Tending.Enough()) return Then(TendingNeededSentence(needs.Tending, step.Animals), Tr("Noen få dyr dør likevel."));
  if (needs.TendingFed.Enough()) {
    return Then(Tr("De som stelte dyrene, var sultne, så dyrene fikk for lite fôr."),
                HungryTendersSentence(needs.Tending, step.Animals));
  }
  return TooLittleFodderSentence(needs.Tending, step.Animals);
}

// Why the crop is short while it grows; empty when it is on its way.
std::string SmallComingHarvestLine(const TSeasonNeeds& needs) {
  const TWorkNeed& need = needs.Farming;
  if (needs.CropFineBeforeEvents) return {};
  if (!need.Reachable) return Tr("Åkeren fikk for lite stell tidligere i år, så høstens avling blir liten.");
  if (need.Workers <= 0) {
    return Tr("Ingen arbeidet på åkeren; åkeren trengte minst {0}, så høstens avling blir liten.", need.Needed);
  }
  return Tr("{0} arbeidet på åkeren; åkeren trengte minst {1}, så høstens avling blir liten.", need.Workers, need.Needed);
}

// Why the harvest just brought in is short; empty when it was enough.
std::string SmallHarvestLine(const TSeasonNeeds& needs) {
  const TWorkNeed& need = needs.Farming;
  if (needs.CropFineBeforeEvents) return {};
  if (!need.Reachable) return Tr("Åkeren fikk for lite stell tidligere i år, så avlingen ble liten.");
  if (need.Workers <= 0) return Tr("Ingen arbeidet på åkeren; åkeren trengte minst {0}, så avlingen ble liten.", need.Needed);
  return Tr("{0} arbeidet på åkeren; åkeren trengte minst {1}, så avlingen ble liten.", need.Workers, need.Needed);
}

std::string GrowingCropLine(const TVillage& village, const TSeasonNeeds& needs) {
  const TSeasonStep& step = village.LastStep;
  if (step.CropGrowth <= 0) {
    if (step.CropBefore <= 0) return Tr("Kornet var tapt fra før: ingen arbeidet på åkeren tidligere i år.");
    return Tr("Ingen arbeidet på åkeren, så høstens avling er tapt.");
  }
  if (village.HasEvent(TVillageEvent::Frost)) return Tr("Frost truer kornet: høstens avling blir mindre.");
  const std::string shortCrop = SmallComingHarvestLine(needs);
  if (Applied(step, TVillageEvent::Dryness)) {
    if (shortCrop.empty()) return Tr("Tørken svekket kornet på åkeren.");
    return Then(Tr("Tørken svekket kornet på åkeren."), shortCrop);
  }
  return shortCrop;
}

std::string EnoughFarmersSentence(const TWorkNeed& need) {
  if (need.Workers <= 0) return Tr("Ingen arbeidet på åkeren, og det var nok.");
  return Tr("{0} arbeidet på åkeren, og det var nok.", need.Workers);
}

std::string HarvestLine(const TSeasonStep& step, const TSeasonNeeds& needs) {
  if (needs.CropFine) return {};
  if (step.CropBefore <= 0) return Tr("Kornet var tapt fra før: ingen arbeidet på åkeren tidligere i år.");
  if (step.CropGrowth <= 0) return Tr("Ingen arbeidet på åkeren, så det ble ingen avling.");
  if (needs.CropFineBeforeEvents) {
    return Then(Tr("Frosten tok det meste av kornet, så avlingen ble liten."), EnoughFarmersSentence(needs.Farming));
  }
  return SmallHarvestLine(needs);
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
  if (nobodyLeft) return Tr("Du ble avsatt fordi det ikke er noen mennesker igjen i bygda.");
  if (withTrade && trade < standing && trade < survival) return Tr("Du ble avsatt fordi bygda manglet varene den trengte.");
  if (survival < standing) return Tr("Du ble avsatt fordi for mange i bygda døde eller sultet.");
  return Tr("Du ble avsatt fordi rådet var misfornøyd med avgjørelsene dine.");
}

}  // namespace fjordheim
