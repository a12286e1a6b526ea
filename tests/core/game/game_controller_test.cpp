#include "core/game/game_controller.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "core/common/lines.h"
#include "core/game/saved_game.h"
#include "core/game/score_list.h"
#include "tests/core/game/game_fixture.h"

namespace fjordheim {
namespace {

using testing::TGameFolder;
using testing::TGameRig;

// The village is kept fed, so that these cases do not hang on how well the simple chief
// feeds it.
TSeasonChange PlaySeason(TGameRig& rig) {
  rig.Game->Village().SetFoodStore(1e9L);
  return rig.Policy.PlaySeason(*rig.Game);
}

TEST(GameControllerTest, RefusesTheSeasonUntilCouncilAndDecisionsAndTakesDecisionsOnce) {
  TGameFolder folder("refusal");
  TGameRig rig(folder, 1);
  rig.Game->NewGame("Olav", 2, 0);
  EXPECT_EQ(rig.Game->StatusCaption(), "Høsten år 852");
  EXPECT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Refused);
  for (int i = 0; i < 5; ++i) rig.Game->HearAdviser(0);
  EXPECT_EQ(rig.Game->HeardCount(), 1);
  EXPECT_FALSE(rig.Game->ButtonVisible(TGameButton::Decisions));
  rig.HearCouncil();
  EXPECT_TRUE(rig.Game->CouncilHeld());
  EXPECT_TRUE(rig.Game->ButtonVisible(TGameButton::Work) && rig.Game->ButtonVisible(TGameButton::Slaughter) &&
              rig.Game->ButtonVisible(TGameButton::Decisions));
  EXPECT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Refused);
  const std::vector<std::pair<std::string, std::string>> expected{{"Hold rådsmøte", "Ta andre avgjørelser"},
                                                                  {"Ta andre avgjørelser", ""}};
  EXPECT_EQ(rig.View.SeasonDialogs, expected);
  EXPECT_EQ(rig.Game->Village().Season, TSeason::Autumn);

  rig.Game->TakeDecisions();
  EXPECT_EQ(rig.Game->ChiefStanding(), 3);
  rig.Policy.DivideWork(*rig.Game);
  rig.Game->TakeDecisions();
  EXPECT_EQ(rig.View.Messages, std::vector<std::string>{"Du har allerede tatt de andre avgjørelsene."});
  EXPECT_EQ(rig.Game->ChiefStanding(), 3);
  EXPECT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Changed);
  EXPECT_EQ(rig.Game->StatusCaption(), "Vinteren år 852");
  EXPECT_EQ(rig.View.Reports, 1);
  EXPECT_FALSE(rig.Game->CouncilHeld() || rig.Game->DecisionsTaken());
}

TEST(GameControllerTest, CancelledDecisionWindowAddsNothing) {
  TGameFolder folder("cancel");
  TGameRig rig(folder, 1);
  rig.Game->NewGame("Olav", 0, 0);
  rig.View.Decide = [](TDecisionBoard&) { return false; };
  rig.Game->TakeDecisions();
  EXPECT_FALSE(rig.Game->DecisionsTaken());
  EXPECT_EQ(rig.Game->ChiefStanding(), 0);
}

TEST(GameControllerTest, StandingStopsAtTwentyAndMinusTwentyDeposes) {
  TGameFolder folder("standing");
  TGameRig rig(folder, 3);
  rig.Game->NewGame("Olav", 0, 1);
  for (int season = 0; season < 7; ++season) ASSERT_EQ(PlaySeason(rig), TSeasonChange::Changed) << rig.Game->Chronicle().ToCsv();
  EXPECT_EQ(rig.Game->ChiefStanding(), 20);
  EXPECT_EQ(rig.Game->RatingFactors().Standing, 1.0L);

  TSavedGame saved;
  saved.ChiefName = "Ragnar";
  saved.ChiefStanding = -20;
  SaveSavedGame(folder.GameFile("low.tun"), saved);
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("low.tun")));
  EXPECT_EQ(rig.Game->RatingFactors().Standing, 0.0L);
  // Two wrong picks and one right one: the standing cannot fall below -20.
  rig.View.Decide = [&](TDecisionBoard& board) {
    const TDecisionGenerator& offered = rig.Game->SeasonDecisions();
    for (int row = 0; row < offered.OptionCount(); ++row) {
      if (!offered.Option(row)->Right) board.Tick(row);
    }
    for (int row = 0; board.TickedCount() < 3; ++row) {
      if (!board.IsTicked(row)) board.Tick(row);
    }
    return board.Confirm().Accepted;
  };
  rig.HearCouncil();
  rig.Game->TakeDecisions();
  EXPECT_EQ(rig.Game->ChiefStanding(), -20);
  rig.View.Scores.clear();
  EXPECT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Deposed);
  EXPECT_TRUE(rig.Game->Deposed());
  EXPECT_FALSE(rig.Game->InGame());
  ASSERT_EQ(rig.View.Scores.size(), 1U);
  // The report and the score list say which factor of the judgement failed.
  const std::string cause = "Du ble avsatt fordi rådet var misfornøyd med avgjørelsene dine.";
  EXPECT_EQ(rig.View.Scores[0].Cause, cause);
  ASSERT_TRUE(rig.View.LastReport.has_value());
  EXPECT_EQ(rig.View.LastReport->DepositionWhy, cause);
  EXPECT_EQ(rig.View.Deposition, folder.Root.string() + "/Bilder\\Notaccep.bmp|" +
                                     "Byrådet synes du har vært en dårlig høvding. De avsetter deg.");
  EXPECT_EQ(rig.View.Waves.back(), folder.Root.string() + "/Sound\\boo.wav");
  EXPECT_TRUE(rig.View.People.empty() && rig.View.Animals.empty());
  EXPECT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Refused);
}

