#include "core/game/season_forecast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <regex>

#include "tests/core/common/game_language.h"
#include "tests/core/game/game_fixture.h"

namespace fjordheim {
namespace {

using testing::TGameFolder;
using testing::TGameRig;

constexpr TAnimalCounts NoneMarked{};

// Exactly this many copies, whatever the machine's speed, so that a case replays.
TForecastLimits Runs(int runs) {
  TForecastLimits limits;
  limits.MaxRuns = runs;
  limits.Budget = std::chrono::hours(1);
  return limits;
}

void SetWork(TVillage& village, TWorkKind men, TWorkKind women, TWorkKind youths) {
  for (auto& person : village.People) {
    if (person->IsAdultMan()) person->Work = men;
    if (person->IsAdultWoman()) person->Work = women;
    if (person->IsYouth()) person->Work = youths;
  }
}

TSeasonForecast ForecastOf(const TVillage& village, const TAnimalCounts& marked = NoneMarked) {
  return TSeasonForecast::Of(village, marked, 0, false, Runs(60));
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SeasonForecastTest, TellsWhatTheRealChangeThenBrings) {
  TVillage village;
  SetWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Farming);
  const TAnimalCounts marked{2, 0, 0, 1};
  const TSeasonForecast forecast = ForecastOf(village, marked);
  ASSERT_TRUE(forecast.Available);
  EXPECT_EQ(forecast.Runs, 60);
  // The first change of the founding village with this work: crop 4.0 / 18.3, harvest 14.04.
  EXPECT_NEAR(forecast.Crop, 0.2186, 1e-4);
  EXPECT_NEAR(forecast.Harvest, 14.04, 0.01);
  EXPECT_DOUBLE_EQ(forecast.FedShare, 1.0);
  EXPECT_DOUBLE_EQ(forecast.FedShareLow, 1.0);
  EXPECT_EQ(forecast.HungerDeaths, 0);
  EXPECT_FALSE(forecast.NobodyWorks || forecast.Starvation() || forecast.Danger());
  EXPECT_FALSE(forecast.AnimalsFed);
  EXPECT_TRUE(forecast.Short(TWorkKind::Cattle));
  EXPECT_EQ(forecast.WorkLine(), "Med denne fordelingen blir alle mette, men dyrene får for lite fôr.");
  EXPECT_EQ(forecast.FoodLine(), "Neste årstid blir alle mette.");

