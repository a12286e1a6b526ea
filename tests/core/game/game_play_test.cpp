#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "core/common/lines.h"
#include "core/common/text.h"
#include "core/game/game_controller.h"
#include "tests/core/game/game_fixture.h"

namespace fjordheim {
namespace {

using testing::TGameFolder;
using testing::TGameRig;

// Every person has exactly one figure, on the work page exactly at working age and there at
// the person's work; every animal one figure; the screen's figures are the controller's.
void ExpectInvariants(const TGameRig& rig) {
  const TGameController& game = *rig.Game;
  const TVillage& village = game.Village();
  ASSERT_EQ(game.HumanFigures().size(), village.People.size());
  std::set<const THumanInfo*> people;
  for (const auto& person : village.People) people.insert(person.get());
  std::set<const THumanInfo*> figured;
  for (const THumanFigure& figure : game.HumanFigures()) {
    ASSERT_TRUE(people.contains(figure.Person));
    ASSERT_TRUE(figured.insert(figure.Person).second);
    const bool working = figure.Person->IsYouth() || figure.Person->IsAdult();
    ASSERT_EQ(figure.InWork, working);
    const auto& shown = rig.View.People.at(figure.Id);
    ASSERT_EQ(shown.has_value(), working);
    if (working) {
      ASSERT_EQ(*shown, figure.Person->Work);
    }
  }
  ASSERT_EQ(rig.View.People.size(), village.People.size());
  std::size_t animals = 0;
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    const auto& figures = game.AnimalFigures(static_cast<TAnimalKind>(kind));
    ASSERT_EQ(figures.size(), village.Animals[static_cast<std::size_t>(kind)]);
    for (const TAnimalFigure& figure : figures) ASSERT_FALSE(figure.Marked || rig.View.Animals.at(figure.Id));
    animals += figures.size();
  }
  ASSERT_EQ(rig.View.Animals.size(), animals);
  ASSERT_GE(game.ChiefStanding(), -20);
  ASSERT_LE(game.ChiefStanding(), 20);
  ASSERT_FALSE(game.CouncilHeld() || game.DecisionsTaken());
  ASSERT_GE(game.PopupIndex(), 0);
  ASSERT_LE(game.PopupIndex(), rig.Settings.PopupCount());
  ASSERT_GE(game.StatusPictureIndex(), 0);
  ASSERT_LE(game.StatusPictureIndex(), 3);
}

// Plays the seasons, founding a new village whenever a chief is deposed; returns the chronicle
// of every game, one after the other.
std::string PlaySeasons(TGameRig& rig, int seasons, bool checkEverySeason, int* chiefs = nullptr) {
  std::string history;
  rig.Game->NewGame("Olav", 0, 0);
  for (int season = 0; season < seasons; ++season) {
    const TSeasonChange change = rig.Policy.PlaySeason(*rig.Game);
    EXPECT_NE(change, TSeasonChange::Refused);
    if (change == TSeasonChange::Deposed) {
      history += rig.Game->Chronicle().ToCsv();
      if (chiefs) ++*chiefs;
      rig.Game->NewGame("Olav", 0, season % 3);
    } else if (checkEverySeason) {
      ExpectInvariants(rig);
      if (::testing::Test::HasFatalFailure()) return history;
    }
  }
  return history + rig.Game->Chronicle().ToCsv();
}

TEST(GamePlayTest, FiveHundredSeasonsKeepTheFiguresAndTheVillageInStep) {
  TGameFolder folder("long");
  folder.WriteEvents({"_GoodSummHarvest", "_GoodAutuHarvest", "_Visit", "_Frost", "_Fire", "_Epidemy", "_GoodHunting",
                      "_Dryness"});
  folder.WritePopups(2, 2, {"a.htm", "", "b.htm"});
  for (const std::uint32_t seed : {1U, 2U, 3U, 4U}) {
    TGameRig rig(folder, seed, seed % 2 == 0);
    PlaySeasons(rig, 500, true);
    if (HasFatalFailure()) FAIL() << "seed " << seed;
  }
}

TEST(GamePlayTest, SeededGameReplaysIdentically) {
  TGameFolder folder("replay");
  folder.WriteEvents({"_Epidemy", "_Frost", "_GoodHunting"});
  TGameRig first(folder, 42, false);
  TGameRig second(folder, 42, false);
  const std::string history = PlaySeasons(first, 60, false);
  EXPECT_EQ(history, PlaySeasons(second, 60, false));
  EXPECT_GT(history.size(), 200U);
}

TEST(GamePlayTest, AutosaveAndChronicleAfterEverySeasonNeverOverThePlayersFile) {
  TGameFolder folder("autosave");
  TGameRig rig(folder, 21);
  rig.Game->NewGame("Olav", 0, 0);
  rig.Policy.PlaySeason(*rig.Game);
  rig.Policy.PlaySeason(*rig.Game);
  std::string csv;
  ASSERT_TRUE(ReadWholeFile(folder.GameFile("autosave.csv"), csv));
  EXPECT_EQ(csv, rig.Game->Chronicle().ToCsv());
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("autosave.tun")));
  EXPECT_EQ(rig.Game->Village().Season, TSeason::Spring);

  ASSERT_TRUE(rig.Game->SaveGame(folder.GameFile("autosave.tun")));
  rig.Policy.PlaySeason(*rig.Game);
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("autosave.tun")));
  EXPECT_EQ(rig.Game->Village().Season, TSeason::Spring);
  EXPECT_TRUE(rig.View.Messages.empty());
}