TEST(GameControllerTest, TradeButtonStaysClosedForAYearAfterATrade) {
  TGameFolder folder("trade");
  TGameRig rig(folder, 5);
  rig.Game->NewGame("Olav", 0, 0);
  EXPECT_TRUE(rig.Game->ButtonVisible(TGameButton::Trade));
  rig.Game->MarketVisited(false);
  EXPECT_TRUE(rig.Game->ButtonVisible(TGameButton::Trade));
  std::vector<bool> shown;
  for (int season = 0; season < 7; ++season) {
    if (rig.Game->Village().Season == TSeason::Summer && !rig.Game->TradedThisYear() && shown.size() < 4) {
      rig.Game->MarketVisited(true);
      EXPECT_FALSE(rig.Game->ButtonVisible(TGameButton::Trade));
    }
    ASSERT_EQ(PlaySeason(rig), TSeasonChange::Changed) << rig.Game->Chronicle().ToCsv();
    shown.push_back(rig.Game->ButtonVisible(TGameButton::Trade));
  }
  // Winter, spring, summer (traded), autumn, winter, spring, summer.
  EXPECT_EQ(shown, (std::vector<bool>{false, true, true, false, false, false, true}));
}

TEST(GameControllerTest, AVisitWithoutATradeNeverClearsTheYearsTrade) {
  TGameFolder folder("trade-kept");
  TGameRig rig(folder, 5);
  rig.Game->NewGame("Olav", 0, 0);
  rig.Game->MarketVisited(true);
  rig.Game->MarketVisited(false);
  EXPECT_TRUE(rig.Game->TradedThisYear());
  EXPECT_FALSE(rig.Game->ButtonVisible(TGameButton::Trade));
}

TEST(GameControllerTest, FrostAndFireChooseTheirSetsForOneSeason) {
  for (const auto& [key, index, marker] : {std::tuple{"_Frost", TAdviceSeason::Frost, "elsefrst.dec"},
                                           std::tuple{"_Fire", TAdviceSeason::Fire, "elsefire.dec"}}) {
    TGameFolder folder(std::string("situation") + key);
    folder.WriteEvents({key});
    TGameRig rig(folder, 7);
    rig.Game->NewGame("Olav", 0, 0);
    std::vector<TAdviceSeason> meetings;
    for (int season = 0; season < 5; ++season) {
      ASSERT_EQ(PlaySeason(rig), TSeasonChange::Changed);
      meetings.push_back(rig.Game->MeetingSeason());
    }
    EXPECT_EQ(meetings, (std::vector<TAdviceSeason>{TAdviceSeason::Winter, TAdviceSeason::Spring,
                                                    TAdviceSeason::Summer, index, TAdviceSeason::Winter}));
    EXPECT_EQ(rig.View.Events, std::vector<std::string>{key});
    EXPECT_EQ(rig.Game->SpecialSituation(), TSpecialSituation::None);
  }
}

