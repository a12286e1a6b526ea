#include "core/game/season_why.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <string>

#include "tests/core/common/game_language.h"

namespace fjordheim {
namespace {

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

TSeasonChangeInfo Dead(int adults, std::uint16_t cows = 0) {
  TSeasonChangeInfo info;
  info.DeadByAgeGroup[static_cast<std::size_t>(TAgeGroup::Adult)] = adults;
  info.AnimalsDead[0] = cows;
  return info;
}

// The founding village (37 people: 8 men, 9 women, 8 youths; 39 animals) with so many of
// each group at a work and the rest of the group idle.
struct TDivision {
  TWorkKind Men = TWorkKind::Idle;
  int MenAtWork = 8;
  TWorkKind Women = TWorkKind::Idle;
  int WomenAtWork = 9;
  TWorkKind Youths = TWorkKind::Idle;
};

TVillage Founded(TSeason season, const TDivision& work, long double store = 0, float crop = 1.0F) {
  TVillage village;
  village.Season = season;
  village.FoodStore = store;
  village.CropGrowth = crop;
  int men = 0;
  int women = 0;
  for (auto& person : village.People) {
    if (person->IsAdultMan() && men++ < work.MenAtWork) person->Work = work.Men;
    if (person->IsAdultWoman() && women++ < work.WomenAtWork) person->Work = work.Women;
    if (person->IsYouth()) person->Work = work.Youths;
  }
  return village;
}

TVillage Lived(TVillage village, std::initializer_list<TVillageEvent> events = {}) {
  for (TVillageEvent event : events) village.SetEvent(event);
  TRandom random(42);
  village.ChangeSeason(random);
  return village;
}

constexpr TWorkKind Hunt = TWorkKind::HuntFish;
constexpr TWorkKind House = TWorkKind::Household;
constexpr TWorkKind Farm = TWorkKind::Farming;
constexpr TWorkKind Tend = TWorkKind::Cattle;

// Each line tells how many did the work that fell short and how many the season needed:
// 37 people eat 23.3 a season, the household of 9 women keeps 1.4 times the food, a hunter
// brings 2.0 in autumn, 1.5 in spring and summer and 1.0 in winter, milk and eggs 0.815.
TEST(SeasonWhy, HungerSaysHowManyDidTheWorkThatFellShortAndHowManyWereNeeded) {
  struct TCase {
    const char* Situation;
    TVillage Village;
    long double BurntBefore;
    const char* Line;
  };
  const TCase cases[] = {
      // (0.815 + 1.5 n) × 1.4 ≥ 23.3 from n = 11.
      {"too few hunting in summer", Lived(Founded(TSeason::Summer, {Hunt, 2, House, 9, Farm})), 0,
       "Maten rakk bare til 23 % av folket. 2 jaktet og fisket; 37 mennesker trengte minst 11."},
      {"too few hunting in winter", Lived(Founded(TSeason::Winter, {Hunt, 2, House, 9, Farm})), 0,
       "Maten rakk bare til 17 % av folket. Om vinteren gir jakt og fiske lite: 2 jaktet og fisket; 37 mennesker "
       "trengte minst 16."},
      // Half of 11.315 is far from 23.3 however many keep house, and 31 hunters are more than the
      // whole work force: no number is told that the village cannot send.
      {"nobody kept house", Lived(Founded(TSeason::Summer, {Hunt, 7, TWorkKind::Idle, 9, Farm})), 0,
       "Maten rakk bare til 24 % av folket. Ingen holdt hus, så halve maten gikk til spille. 7 jaktet og fisket; "
       "37 mennesker trengte langt flere."},
      // With a store of 10 the household alone could have done it: 22.815 × 1.0212.
      {"nobody kept house beside a store", Lived(Founded(TSeason::Summer, {Hunt, 8, TWorkKind::Idle, 9, Farm}, 10)), 0,
       "Maten rakk bare til 49 % av folket. Ingen holdt hus; 37 mennesker trengte minst 4, så halve maten gikk til "
       "spille."},
      {"too few kept house", Lived(Founded(TSeason::Summer, {Hunt, 8, House, 2, Farm}, 5)), 0,
       "Maten rakk bare til 61 % av folket. 2 holdt hus; 37 mennesker trengte minst 6, så noe av maten gikk til "
       "spille."},
      {"the store ran out", Lived(Founded(TSeason::Winter, {Hunt, 4, House, 9, Farm}, 6)), 0,
       "Maten rakk bare til 65 % av folket. Forrådet er brukt opp. Om vinteren gir jakt og fiske lite: 4 jaktet og "
       "fisket; 37 mennesker trengte minst 10."},
      // The store of 5 had been 17 before the fire: 25.815 × 1.4 would have fed everyone.
      {"last season's fire took the store", Lived(Founded(TSeason::Winter, {Hunt, 8, House, 9, Farm}, 5)), 12,
       "Maten rakk bare til 83 % av folket. Brannen hadde tatt halve matforrådet; uten brannen hadde maten rukket."},
      {"the crop was neglected all year", Lived(Founded(TSeason::Autumn, {Hunt, 4, House, 9, Farm}, 0, 0.05F)), 0,
       "Maten rakk bare til 84 % av folket. Avlingen på åkeren slo feil. 4 jaktet og fisket; 37 mennesker trengte "
       "minst 6."},
      // Without the frost the crop of 0.328 would have given 16.07 and fed everyone.
      {"the frost took the harvest",
       Lived(Founded(TSeason::Autumn, {Farm, 8, House, 9, Farm}, 0, 0.5F), {TVillageEvent::Frost}), 0,
       "Maten rakk bare til 72 % av folket. Frosten tok det meste av kornet; uten frosten hadde maten rukket."},
      {"good hunting fed only the animals",
       Lived(Founded(TSeason::Winter, {Hunt, 2, House, 9, Farm}), {TVillageEvent::GoodHunting}), 0,
       "Maten rakk bare til 17 % av folket. Den gode jakten hjalp bare dyrene. Om vinteren gir jakt og fiske lite: 2 "
       "jaktet og fisket; 37 mennesker trengte minst 16."},
      // Nobody at work at all: 0.815 × 0.5 against 23.3, beyond what all who can work could hunt.
      {"nobody worked", Lived(TVillage()), 0,
       "Maten rakk bare til 2 % av folket. Ingen holdt hus, så halve maten gikk til spille. Ingen jaktet og fisket; "
       "37 mennesker trengte langt flere."},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(TSeasonWhy::Of(c.Village, Dead(3), c.BurntBefore).People, c.Line) << c.Situation;
  }
  EXPECT_EQ(TSeasonWhy::Of(cases[9].Village, Dead(3), 0).Animals, "Den gode jakten ga dyrene nok fôr, så ingen dyr døde.");
}

TEST(SeasonWhy, DeathsOfTheFedSayHowMuchMoreFoodWouldHaveSparedEveryone) {
  // 17.815 × 1.4 is 107 % of the need.
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Winter, {TWorkKind::Idle, 8, House, 9}, 17)), Dead(1), 0).People,
            "Vinterkulden tok noen av de svakeste: om vinteren trengs det mat til overs. Det var mat til 107 % av "
            "behovet; med minst 126 % dør ingen.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Spring, {TWorkKind::Idle, 8, House, 9}, 17)), Dead(1), 0).People,
            "Maten rakk, men uten noe til overs dør noen av de svakeste. Det var mat til 107 % av behovet; med minst "
            "116 % dør ingen.");
  const TVillage sick =
      Lived(Founded(TSeason::Summer, {Hunt, 8, House, 9, Farm}, 40), {TVillageEvent::Epidemy});
  const TSeasonWhy why = TSeasonWhy::Of(sick, Dead(2, 4), 0);
  EXPECT_EQ(why.People, "En sykdom herjet i bygda.");
  EXPECT_EQ(why.Animals, "En sykdom tok halvparten av dyrene.");
}