// One installation that nobody may write into, two pupils: each one's saved game and score
// list stay in that pupil's own data folder.
TEST(GamePlayTest, TwoHomesOnOneInstallationKeepTheirOwnScoresAndSaves) {
  namespace fs = std::filesystem;
  TGameFolder folder("homes");
  for (const char* shared : {"Game", "Bookm"}) {
    fs::remove_all(folder.Root / shared);
    folder.Write(shared, "");
  }
  const auto home = [&folder](const std::string& name) { return folder.Root / "home" / name / "fjordheim"; };
  const auto installation = [&home](const std::string& name) {
    return TInstallation{"../", home(name).string() + "/", ""};
  };
  const std::string program = (folder.Root / "bin" / "fjordheim").string();
  for (const auto& [pupil, seed] : {std::pair<std::string, std::uint32_t>{"Astrid", 3}, {"Bjorn", 4}}) {
    TGameRig rig(program, installation(pupil), seed);
    ASSERT_TRUE(rig.Settings.Installed());
    rig.Settings.CreateWritableFolders();
    rig.Game->NewGame(pupil, 0, 0);
    ASSERT_TRUE(rig.Game->SaveGame(rig.Settings.GamePath() + pupil + ".tun"));
    // Past the first year, so that leaving puts the chief on the score list.
    for (int season = 0; season < 4 && rig.Policy.PlaySeason(*rig.Game) != TSeasonChange::Deposed; ++season) {
    }
    if (rig.Game->InGame()) rig.Game->Leave();
    EXPECT_TRUE(rig.View.Messages.empty());
  }
  for (const auto& [pupil, other] : {std::pair<std::string, std::string>{"Astrid", "Bjorn"}, {"Bjorn", "Astrid"}}) {
    std::string scores;
    ASSERT_TRUE(ReadWholeFile((home(pupil) / "Game" / "nothing.tpl").string(), scores)) << pupil;
    EXPECT_NE(scores.find(pupil), std::string::npos);
    EXPECT_EQ(scores.find(other), std::string::npos);
    EXPECT_TRUE(fs::exists(home(pupil) / "Game" / (pupil + ".tun")));
    EXPECT_FALSE(fs::exists(home(pupil) / "Game" / (other + ".tun")));
  }
  EXPECT_TRUE(fs::is_regular_file(folder.Root / "Game"));
}

TEST(GamePlayTest, MissingAdviceAndDecisionsDoNotBlockTheSeason) {
  TGameFolder folder("empty");
  std::filesystem::remove_all(folder.Root / "Data");
  TGameRig rig(folder, 23);
  EXPECT_FALSE(rig.Sink.Messages.empty());
  rig.Game->NewGame("Olav", 0, 0);
  rig.HearCouncil();
  EXPECT_EQ(rig.Game->HearAdviser(2), nullptr);
  EXPECT_TRUE(rig.Game->CouncilHeld());
  rig.Game->TakeDecisions();
  EXPECT_TRUE(rig.Game->DecisionsTaken());
  EXPECT_EQ(rig.Game->ChiefStanding(), 0);
  rig.Policy.DivideWork(*rig.Game);
  EXPECT_EQ(rig.Game->BtnChgSeasonClick(), TSeasonChange::Changed);
}

// Copies the data set of the source tree into a game folder as the build writes it.
void WriteShippedData(const std::filesystem::path& source, const std::filesystem::path& target) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(source)) {
    const auto relative = std::filesystem::relative(entry.path(), source);
    if (entry.is_directory()) {
      std::filesystem::create_directories(target / relative);
    } else {
      std::string text;
      ASSERT_TRUE(ReadWholeFile(entry.path().string(), text));
      std::ofstream(target / relative, std::ios::binary) << Cp1252FromUtf8(text);
    }
  }
}

TEST(GamePlayTest, TwentySeasonsOnTheShippedData) {
  const std::filesystem::path source = std::filesystem::path(FJORDHEIM_SOURCE_DIR) / "data" / "text";
  if (!std::filesystem::exists(source)) GTEST_SKIP() << "no data set in the source tree";
  TGameFolder folder("shipped");
  WriteShippedData(source, folder.Root);
  ASSERT_FALSE(HasFatalFailure());
  TGameRig rig(folder, 2026);
  int chiefs = 0;
  PlaySeasons(rig, 20, true, &chiefs);
  EXPECT_TRUE(rig.Sink.Messages.empty()) << rig.Sink.Messages.front();
  EXPECT_GT(rig.Settings.PopupCount(), 0);
}

}  // namespace
}  // namespace fjordheim