TEST(GameControllerTest, SituationBoardOffersTheSituationsTasks) {
  TGameFolder folder("board");
  folder.WriteEvents({"_Fire"});
  TGameRig rig(folder, 7);
  rig.Game->NewGame("Olav", 0, 0);
  for (int season = 0; season < 4; ++season) PlaySeason(rig);
  EXPECT_NE(rig.Game->DecisionBoard().RowText(0).find("elsefire.dec"), std::string::npos);
  EXPECT_EQ(rig.Game->Advice().AdviceText(0), "FIRE PEOPLE");
}

TEST(GameControllerTest, TipsComeInTurnWithAPauseAfterTheLastAndOpenExistingPages) {
  TGameFolder folder("popup");
  folder.WritePopups(1, 0, {"here.htm", "gone.htm"});
  folder.Write("Html/here.htm", "<html></html>");
  TGameRig rig(folder, 9);
  rig.View.TipAnswer = 1;
  rig.Game->NewGame("Olav", 0, 0);
  std::vector<std::size_t> tipsAfter;
  for (int season = 0; season < 5; ++season) {
    PlaySeason(rig);
    tipsAfter.push_back(rig.View.Tips.size());
  }
  EXPECT_EQ(tipsAfter, (std::vector<std::size_t>{1, 2, 2, 3, 4}));
  EXPECT_EQ(rig.Game->PopupIndex(), 2);
  EXPECT_EQ(rig.View.Pages.size(), 2U);
  EXPECT_EQ(rig.View.Pages[0], rig.View.Pages[1]);
  EXPECT_NE(rig.View.Pages[0].find("here.htm"), std::string::npos);
}

TEST(GameControllerTest, ScoreListAtLeavingOnlyAfterTheFirstYear) {
  TGameFolder folder("leave");
  TGameRig rig(folder, 11);
  rig.Game->NewGame("Olav", 0, 0);
  PlaySeason(rig);
  rig.Game->Leave();
  EXPECT_TRUE(rig.View.Scores.empty());
  EXPECT_EQ(rig.View.Outros, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.GameFile("nothing.tpl")));

  rig.Game->NewGame("Olav", 0, 0);
  for (int season = 0; season < 2; ++season) PlaySeason(rig);
  EXPECT_EQ(rig.Game->Village().Year, 853);
  rig.Game->Leave();
  ASSERT_EQ(rig.View.Scores.size(), 1U);
  EXPECT_TRUE(rig.View.Scores[0].Listed);
  EXPECT_TRUE(std::filesystem::exists(folder.GameFile("nothing.tpl")));
  EXPECT_FALSE(rig.Game->InGame());
}

TEST(GameControllerTest, SaveAndLoadKeepTheGameAndClearThePhases) {
  TGameFolder folder("save");
  folder.WritePopups(1, 0, {"", "", ""});
  TGameRig rig(folder, 13);
  rig.Game->NewGame("Olav", 4, 2);
  PlaySeason(rig);
  rig.Game->MarketVisited(true);
  rig.Policy.PrepareSeason(*rig.Game);
  const std::int32_t standing = rig.Game->ChiefStanding();
  const std::int32_t popupIndex = rig.Game->PopupIndex();
  const std::int32_t countdown = rig.Game->CatastropheCountdown();
  const TVillage village = rig.Game->Village();
  ASSERT_TRUE(rig.Game->SaveGame(folder.GameFile("mid.tun")));
  // The entry of the ended game with the loaded score is taken off the list.
  TScoreList list;
  list.Insert("Olav", static_cast<std::int32_t>(village.Score()));
  list.Insert("Olav", 999);
  folder.Write("Game/nothing.tpl", list.ToBytes());

  PlaySeason(rig);
  PlaySeason(rig);
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("mid.tun")));
  EXPECT_EQ(rig.Game->ChiefStanding(), standing);
  EXPECT_EQ(rig.Game->PopupIndex(), popupIndex);
  EXPECT_EQ(rig.Game->CatastropheCountdown(), countdown);
  EXPECT_TRUE(rig.Game->TradedThisYear());
  EXPECT_FALSE(rig.Game->ButtonVisible(TGameButton::Trade));
  EXPECT_FALSE(rig.Game->CouncilHeld() || rig.Game->DecisionsTaken());
  EXPECT_EQ(rig.Game->ChiefFace(), 4);
  EXPECT_EQ(rig.Game->Village().People.size(), village.People.size());
  EXPECT_EQ(rig.Game->Village().Season, village.Season);
  EXPECT_EQ(rig.Game->HumanFigures().size(), village.People.size());
  EXPECT_EQ(rig.View.People.size(), village.People.size());
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(folder.GameFile("nothing.tpl"), bytes));
  EXPECT_EQ(TScoreList::FromBytes(bytes).At(1), (TScoreEntry{"Olav", 999}));
  EXPECT_EQ(TScoreList::FromBytes(bytes).At(2), TScoreEntry{});
  EXPECT_EQ(PlaySeason(rig), TSeasonChange::Changed);
}