// 39 animals of 11.79 animal units lose only the few when the tenders' work is at least
// 5.954; a fed grown man does 1.0, or 1.1 when the village has plenty.
TEST(SeasonWhy, LostAnimalsSayHowManyTendedAndHowManyTheHerdNeeded) {
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Autumn, {Hunt, 8, House, 9, Farm})), Dead(0, 5), 0).Animals,
            "Ingen stelte dyrene; 39 dyr trengte minst 6, så de fikk for lite fôr.");
  TVillage few = Founded(TSeason::Autumn, {Hunt, 8, House, 9, Farm});
  for (int i = 0, moved = 0; moved < 3; ++i) {
    if (few.People[static_cast<std::size_t>(i)]->IsAdultMan()) {
      few.People[static_cast<std::size_t>(i)]->Work = Tend;
      ++moved;
    }
  }
  EXPECT_EQ(TSeasonWhy::Of(Lived(std::move(few)), Dead(0, 5), 0).Animals,
            "3 stelte dyrene; 39 dyr trengte minst 6, så de fikk for lite fôr.");
  // Six men would have been enough fed, but the village had food for 5 %.
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Autumn, {Tend, 6, House, 9})), Dead(0, 5), 0).Animals,
            "De som stelte dyrene, var sultne, så dyrene fikk for lite fôr. 6 stelte dyrene; mette hadde de vært nok "
            "for 39 dyr.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Autumn, {Tend, 7, House, 9, Farm})), Dead(0, 1), 0).Animals,
            "7 stelte dyrene; 39 dyr trengte minst 6. Noen få dyr dør likevel.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Autumn, {Tend, 7, House, 9, Farm})), Dead(0), 0).Animals, "");
}

