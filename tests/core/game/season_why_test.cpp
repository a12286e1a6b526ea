#include "core/game/season_why.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fjordheim {
namespace {

void AssignWork(TVillage& village, TWorkKind men, TWorkKind women, TWorkKind youths) {
  for (auto& person : village.People) {
    if (person->IsAdultMan()) person->Work = men;
    if (person->IsAdultWoman()) person->Work = women;
    if (person->IsYouth()) person->Work = youths;
  }
}

// Lives through one season change as the turn cycle does, counting what the report counts.
TSeasonChangeInfo LiveSeason(TVillage& village, TRandom& random) {
  TSeasonChangeInfo info;
  info.Season = village.Season;
  village.OnDeaths = [&info](const TPersonList& dead) {
    for (const auto& person : dead) info.AddDeath(person->AgeGroup());
  };
  village.OnAnimalLosses = [&info](const TAnimalCounts& lost) {
    for (int kind = 0; kind < AnimalKindCount; ++kind) {
      info.AddAnimalDeaths(static_cast<TAnimalKind>(kind), lost[static_cast<std::size_t>(kind)]);
    }
  };
  village.ChangeSeason(random);
  return info;
}

// A season that was lived through with everything in order, to be spoiled one number at a time.
TVillage Crafted(TSeason season, float foodRatio) {
  TVillage village;
  village.FoodRatio = foodRatio;
  TSeasonStep& step = village.LastStep;
  step.Lived = true;
  step.Season = season;
  step.Need = 23.3L;
  step.HouseholdWork = 9;
  step.HouseholdFactor = 1.4L;
  step.CattleWork = 10;
  step.FarmingWork = 4;
  step.FodderFactor = 1.0L;
  step.Harvest = 20;
  step.CropGrowth = 0.6F;
  return village;
}

TSeasonChangeInfo Dead(int adults, std::uint16_t cows = 0) {
  TSeasonChangeInfo info;
  info.DeadByAgeGroup[static_cast<std::size_t>(TAgeGroup::Adult)] = adults;
  info.AnimalsDead[0] = cows;
  return info;
}

void Apply(TVillage& village, TVillageEvent event) { village.LastStep.Applied[static_cast<std::size_t>(event)] = true; }

TEST(SeasonWhy, HungerSaysHowMuchThePeopleGotAndWhatMadeItLittle) {
  struct TCase {
    const char* Situation;
    TSeason Season;
    void (*Spoil)(TSeasonStep&);
    long double BurntBefore;
    const char* Line;
  };
  const TCase cases[] = {
      {"too few hunting in summer", TSeason::Summer, [](TSeasonStep&) {}, 0,
       "Maten rakk bare til 45 % av folket. For få jaktet og fisket."},
      {"too few hunting in winter", TSeason::Winter, [](TSeasonStep&) {}, 0,
       "Maten rakk bare til 45 % av folket. For få jaktet og fisket, og om vinteren gir jakt og fiske lite."},
      {"nobody kept house", TSeason::Summer, [](TSeasonStep& s) { s.HouseholdWork = 0; s.HouseholdFactor = 0.5L; }, 0,
       "Maten rakk bare til 45 % av folket. Ingen holdt hus, så halve maten gikk til spille."},
      {"too few kept house", TSeason::Spring, [](TSeasonStep& s) { s.HouseholdFactor = 0.8L; }, 0,
       "Maten rakk bare til 45 % av folket. For få holdt hus, så noe av maten gikk til spille."},
      {"the harvest failed", TSeason::Autumn, [](TSeasonStep& s) { s.Harvest = 3; }, 0,
       "Maten rakk bare til 45 % av folket. Avlingen på åkeren slo feil."},
      {"last season's fire took the store", TSeason::Winter, [](TSeasonStep&) {}, 12,
       "Maten rakk bare til 45 % av folket. Brannen hadde tatt halve matforrådet."},
  };
  for (const TCase& c : cases) {
    TVillage village = Crafted(c.Season, 0.45F);
    c.Spoil(village.LastStep);
    EXPECT_EQ(TSeasonWhy::Of(village, Dead(3), c.BurntBefore).People, c.Line) << c.Situation;
  }
}

TEST(SeasonWhy, EventsThatPromisedFoodSayWhyThePeopleStillStarved) {
  TVillage hunted = Crafted(TSeason::Winter, 0.45F);
  Apply(hunted, TVillageEvent::GoodHunting);
  const TSeasonWhy why = TSeasonWhy::Of(hunted, Dead(4), 0);
  EXPECT_EQ(why.People,
            "Maten rakk bare til 45 % av folket. Den gode jakten hjalp bare dyrene, og for få jaktet og fisket, og om "
            "vinteren gir jakt og fiske lite.");
  EXPECT_EQ(why.Animals, "Den gode jakten ga dyrene nok fôr, så ingen dyr døde.");

  TVillage growing = Crafted(TSeason::Summer, 0.3F);
  Apply(growing, TVillageEvent::GoodSummerHarvest);
  EXPECT_EQ(TSeasonWhy::Of(growing, Dead(1), 0).People,
            "Maten rakk bare til 30 % av folket. Kornet vokser godt, men gir mat først til høsten, og for få jaktet og "
            "fisket.");
}

TEST(SeasonWhy, DeathsWithoutHungerAreTheSicknessOrTheWeakest) {
  TVillage sick = Crafted(TSeason::Summer, 1.3F);
  Apply(sick, TVillageEvent::Epidemy);
  const TSeasonWhy why = TSeasonWhy::Of(sick, Dead(2, 4), 0);
  EXPECT_EQ(why.People, "En sykdom herjet i landsbyen.");
  EXPECT_EQ(why.Animals, "En sykdom tok halvparten av dyrene.");

  EXPECT_EQ(TSeasonWhy::Of(Crafted(TSeason::Winter, 1.0F), Dead(1), 0).People,
            "Vinterkulden tok noen av de svakeste: om vinteren trengs det mat til overs.");
  EXPECT_EQ(TSeasonWhy::Of(Crafted(TSeason::Spring, 1.05F), Dead(1), 0).People,
            "Maten rakk, men uten noe til overs dør noen av de svakeste.");
  // 99.6 % is a whole share when rounded, so the village did not go hungry.
  EXPECT_EQ(TSeasonWhy::Of(Crafted(TSeason::Spring, 0.996F), Dead(1), 0).People,
            "Maten rakk, men uten noe til overs dør noen av de svakeste.");
}

TEST(SeasonWhy, AnimalsLostForWantOfCare) {
  TVillage untended = Crafted(TSeason::Autumn, 1.2F);
  untended.LastStep.CattleWork = 0;
  untended.LastStep.FodderFactor = 0.2L;
  EXPECT_EQ(TSeasonWhy::Of(untended, Dead(0, 5), 0).Animals, "Ingen stelte dyrene, så de fikk for lite fôr.");

  TVillage few = Crafted(TSeason::Autumn, 1.2F);
  few.LastStep.FodderFactor = 0.5L;
  EXPECT_EQ(TSeasonWhy::Of(few, Dead(0, 5), 0).Animals, "For få stelte dyrene, så de fikk for lite fôr.");
  TVillage hungry = Crafted(TSeason::Autumn, 0.5F);
  hungry.LastStep.FodderFactor = 0.5L;
  EXPECT_EQ(TSeasonWhy::Of(hungry, Dead(0, 5), 0).Animals,
            "De som stelte dyrene var sultne, så dyrene fikk for lite fôr.");
  // The few that die of a well-tended herd need no explaining.
  EXPECT_EQ(TSeasonWhy::Of(Crafted(TSeason::Autumn, 1.2F), Dead(0, 1), 0).Animals, "");
}

TEST(SeasonWhy, CropLinesOnlyWhenTheHarvestIsLostOrWeak) {
  TVillage untilled = Crafted(TSeason::Spring, 1.2F);
  untilled.LastStep.CropGrowth = 0;
  EXPECT_EQ(TSeasonWhy::Of(untilled, Dead(0), 0).Crop, "Ingen arbeidet på åkeren, så høstens avling er tapt.");
  TVillage dry = Crafted(TSeason::Summer, 1.2F);
  Apply(dry, TVillageEvent::Dryness);
  EXPECT_EQ(TSeasonWhy::Of(dry, Dead(0), 0).Crop, "Tørken svekket kornet på åkeren.");
  TVillage thin = Crafted(TSeason::Summer, 1.2F);
  thin.LastStep.CropGrowth = 0.1F;
  EXPECT_EQ(TSeasonWhy::Of(thin, Dead(0), 0).Crop, "For få arbeidet på åkeren, så høstens avling blir liten.");
  TVillage frozen = Crafted(TSeason::Autumn, 1.2F);
  frozen.LastStep.CropGrowth = 0.05F;
  Apply(frozen, TVillageEvent::Frost);
  EXPECT_EQ(TSeasonWhy::Of(frozen, Dead(0), 0).Crop, "Frosten tok det meste av kornet, så avlingen ble liten.");
  TVillage poor = Crafted(TSeason::Autumn, 1.2F);
  poor.LastStep.CropGrowth = 0.05F;
  EXPECT_EQ(TSeasonWhy::Of(poor, Dead(0), 0).Crop, "For få arbeidet på åkeren i år, så avlingen ble liten.");
  // A good crop, and the winter that starts the crop anew, say nothing.
  EXPECT_EQ(TSeasonWhy::Of(Crafted(TSeason::Summer, 1.2F), Dead(0), 0).Crop, "");
  TVillage winter = Crafted(TSeason::Winter, 1.2F);
  winter.LastStep.CropGrowth = 0;
  EXPECT_EQ(TSeasonWhy::Of(winter, Dead(0), 0).Crop, "");
}

TEST(SeasonWhy, NothingToExplainGivesNoLines) {
  const TSeasonWhy calm = TSeasonWhy::Of(Crafted(TSeason::Summer, 1.3F), Dead(0), 0);
  EXPECT_EQ(calm.People, "");
  EXPECT_EQ(calm.Animals, "");
  EXPECT_EQ(calm.Crop, "");
  // A village that has not lived a season yet has no step to explain.
  TVillage founded;
  const TSeasonWhy none = TSeasonWhy::Of(founded, Dead(5, 5), 0);
  EXPECT_EQ(none.People + none.Animals + none.Crop, "");
}

// Through the real season change: the step's numbers are the ones the simulation used.
TEST(SeasonWhy, TheWorkedFirstAutumnKeepsItsNumbersAndExplainsTheUntendedHerd) {
  TRandom rng(42);
  TVillage village;
  AssignWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Farming);
  const TSeasonChangeInfo info = LiveSeason(village, rng);
  const TSeasonStep& step = village.LastStep;
  EXPECT_EQ(step.Season, TSeason::Autumn);
  EXPECT_NEAR(static_cast<double>(step.Hunting), 16.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(step.Produce), 0.815, 1e-9);
  EXPECT_NEAR(static_cast<double>(step.Harvest), 14.04, 0.01);
  EXPECT_NEAR(static_cast<double>(step.HouseholdFactor), 1.4, 1e-9);
  EXPECT_NEAR(static_cast<double>(step.Need), 23.3, 1e-9);
  const long double fed = (step.Meat + step.Produce + step.Hunting + step.Harvest + step.StoreUsed) * step.HouseholdFactor;
  EXPECT_NEAR(static_cast<double>(fed / step.Need), village.FoodRatio, 1e-5);
  EXPECT_NEAR(static_cast<double>(step.FodderFactor), 0.2, 1e-9);
  const TSeasonWhy why = TSeasonWhy::Of(village, info, 0);
  EXPECT_EQ(why.People, "");
  EXPECT_EQ(why.Animals, info.AnimalsDead == TAnimalCounts{} ? "" : "Ingen stelte dyrene, så de fikk for lite fôr.");
  EXPECT_EQ(why.Crop, "");
}