TEST(GameControllerTest, LoadedValuesAtTheEndsOfTheirRangesPlayOn) {
  TGameFolder folder("extremes");
  folder.WritePopups(0, 0, {"", ""});
  TSavedGame saved;
  saved.ChiefName = "Ragnar";
  saved.ChiefStanding = 1000;
  saved.PopupSeasonCounter = std::numeric_limits<std::int32_t>::max();
  saved.PopupIndex = std::numeric_limits<std::int32_t>::max();
  saved.CatastropheCountdown = std::numeric_limits<std::int32_t>::min();
  SaveSavedGame(folder.GameFile("edge.tun"), saved);
  TGameRig rig(folder, 19);
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("edge.tun")));
  EXPECT_EQ(rig.Game->ChiefStanding(), 20);
  EXPECT_EQ(PlaySeason(rig), TSeasonChange::Changed);
  EXPECT_EQ(rig.Game->PopupIndex(), 0);
  EXPECT_EQ(rig.Game->PopupSeasonCounter(), 0);
}

TEST(GameControllerTest, FailingLoadLeavesTheGameInPlayWhole) {
  TGameFolder folder("badload");
  folder.Write("Game/bad.tun", "not a saved game at all");
  TGameRig rig(folder, 15);
  rig.Game->NewGame("Olav", 0, 0);
  PlaySeason(rig);
  rig.HearCouncil();
  const auto people = rig.Game->Village().People.size();
  const auto figures = rig.View.People;
  EXPECT_FALSE(rig.Game->LoadGame(folder.GameFile("missing.tun")));
  EXPECT_FALSE(rig.Game->LoadGame(folder.GameFile("bad.tun")));
  EXPECT_EQ(rig.View.Messages, (std::vector<std::string>{"Kan ikke åpne filen", "Feil filformat"}));
  EXPECT_EQ(rig.Game->Village().People.size(), people);
  EXPECT_EQ(rig.View.People, figures);
  EXPECT_TRUE(rig.Game->CouncilHeld());
  EXPECT_EQ(rig.Game->ChiefStanding(), 3);
  EXPECT_EQ(rig.Game->Village().Season, TSeason::Winter);
}

TEST(GameControllerTest, ChoicesAreCheckedBeforeTheyChangeAnything) {
  TGameFolder folder("choices");
  TGameRig rig(folder, 17);
  rig.Game->NewGame("Olav", 0, 0);
  const THumanFigure* child = nullptr;
  for (const THumanFigure& figure : rig.Game->HumanFigures()) {
    if (!figure.InWork) child = &figure;
  }
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(rig.Game->SetWork(child->Id, TWorkKind::Farming).Accepted);
  EXPECT_EQ(child->Person->Work, TWorkKind::Idle);
  EXPECT_FALSE(rig.Game->SetWork(999999, TWorkKind::Farming).Accepted);

  const std::vector<TAnimalFigure> cows = rig.Game->AnimalFigures(TAnimalKind::Cow);
  ASSERT_GE(cows.size(), 2U);
  const std::uint16_t herd = rig.Game->Village().AnimalCount(TAnimalKind::Cow);
  EXPECT_TRUE(rig.Game->MarkForSlaughter(cows[0].Id).Accepted);
  EXPECT_FALSE(rig.Game->MarkForSlaughter(cows[0].Id).Accepted);
  EXPECT_TRUE(rig.Game->MarkForSlaughter(cows[1].Id).Accepted);
  EXPECT_TRUE(rig.View.Animals.at(cows[0].Id));
  EXPECT_EQ(rig.Game->Village().AnimalCount(TAnimalKind::Cow), herd);
  rig.HearCouncil();
  rig.Policy.DivideWork(*rig.Game);
  rig.Game->TakeDecisions();
  ASSERT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Changed);
  EXPECT_FALSE(rig.View.Animals.contains(cows[0].Id) || rig.View.Animals.contains(cows[1].Id));
  EXPECT_LE(rig.Game->Village().AnimalCount(TAnimalKind::Cow), herd - 2);
  // The report tells what the slaughter gave.
  ASSERT_TRUE(rig.View.LastReport.has_value());
  EXPECT_EQ(rig.View.LastReport->SlaughterText, "Slakten av 2 kyr ga 8 i mat, nok til 8 voksne i en årstid.");
}