// A crop of c before a season with w farmers' work out of 18.3 becomes c × w / 18.3; it is
// on its way to a harvest of half the need while it is at least 0.125.
TEST(SeasonWhy, CropLinesSayHowManyFarmedAndHowManyTheFieldNeeded) {
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Spring, {Hunt, 8, House, 9})), Dead(0), 0).Crop,
            "Ingen arbeidet på åkeren, så høstens avling er tapt.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Summer, {Farm, 8, House, 9, Farm}, 0, 0)), Dead(0), 0).Crop,
            "Kornet var tapt fra før: ingen arbeidet på åkeren tidligere i år.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Summer, {Farm, 2, House, 9}, 0, 0.3F)), Dead(0), 0).Crop,
            "2 arbeidet på åkeren; åkeren trengte minst 8, så høstens avling blir liten.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Summer, {Farm, 8, House, 9, Farm}, 0, 0.1F)), Dead(0), 0).Crop,
            "Åkeren fikk for lite stell tidligere i år, så høstens avling blir liten.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Summer, {Hunt, 8, House, 9, Farm}), {TVillageEvent::Dryness}),
                           Dead(0), 0)
                .Crop,
            "Tørken svekket kornet på åkeren.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Autumn, {Farm, 8, House, 9, Farm}, 0, 0.5F), {TVillageEvent::Frost}),
                           Dead(0), 0)
                .Crop,
            "Frosten tok det meste av kornet, så avlingen ble liten. 16 arbeidet på åkeren, og det var nok.");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Autumn, {Farm, 2, House, 9}, 0, 0.3F)), Dead(0), 0).Crop,
            "2 arbeidet på åkeren; åkeren trengte minst 8, så avlingen ble liten.");
  // A good crop, and the winter that starts the crop anew, say nothing.
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Summer, {Hunt, 8, House, 9, Farm})), Dead(0), 0).Crop, "");
  EXPECT_EQ(TSeasonWhy::Of(Lived(Founded(TSeason::Winter, {Hunt, 8, House, 9}, 0, 0)), Dead(0), 0).Crop, "");
}

TEST(SeasonWhy, NothingToExplainGivesNoLines) {
  const TSeasonWhy calm = TSeasonWhy::Of(Lived(Founded(TSeason::Summer, {Hunt, 8, House, 9, Farm}, 20)), Dead(0), 0);
  EXPECT_EQ(calm.People + calm.Animals + calm.Crop, "");
  // A village that has not lived a season yet has no step to explain.
  const TSeasonWhy none = TSeasonWhy::Of(TVillage(), Dead(5, 5), 0);
  EXPECT_EQ(none.People + none.Animals + none.Crop, "");
}

TEST(SeasonWhy, FrostSetAtTheEndOfSummerIsPendingAndTheCropLineWarns) {
  TRandom rng(42);
  TVillage village = Founded(TSeason::Summer, {Farm, 8, House, 9, Farm}, 46.6L);
  village.SetEvent(TVillageEvent::Frost);
  const TSeasonChangeInfo info = LiveSeason(village, rng);
  EXPECT_TRUE(village.HasEvent(TVillageEvent::Frost));
  EXPECT_EQ(TSeasonWhy::Of(village, info, 0).Crop, "Frost truer kornet: høstens avling blir mindre.");
}