  // The real change, slaughter first as the turn cycle does it.
  TVillage lived(village);
  lived.Slaughter(2, 0, 0, 1);
  TRandom random(5);
  lived.ChangeSeason(random);
  EXPECT_FLOAT_EQ(lived.CropGrowth, static_cast<float>(forecast.Crop));
  EXPECT_GT(lived.FoodRatio, 1.0F);
  EXPECT_NEAR(forecast.Rating, TGameController::RatingOf(lived, 0, false), 0.05);
  EXPECT_EQ(forecast.DeposeChance, 0);
}

TEST(SeasonForecastTest, HungryVillagesAreToldWhereHandsAreShortAndHowManyMayDie) {
  TVillage nobody;
  const TSeasonForecast idle = ForecastOf(nobody);
  ASSERT_TRUE(idle.Available);
  EXPECT_TRUE(idle.NobodyWorks);
  // 0.815 × 0.5 against a need of 23.3.
  EXPECT_NEAR(idle.FedShare, 0.0175, 1e-3);
  EXPECT_TRUE(idle.Starvation() && idle.Danger());
  EXPECT_GT(idle.HungerDeaths, 5);
  EXPECT_LE(idle.HungerDeaths, idle.Deaths);
  EXPECT_EQ(idle.WarningText(), "Ingen i bygda har fått arbeid denne årstiden. Vil du likevel gå videre til neste årstid?");

  // In winter with nobody in the household half the catch is lost: the household is short.
  TVillage winter;
  winter.Season = TSeason::Winter;
  SetWork(winter, TWorkKind::HuntFish, TWorkKind::Idle, TWorkKind::HuntFish);
  const TSeasonForecast noHousehold = ForecastOf(winter);
  EXPECT_TRUE(noHousehold.Hungry());
  EXPECT_EQ(noHousehold.FoodWork(), TWorkKind::Household);
  EXPECT_FALSE(noHousehold.NobodyWorks);
  const std::string line = noHousehold.WorkLine();
  EXPECT_EQ(line.rfind("Maten rekker til om lag ", 0), 0U) << line;
  EXPECT_NE(line.find(" % av folket. Flere trengs i husholdningen."), std::string::npos) << line;
  EXPECT_NE(noHousehold.WarningText().find("kan dø av sult."), std::string::npos) << noHousehold.WarningText();

  // A full household and nobody hunting: only more hunters help.
  SetWork(winter, TWorkKind::Household, TWorkKind::Household, TWorkKind::Household);
  const TSeasonForecast noHunters = ForecastOf(winter);
  EXPECT_EQ(noHunters.FoodWork(), TWorkKind::HuntFish);
  EXPECT_NE(noHunters.WorkLine().find("Flere trengs på jakt og fiske."), std::string::npos);
}

// The warning is one sentence with its numbers and then the question, in the game's language.
TEST(SeasonForecastTest, TheWarningSpeaksTheGamesLanguage) {
  TVillage winter;
  winter.Season = TSeason::Winter;
  SetWork(winter, TWorkKind::HuntFish, TWorkKind::Idle, TWorkKind::HuntFish);
  const TGameLanguage english("en");
  ASSERT_TRUE(english.Loaded());
  EXPECT_EQ(ForecastOf(TVillage()).WarningText(),
            "Nobody in the village has been given work this season. Do you still want to go on to the next season?");
  const std::string warning = ForecastOf(winter).WarningText();
  EXPECT_TRUE(std::regex_match(warning, std::regex("The food will feed only about [0-9]+% of the people, and (one "
                                                   "person|about [0-9]+ people) may die of hunger\\. Do you still "
                                                   "want to go on to the next season\\?")))
      << warning;
  EXPECT_TRUE(std::regex_match(ForecastOf(winter).FoodLine(),
                               std::regex("Next season the food will feed about [0-9]+% of the people\\. (One person|"
                                          "About [0-9]+ people) may die of hunger\\.")))
      << ForecastOf(winter).FoodLine();
}

TEST(SeasonForecastTest, AnAutumnForecastTellsWhetherTheStoreLastsThroughTheWinter) {
  // The men alone hunt: the autumn's catch just feeds everyone, and the winter's half catch
  // with next to nothing in store leaves the village short.
  TVillage village;
  SetWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Idle);
  const TSeasonForecast thin = ForecastOf(village);
  EXPECT_FALSE(thin.Hungry());
  EXPECT_LT(thin.WinterFedShare, 0.7);
  EXPECT_FALSE(thin.StoreLastsWinter());
  EXPECT_EQ(thin.WorkLine(), "Med denne fordelingen blir alle mette, men forrådet rekker ikke gjennom vinteren.");
  EXPECT_EQ(thin.FoodLine(), "Neste årstid blir alle mette, men forrådet rekker ikke gjennom vinteren.");
  EXPECT_FALSE(thin.Danger());

  // Lived for real, the two changes come out as the forecast said.
  TVillage lived(village);
  TRandom random(11);
  lived.ChangeSeason(random);
  lived.ChangeSeason(random);
  EXPECT_NEAR(lived.FoodRatio, thin.WinterFedShare, 0.05);

  // With the youths hunting too the autumn lays up a store that carries the winter.
  SetWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::HuntFish);
  const TSeasonForecast stored = ForecastOf(village);
  EXPECT_DOUBLE_EQ(stored.WinterFedShare, 1.0);
  EXPECT_TRUE(stored.StoreLastsWinter());
  EXPECT_EQ(stored.WorkLine(), "Med denne fordelingen blir alle mette, men dyrene får for lite fôr.");

  // In winter the coming change is the winter; in spring the autumn's catch still lies between.
  village.Season = TSeason::Winter;
  SetWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Idle);
  const TSeasonForecast winter = ForecastOf(village);
  EXPECT_LT(winter.FedShare, 1);
  EXPECT_DOUBLE_EQ(winter.WinterFedShare, winter.FedShare);
  village.Season = TSeason::Spring;
  EXPECT_TRUE(ForecastOf(village).StoreLastsWinter());
  // Without a forecast nothing is said of the winter either.
  EXPECT_TRUE(TSeasonForecast().StoreLastsWinter());
}