// The first meeting of a game draws its advice and its tasks once, and nothing else:
// a generator replayed through the steps of a new game stands where the game's stands.
TEST(GameControllerTest, ANewGameDrawsItsFirstMeetingOnce) {
  TGameFolder folder("first-meeting");
  folder.Write("tunstad.ini", "[Tunstad]\nSOUND=OFF\nCATASTROPHY_RANDOM=3\n");
  TGameRig rig(folder, 42);
  TRandom replay = rig.Random;
  rig.Game->NewGame("Olav", 0, 1);

  TRandom unused(1);
  TCollectingMessageSink sink;
  TAdviceGenerator advice(rig.Settings.DataPath() + "advice.txt", sink);
  TDecisionGenerator decisions(rig.Settings.DataPath() + std::string(DecisionFileNames[TAdviceSeason::Autumn]), unused,
                               sink);
  TVillage::CreateForLand(1, replay);
  replay.Random(rig.Settings.CatastrophyRandom());
  advice.SelectAdvice(TAdviceSeason::Autumn, replay);
  decisions.DrawOptions(replay);
  EXPECT_EQ(rig.Random.Random(1 << 30), replay.Random(1 << 30));
}

// The council view tells the game when its fifth adviser is heard, just before that
// adviser's own advice: the buttons open at once, and his recording plays once.
TEST(GameControllerTest, TheMeetingsEndOpensTheButtonsAndEachRecordingPlaysOnce) {
  TGameFolder folder("all-heard");
  std::filesystem::create_directories(folder.Root / "Sound");
  folder.Write("Sound/a.wav", "");
  TGameRig rig(folder, 9);
  rig.Game->NewGame("Olav", 0, 0);
  for (int area = 0; area < AdviceAreaCount - 1; ++area) rig.Game->HearAdviser(area);
  EXPECT_FALSE(rig.Game->CouncilHeld());
  rig.Game->AllAdvisersHeard();
  EXPECT_TRUE(rig.Game->CouncilHeld());
  EXPECT_TRUE(rig.Game->ButtonVisible(TGameButton::Decisions));
  EXPECT_EQ(rig.View.Waves.size(), 4U);
  rig.Game->HearAdviser(AdviceAreaCount - 1);
  EXPECT_EQ(rig.View.Waves.size(), 5U);
  EXPECT_EQ(rig.Game->HeardCount(), AdviceAreaCount);
}

TEST(GameControllerTest, AnIncompleteDecisionFileSaysWhatIsMissing) {
  TGameFolder folder("incomplete");
  folder.Write("Data/" + std::string(DecisionFileNames[TAdviceSeason::Autumn]), "GRUPP 1\n- a\nEND\n");
  TGameRig rig(folder, 3);
  rig.Game->NewGame("Olav", 0, 0);
  rig.HearCouncil();
  rig.Game->TakeDecisions();
  ASSERT_FALSE(rig.View.Messages.empty());
  const std::string& message = rig.View.Messages.front();
  EXPECT_EQ(message.rfind("Noen oppgaver mangler i filene:\n", 0), 0U) << message;
  EXPECT_NE(message.find(": gruppe 2 har ingen oppgave"), std::string::npos) << message;
  EXPECT_NE(message.find(": gruppe FEL har færre enn to ulike oppgaver"), std::string::npos) << message;
}

TEST(GameControllerTest, RatingAndStatusPicture) {
  TVillage village;
  village.Trade.Goods.fill(0);
  village.Trade.Demands.fill(0);
  const TRatingFactors factors = TGameController::FactorsOf(village, 20);
  EXPECT_EQ(factors.Standing, 1.0L);
  EXPECT_EQ(TGameController::RatingOf(village, 20, false), factors.Survival / 0.25L);
  EXPECT_EQ(TGameController::RatingOf(village, 20, true), factors.Survival * factors.Trade / 0.125L);
  EXPECT_EQ(TGameController::RatingOf(village, -20, false), 0.0L);
  EXPECT_EQ(TGameController::ClampedStanding(21), 20);
  EXPECT_EQ(TGameController::ClampedStanding(-400), -20);
  EXPECT_EQ(TGameController::AdviceSeasonOf(TSeason::Summer, TSpecialSituation::None), TAdviceSeason::Summer);
  EXPECT_EQ(TGameController::AdviceSeasonOf(TSeason::Autumn, TSpecialSituation::Frost), TAdviceSeason::Frost);
}

}  // namespace
}  // namespace fjordheim