TEST(SeasonWhy, AnIdleVillageStarvesAndIsToldWhy) {
  TRandom rng(42);
  TVillage village;
  const TSeasonChangeInfo info = LiveSeason(village, rng);
  const TSeasonWhy why = TSeasonWhy::Of(village, info, 0);
  EXPECT_EQ(why.People, "Maten rakk bare til 2 % av folket. Ingen holdt hus, så halve maten gikk til spille.");
  EXPECT_EQ(why.Crop, "Ingen arbeidet på åkeren, så det ble ingen avling.");
}

TEST(SeasonWhy, FrostSetAtTheEndOfSummerIsPendingAndTheCropLineWarns) {
  TRandom rng(42);
  TVillage village;
  village.Season = TSeason::Summer;
  AssignWork(village, TWorkKind::Farming, TWorkKind::Household, TWorkKind::Farming);
  village.FoodStore = 2 * village.TotalConsumption();
  village.SetEvent(TVillageEvent::Frost);
  const TSeasonChangeInfo info = LiveSeason(village, rng);
  EXPECT_TRUE(village.HasEvent(TVillageEvent::Frost));
  EXPECT_EQ(TSeasonWhy::Of(village, info, 0).Crop, "Frost truer kornet: høstens avling blir mindre.");
}

TEST(SeasonWhy, FireIsNotedWithWhatItTookFromTheStore) {
  TRandom rng(42);
  TVillage village;
  AssignWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Farming);
  village.FoodStore = 20;
  village.SetEvent(TVillageEvent::Fire);
  LiveSeason(village, rng);
  EXPECT_TRUE(village.LastStep.Applied[static_cast<std::size_t>(TVillageEvent::Fire)]);
  EXPECT_GT(village.LastStep.StoreBurnt, 0);
  EXPECT_NEAR(static_cast<double>(village.LastStep.StoreBurnt), static_cast<double>(village.FoodStore), 1e-9);
}

TEST(SeasonWhy, DepositionNamesTheLowestFactor) {
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.1L, 0.5L, 0.5L, true, false),
            "Du ble avsatt fordi byrådet var misfornøyd med avgjørelsene dine.");
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.1L, 0.5L, true, false),
            "Du ble avsatt fordi for mange i landsbyen døde eller sultet.");
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.4L, 0.05L, true, false),
            "Du ble avsatt fordi landsbyen manglet varene den trengte.");
  // Trade did not count in a year without trading, however little the village had.
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.4L, 0.05L, false, false),
            "Du ble avsatt fordi for mange i landsbyen døde eller sultet.");
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.5L, 0.5L, true, true),
            "Du ble avsatt fordi det ikke er noen mennesker igjen i landsbyen.");
}

}  // namespace
}  // namespace fjordheim