TEST(SeasonForecastTest, ReadsPendingEventsAndTheCouncilsJudgement) {
  TVillage village;
  SetWork(village, TWorkKind::HuntFish, TWorkKind::Household, TWorkKind::Farming);
  const double clearCrop = ForecastOf(village).Crop;
  village.SetEvent(TVillageEvent::Frost);
  EXPECT_NEAR(ForecastOf(village).Crop, clearCrop * 0.3333, 1e-5);
  village.SetEvent(TVillageEvent::Fire);
  EXPECT_TRUE(ForecastOf(village).Available);
  EXPECT_TRUE(village.HasEvent(TVillageEvent::Fire)) << "the forecast played a copy";

  // Without grown men the council's survival factor is 0: it will depose a fed village's chief.
  TVillage women;
  std::erase_if(women.People, [](const auto& person) { return person->IsAdultMan(); });
  SetWork(women, TWorkKind::HuntFish, TWorkKind::HuntFish, TWorkKind::Household);
  women.SetFoodStore(1e6L);
  const TSeasonForecast judged = ForecastOf(women);
  EXPECT_FALSE(judged.Hungry());
  EXPECT_EQ(judged.DeposeChance, 1);
  EXPECT_TRUE(judged.DeposeLikely() && judged.Danger());
  EXPECT_EQ(judged.WarningText(), "Rådet vil trolig avsette deg etter denne årstiden. Vil du likevel gå videre til neste årstid?");
}

TEST(SeasonForecastTest, NoForecastForAVillageThatCannotBePlayed) {
  TVillage empty;
  empty.People.clear();
  const TSeasonForecast none = ForecastOf(empty);
  EXPECT_FALSE(none.Available);
  EXPECT_FALSE(none.Danger() || none.Hungry());
  EXPECT_EQ(none.WorkLine(), "");
  EXPECT_EQ(none.WarningText(), "");

  TVillage damaged;
  damaged.FoodStore = std::numeric_limits<long double>::quiet_NaN();
  EXPECT_FALSE(ForecastOf(damaged).Available);
  damaged.FoodStore = -5;
  EXPECT_FALSE(ForecastOf(damaged).Available);
  damaged.FoodStore = 0;
  damaged.Season = static_cast<TSeason>(9);
  EXPECT_FALSE(ForecastOf(damaged).Available);
}

TEST(SeasonForecastTest, PlaysAtLeastOneCopyAndStopsAtItsBudget) {
  TVillage village;
  TForecastLimits noTime = Runs(1000);
  noTime.Budget = std::chrono::microseconds(0);
  EXPECT_EQ(TSeasonForecast::Of(village, NoneMarked, 0, false, noTime).Runs, 1);
  // The same village always gets the same forecast.
  const TSeasonForecast first = ForecastOf(village);
  const TSeasonForecast second = ForecastOf(village);
  EXPECT_EQ(first.HungerDeaths, second.HungerDeaths);
  EXPECT_EQ(first.Rating, second.Rating);

  // The largest village a file can hold still gets a forecast.
  TVillage huge;
  while (huge.People.size() < 65535) huge.People.push_back(std::make_unique<THumanInfo>(TSex::Male, 20, TWorkKind::HuntFish));
  const TSeasonForecast big = TSeasonForecast::Of(huge, NoneMarked, 0, false, noTime);
  EXPECT_TRUE(big.Available);
  EXPECT_EQ(big.Runs, 1);
}

// The saved game after every season of a game clicked through, with the forecast asked for
// after every click or never; the warnings ask it too, so they are on only in the game that asks.
std::string PlayedGame(std::uint32_t seed, int land, bool ask, bool idle) {
  TGameFolder folder("forecast-" + std::to_string(seed) + (ask ? "-ask" : "-not"));
  TGameRig rig(folder, seed);
  TGameController& game = *rig.Game;
  game.SetAutosave(false);
  game.SetWarnings(ask);
  const auto look = [&] {
    if (ask) (void)game.Forecast();
  };
  game.NewGame("Sigrid", 1, land);
  const std::string path = folder.GameFile("played.tun");
  std::string saved;
  for (int season = 0; season < 14 && game.InGame(); ++season) {
    for (int area = 0; area < AdviceAreaCount; ++area) {
      game.HearAdviser(area);
      look();
    }
    if (!idle) {
      int women = 0;
      for (const THumanFigure& figure : game.HumanFigures()) {
        if (!figure.InWork) continue;
        const bool cattle = figure.Person->IsAdultWoman() && women++ % 3 == 0;
        game.SetWork(figure.Id, figure.Person->IsAdultWoman() ? (cattle ? TWorkKind::Cattle : TWorkKind::Household)
                                                               : TWorkKind::HuntFish);
        look();
      }
    }
    if (game.Village().Season == TSeason::Autumn && !game.AnimalFigures(TAnimalKind::Pig).empty()) {
      game.MarkForSlaughter(game.AnimalFigures(TAnimalKind::Pig).front().Id);
      look();
    }
    game.TakeDecisions();
    look();
    if (game.BtnChgSeasonClick() == TSeasonChange::Deposed) break;
    look();
    EXPECT_TRUE(game.SaveGame(path));
    saved += FileBytes(path);
  }
  return saved + game.Chronicle().ToCsv() + std::to_string(rig.Random.Random(1 << 30));
}