TEST(SeasonWhy, FireIsNotedWithWhatItTookFromTheStore) {
  TRandom rng(42);
  TVillage village = Founded(TSeason::Autumn, {Hunt, 8, House, 9, Farm}, 20);
  village.SetEvent(TVillageEvent::Fire);
  LiveSeason(village, rng);
  EXPECT_TRUE(village.LastStep.Applied[static_cast<std::size_t>(TVillageEvent::Fire)]);
  EXPECT_GT(village.LastStep.StoreBurnt, 0);
  EXPECT_NEAR(static_cast<double>(village.LastStep.StoreBurnt), static_cast<double>(village.FoodStore), 1e-9);
}

// What the simulation itself decided of each work, read from the season it lived.
bool WorkWasEnough(const TVillage& lived, TWorkKind kind) {
  const TSeasonStep& step = lived.LastStep;
  switch (kind) {
    case TWorkKind::Cattle:
      return TVillage::AnimalLossPercentages(TVillage::AnimalLossPoints(step.FodderFactor, step.Season)) ==
             TVillage::AnimalLossPercentages(1000);
    case TWorkKind::Household:
    case TWorkKind::HuntFish: return lived.FoodRatio >= 1;
    case TWorkKind::Farming: return step.Season == TSeason::Winter || TVillage::HarvestOf(step.CropGrown, 1.0L) >= 0.5L;
    case TWorkKind::Idle: break;
  }
  return true;
}

TWorkKind KindNamed(const std::string& work) {
  if (work == "stelte dyrene") return TWorkKind::Cattle;
  if (work == "holdt hus") return TWorkKind::Household;
  if (work == "jaktet og fisket") return TWorkKind::HuntFish;
  return TWorkKind::Farming;
}

int WorkersAt(const TVillage& before, TWorkKind kind) {
  return static_cast<int>(std::count_if(before.People.begin(), before.People.end(), [kind](const auto& person) {
    return person->Work == kind && person->Efficiency() > 0;
  }));
}

// Seeded games of the founding village with the work, the slaughter and the events drawn at
// random: every line that names a work with its numbers names the work as done, and blames
// it only when the simulation found it short; where the simulation found it enough, no
// line blames it.
TEST(SeasonWhy, NoLineEverBlamesWorkThatWasEnough) {
  const std::regex claim("(Ingen|[0-9]+) (stelte dyrene|holdt hus|jaktet og fisket|arbeidet på åkeren); "
                         "([0-9]+ [a-z]+|åkeren) trengte minst ([0-9]+)(\\. Noen få dyr dør likevel)?");
  std::map<std::pair<int, int>, int> blamed;
  for (std::uint32_t seed = 1; seed <= 150; ++seed) {
    TRandom random(seed);
    TVillage village;
    for (int season = 0; season < 16 && !village.People.empty(); ++season) {
      for (auto& person : village.People) person->Work = static_cast<TWorkKind>(random.Random(WorkKindCount));
      if (random.Random(3) == 0) village.SetEvent(static_cast<TVillageEvent>(random.Random(VillageEventCount)));
      if (random.Random(2) == 0) village.FoodStore = random.Random(30);
      village.Slaughter(0, static_cast<std::uint16_t>(random.Random(3)), 0, static_cast<std::uint16_t>(random.Random(4)));
      const TVillage before = village;
      LiveSeason(village, random);
      const TSeasonWhy why = TSeasonWhy::Of(village, Dead(1, 1), random.Random(2) * 5);
      const std::string lines = why.People + " " + why.Animals + " " + why.Crop;
      const std::string where = "seed " + std::to_string(seed) + ", season " + std::to_string(season) + ": " + lines;
      for (auto match = std::sregex_iterator(lines.begin(), lines.end(), claim); match != std::sregex_iterator();
           ++match) {
        const TWorkKind kind = KindNamed((*match)[2]);
        const int told = (*match)[1] == "Ingen" ? 0 : std::stoi((*match)[1]);
        const int needed = std::stoi((*match)[4]);
        EXPECT_EQ(told, WorkersAt(before, kind)) << where;
        if ((*match)[5].matched) {
          EXPECT_GE(told, needed) << where;
          EXPECT_TRUE(WorkWasEnough(village, kind)) << where;
        } else {
          EXPECT_LT(told, needed) << where;
          EXPECT_FALSE(WorkWasEnough(village, kind)) << where;
          ++blamed[{static_cast<int>(kind), static_cast<int>(village.LastStep.Season)}];
        }
      }
      if (WorkWasEnough(village, TWorkKind::Cattle)) {
        EXPECT_EQ(lines.find("for lite fôr"), std::string::npos) << where;
      }
      if (WorkWasEnough(village, TWorkKind::Farming)) {
        EXPECT_EQ(lines.find("Avlingen på åkeren slo feil"), std::string::npos) << where;
        EXPECT_EQ(lines.find("for lite stell"), std::string::npos) << where;
      }
      if (village.FoodRatio >= 1) {
        EXPECT_EQ(lines.find("gikk til spille"), std::string::npos) << where;
      }
    }
  }
  // Every work was found short in every season it is done in, so every kind of line was checked.
  for (TWorkKind kind : {Tend, House, Hunt, Farm}) {
    for (TSeason season : {TSeason::Autumn, TSeason::Winter, TSeason::Spring, TSeason::Summer}) {
      if (kind == Farm && season == TSeason::Winter) continue;
      EXPECT_GT((blamed[{static_cast<int>(kind), static_cast<int>(season)}]), 0)
          << "kind " << static_cast<int>(kind) << ", season " << static_cast<int>(season);
    }
  }
}

