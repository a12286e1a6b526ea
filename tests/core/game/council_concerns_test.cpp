#include "core/game/council_concerns.h"

#include <gtest/gtest.h>

#include <set>

#include "core/council/adviser.h"
#include "tests/core/game/game_fixture.h"

namespace fjordheim {
namespace {

// A village the forecast finds fed, with its animals fed and nothing short.
TSeasonForecast Calm(TSeason ending = TSeason::Winter) {
  TSeasonForecast forecast;
  forecast.Available = true;
  forecast.Season = ending;
  forecast.FedShare = forecast.FedShareLow = forecast.FedShareHigh = 1;
  forecast.Rating = 1.5;
  return forecast;
}

TSeasonForecast Starving(TSeason ending, bool hunting, bool household) {
  TSeasonForecast forecast = Calm(ending);
  forecast.FedShare = 0.6;
  forecast.HungerDeaths = 4;
  forecast.ShortWork[static_cast<std::size_t>(TWorkKind::HuntFish)] = hunting;
  forecast.ShortWork[static_cast<std::size_t>(TWorkKind::Household)] = household;
  return forecast;
}

std::array<std::string, AdviceAreaCount> Sentences(const TSeasonForecast& forecast) {
  const TCouncilConcerns concerns = TCouncilConcerns::Of(forecast);
  std::array<std::string, AdviceAreaCount> sentences;
  for (int area = 0; area < AdviceAreaCount; ++area) sentences[area] = concerns.Of(static_cast<TAdviceArea>(area));
  return sentences;
}

TEST(CouncilConcerns, EachDangerIsToldByTheAdviserOfItsArea) {
  struct TCase {
    const char* Danger;
    TSeasonForecast Forecast;
    std::array<std::string, AdviceAreaCount> Said;
  };
  TSeasonForecast herd = Calm(TSeason::Autumn);
  herd.AnimalsFed = false;
  herd.ShortWork[static_cast<std::size_t>(TWorkKind::Cattle)] = true;
  TSeasonForecast crop = Calm(TSeason::Summer);
  crop.ShortWork[static_cast<std::size_t>(TWorkKind::Farming)] = true;
  TSeasonForecast council = Calm();
  council.DeposeChance = 0.5;
  TSeasonForecast idle = Starving(TSeason::Autumn, true, true);
  idle.NobodyWorks = true;
  TSeasonForecast weak = Calm(TSeason::Spring);
  weak.FedShare = 0.8;
  weak.ShortWork[static_cast<std::size_t>(TWorkKind::HuntFish)] = true;
  TSeasonForecast hungryOnly = Calm();
  hungryOnly.FedShare = 0.95;
  hungryOnly.ShortWork[static_cast<std::size_t>(TWorkKind::HuntFish)] = true;
  const std::string winterShort = "Forrådet rekker ikke gjennom vinteren.";
  const TCase cases[] = {
      {"nothing", Calm(), {}},
      {"no forecast", TSeasonForecast(), {}},
      {"hunters short", Starving(TSeason::Winter, true, false),
       {"", "", winterShort + " Vi trenger flere på jakt og fiske.", "", ""}},
      {"household short", Starving(TSeason::Winter, false, true),
       {winterShort + " Vi trenger flere i husholdningen.", "", "", "", ""}},
      {"both about as short", Starving(TSeason::Winter, true, true),
       {winterShort + " Vi trenger flere i husholdningen.", "", winterShort + " Vi trenger flere på jakt og fiske.",
        "", ""}},
      {"workers weakened in spring", weak,
       {"", "", "Forrådet rekker ikke gjennom våren. Vi trenger flere på jakt og fiske.", "", ""}},
      {"a little hungry is no danger", hungryOnly, {}},
      {"nobody works", idle,
       {"Ingen har fått arbeid ennå. Gi folket arbeid, ellers blir det nesten ingen mat.", "", "", "", ""}},
      {"animals without fodder", herd,
       {"", "Dyrene får ikke nok fôr. Sett flere til å stelle dem, eller slakt noen.", "", "", ""}},
      {"crop behind", crop, {"", "", "", "Kornet på åkeren får for lite stell. Vi trenger flere på åkeren.", ""}},
      {"deposition likely", council,
       {"", "", "", "", "Høvding, rådet er misfornøyd. Slik det går nå, blir du avsatt etter denne årstiden."}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Sentences(c.Forecast), c.Said) << c.Danger;
    const bool anything = c.Said != std::array<std::string, AdviceAreaCount>{};
    EXPECT_EQ(TCouncilConcerns::Of(c.Forecast).Any(), anything) << c.Danger;
  }
}

TEST(CouncilConcerns, SeveralDangersAreToldBySeveralAdvisers) {
  TSeasonForecast forecast = Starving(TSeason::Autumn, true, false);
  forecast.AnimalsFed = false;
  forecast.DeposeChance = 0.9;
  const auto said = Sentences(forecast);
  EXPECT_EQ(said[static_cast<std::size_t>(TAdviceArea::Hunting)],
            "Forrådet rekker ikke gjennom høsten. Vi trenger flere på jakt og fiske.");
  EXPECT_FALSE(said[static_cast<std::size_t>(TAdviceArea::Cattle)].empty());
  EXPECT_FALSE(said[static_cast<std::size_t>(TAdviceArea::Miscellaneous)].empty());
  EXPECT_TRUE(said[static_cast<std::size_t>(TAdviceArea::People)].empty());
  EXPECT_TRUE(said[static_cast<std::size_t>(TAdviceArea::Agriculture)].empty());
}

TEST(CouncilConcerns, EveryAdviserHasANameARoleAndAHintThatNamesHim) {
  std::set<std::string> names;
  for (const TAdviser& adviser : Advisers) {
    EXPECT_TRUE(names.insert(adviser.Name).second) << adviser.Name;
    EXPECT_FALSE(std::string(adviser.Role).empty()) << adviser.Name;
    EXPECT_EQ(std::string(adviser.Hint).rfind(adviser.Name, 0), 0U) << adviser.Name;
  }
  EXPECT_EQ(std::string(AdviserOf(TAdviceArea::Miscellaneous).Role), "taler for rådet");
}

// The council hears the village as it stands when the adviser speaks: moving people to work
// changes what he says.
TEST(CouncilConcerns, TheGameHearsTheForecastOfTheWorkAsDividedNow) {
  testing::TGameFolder folder("council-concerns");
  testing::TGameRig rig(folder, 7);
  rig.Game->SetAutosave(false);
  rig.Game->NewGame("Olav", 0, 0);
  const std::string idle = rig.Game->CouncilConcerns().Of(TAdviceArea::People);
  EXPECT_EQ(idle, "Ingen har fått arbeid ennå. Gi folket arbeid, ellers blir det nesten ingen mat.");
  rig.Policy.DivideWork(*rig.Game);
  EXPECT_NE(rig.Game->CouncilConcerns().Of(TAdviceArea::People), idle);
  rig.Game->Leave();
  EXPECT_FALSE(rig.Game->CouncilConcerns().Any());
}

}  // namespace
}  // namespace fjordheim