TEST(SeasonForecastTest, AskingForForecastsNeverChangesAGame) {
  for (const bool idle : {false, true}) {
    for (int land = 0; land < 3; ++land) {
      const std::uint32_t seed = 17 + static_cast<std::uint32_t>(land);
      EXPECT_EQ(PlayedGame(seed, land, true, idle), PlayedGame(seed, land, false, idle)) << "land " << land;
    }
  }
}

// A view whose answer to the warning the test decides, and that keeps the questions.
class TAnsweringView : public testing::TScriptedView {
 public:
  bool AskYesNo(const std::string& text) override {
    Questions.push_back(text);
    return Answer;
  }
  std::vector<std::string> Questions;
};

struct TAnsweringRig {
  explicit TAnsweringRig(const TGameFolder& folder) : Random(3), Settings(folder.ProgramPath(), Random), Policy(Random, true) {
    Game = std::make_unique<TGameController>(Settings, Random, View, Sink);
    View.Decide = [this](TDecisionBoard& board) { return Policy.Decide(board, Game->SeasonDecisions()); };
    Game->SetAutosave(false);
    Game->NewGame("Olav", 0, 0);
    for (int area = 0; area < AdviceAreaCount; ++area) Game->HearAdviser(area);
    Game->TakeDecisions();
  }
  TRandom Random;
  TSettings Settings;
  TAnsweringView View;
  TCollectingMessageSink Sink;
  TPlayPolicy Policy;
  std::unique_ptr<TGameController> Game;
};

TEST(SeasonForecastTest, WarnsBeforeADangerousSeasonAndNoStaysInTheSeason) {
  TGameFolder folder("warning");
  TAnsweringRig rig(folder);
  EXPECT_TRUE(rig.Game->Warnings());
  const std::string before = rig.Game->Forecast().WorkLine();
  rig.View.Answer = false;
  EXPECT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Refused);
  ASSERT_EQ(rig.View.Questions.size(), 1U);
  EXPECT_EQ(rig.View.Questions[0], rig.Game->Forecast().WarningText());
  EXPECT_EQ(rig.Game->Village().Season, TSeason::Autumn);
  EXPECT_TRUE(rig.Game->CouncilHeld() && rig.Game->DecisionsTaken());
  EXPECT_EQ(rig.View.Reports, 0);

  // Dividing the work changes the line; a fed village is not asked.
  rig.Policy.DivideWork(*rig.Game);
  EXPECT_NE(rig.Game->Forecast().WorkLine(), before);
  EXPECT_FALSE(rig.Game->Forecast().Danger());
  EXPECT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Changed);
  EXPECT_EQ(rig.View.Questions.size(), 1U);

  // Yes goes on.
  for (int area = 0; area < AdviceAreaCount; ++area) rig.Game->HearAdviser(area);
  rig.Game->TakeDecisions();
  for (const THumanFigure& figure : rig.Game->HumanFigures()) {
    if (figure.InWork) rig.Game->SetWork(figure.Id, TWorkKind::Idle);
  }
  rig.View.Answer = true;
  EXPECT_NE(rig.Game->BtnChgSeasonClick(), TSeasonChange::Refused);
  EXPECT_EQ(rig.View.Questions.size(), 2U);
}

TEST(SeasonForecastTest, TheSettingsTurnTheWarningsOff) {
  TGameFolder folder("warnings-off");
  folder.Write("tunstad.ini", "[Tunstad]\nSOUND=OFF\nWARNINGS=OFF\n");
  TAnsweringRig rig(folder);
  EXPECT_FALSE(rig.Game->Warnings());
  rig.View.Answer = false;
  EXPECT_TRUE(rig.Game->Forecast().Danger());
  EXPECT_NE(rig.Game->BtnChgSeasonClick(), TSeasonChange::Refused);
  EXPECT_TRUE(rig.View.Questions.empty());
}

}  // namespace
}  // namespace fjordheim