TEST(SeasonWhy, DepositionNamesTheLowestFactor) {
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.1L, 0.5L, 0.5L, true, false),
            "Du ble avsatt fordi rådet var misfornøyd med avgjørelsene dine.");
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.1L, 0.5L, true, false),
            "Du ble avsatt fordi for mange i bygda døde eller sultet.");
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.4L, 0.05L, true, false),
            "Du ble avsatt fordi bygda manglet varene den trengte.");
  // Trade did not count in a year without trading, however little the village had.
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.4L, 0.05L, false, false),
            "Du ble avsatt fordi for mange i bygda døde eller sultet.");
  EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.5L, 0.5L, true, true),
            "Du ble avsatt fordi det ikke er noen mennesker igjen i bygda.");
}

// Each sentence is translated whole: the numbers stand where the language puts them, the
// count chooses the words, and the sentences of a line follow one another.
TEST(SeasonWhy, EveryLanguageSaysTheWholeLineWithItsNumbers) {
  const TVillage winter = Lived(Founded(TSeason::Winter, {Hunt, 2, House, 9, Farm}));
  const TVillage untended = Lived(Founded(TSeason::Autumn, {Hunt, 8, House, 9, Farm}));
  const TVillage frost = Lived(Founded(TSeason::Autumn, {Farm, 8, House, 9, Farm}, 0, 0.5F), {TVillageEvent::Frost});
  {
    const TGameLanguage english("en");
    ASSERT_TRUE(english.Loaded());
    EXPECT_EQ(TSeasonWhy::Of(winter, Dead(3), 0).People,
              "The food fed only 17% of the people. In winter, hunting and fishing give little: 2 hunted and fished; "
              "37 people needed at least 16.");
    EXPECT_EQ(TSeasonWhy::Of(untended, Dead(0, 5), 0).Animals,
              "Nobody tended the animals; 39 animals needed at least 6, so they got too little fodder.");
    EXPECT_EQ(TSeasonWhy::Of(frost, Dead(3), 0).People,
              "The food fed only 72% of the people. The frost took most of the corn; without the frost there would "
              "have been food enough.");
    EXPECT_EQ(TSeasonWhy::DepositionCause(0.5L, 0.1L, 0.5L, false, false),
              "You were deposed because too many in the village died or went hungry.");
  }
  const TGameLanguage nynorsk("nn");
  ASSERT_TRUE(nynorsk.Loaded());
  EXPECT_EQ(TSeasonWhy::Of(winter, Dead(3), 0).People,
            "Maten rakk berre til 17 % av folket. Om vinteren gjev jakt og fiske lite: 2 jakta og fiska; 37 menneske "
            "trong minst 16.");
  EXPECT_EQ(TSeasonWhy::Of(untended, Dead(0, 5), 0).Animals,
            "Ingen stelte dyra; 39 dyr trong minst 6, så dei fekk for lite fôr.");
}

}  // namespace
}  // namespace fjordheim
