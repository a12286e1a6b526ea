#include "core/game/chronicle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/common/lines.h"
#include "core/game/saved_game.h"
#include "tests/core/game/game_fixture.h"
#include "tests/core/settings/spoken_language.h"

namespace fjordheim {
namespace {

using testing::TGameFolder;
using testing::TGameRig;

TChronicleRecord Record(TSeason season, std::uint16_t year, std::string event = {}) {
  TChronicleRecord record;
  record.Season = season;
  record.Year = year;
  record.People = {3, 8, 9, 8, 6, 3};
  record.Animals = {8, 7, 9, 15};
  record.FoodRatio = 0.45F;
  record.FoodStore = 19.8875L;
  record.Goods = {2, 3, 2, 1, 1, 1};
  record.Births = {1, 2};
  record.Deaths = {0, 1, 0, 2, 1};
  record.Event = std::move(event);
  record.DecisionScore = -1;
  record.Rating = 0.75L;
  record.Judgement = 0.5L;
  return record;
}

TSeasonChange PlayFed(TGameRig& rig) {
  rig.Game->Village().SetFoodStore(1e9L);
  return rig.Policy.PlaySeason(*rig.Game);
}

TEST(ChronicleCsv, ReadsBackWhatItWroteEventsWithCommasAndQuotesIncluded) {
  TChronicle chronicle;
  chronicle.Add(Record(TSeason::Autumn, 852));
  chronicle.Add(Record(TSeason::Winter, 852, "_Fire, \"big\"\r\nsecond line"));
  chronicle.Add(Record(TSeason::Spring, 853, "_Visit"));
  const std::string csv = chronicle.ToCsv();
  const TChronicleRead read = TChronicle::FromCsv(csv);
  ASSERT_TRUE(read.Ok) << read.Problem;
  ASSERT_EQ(read.Chronicle.Records().size(), 3U);
  EXPECT_EQ(read.Chronicle.Records()[1].Event, "_Fire, \"big\"\r\nsecond line");
  EXPECT_EQ(read.Chronicle.Records()[1].Season, TSeason::Winter);
  EXPECT_EQ(read.Chronicle.Records()[2].Year, 853);
  EXPECT_EQ(read.Chronicle.Records()[0].Deaths, (std::array<std::int32_t, AgeGroupCount>{0, 1, 0, 2, 1}));
  EXPECT_EQ(read.Chronicle.Records()[0].Rating, 0.75L);
  EXPECT_EQ(read.Chronicle.Records()[0].Judgement, 0.5L);
  EXPECT_EQ(read.Chronicle.ToCsv(), csv);
  // A spreadsheet that saved it with Windows line ends is read the same.
  std::string crlf;
  for (const char c : TChronicle::CsvHeader() + "\n" + TChronicle::CsvLine(Record(TSeason::Summer, 853)) + "\n") {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  EXPECT_TRUE(TChronicle::FromCsv(crlf).Ok);
}

// Games saved before the judgement had a column of its own keep their history; the rating
// they kept is the best judgement they know.
TEST(ChronicleCsv, AnOlderChronicleWithoutTheJudgementLoadsWithItsRatingAsJudgement) {
  const std::string line = TChronicle::CsvLine(Record(TSeason::Winter, 852, "_Visit"));
  const std::string older = line.substr(0, line.rfind(','));
  const std::string csv = TChronicle::CsvHeaderWithoutJudgement() + "\n" + older + "\n";
  ASSERT_EQ(TChronicle::CsvHeader().rfind(TChronicle::CsvHeaderWithoutJudgement(), 0), 0U);
  const TChronicleRead read = TChronicle::FromCsv(csv);
  ASSERT_TRUE(read.Ok) << read.Problem;
  ASSERT_EQ(read.Chronicle.Records().size(), 1U);
  EXPECT_EQ(read.Chronicle.Records()[0].Event, "_Visit");
  EXPECT_EQ(read.Chronicle.Records()[0].Judgement, 0.75L);
  // Written again, it has the judgement column.
  EXPECT_EQ(read.Chronicle.ToCsv(), TChronicle::CsvHeader() + "\n" + older + ",0.7500\n");
  // Each header has its own number of fields.
  EXPECT_FALSE(TChronicle::FromCsv(TChronicle::CsvHeaderWithoutJudgement() + "\n" + line + "\n").Ok);
  EXPECT_FALSE(TChronicle::FromCsv(TChronicle::CsvHeader() + "\n" + older + "\n").Ok);
}

TEST(ChronicleCsv, DamageAnywhereRefusesTheWholeFileAndSaysWhere) {
  const std::string header = TChronicle::CsvHeader() + "\n";
  const std::string good = TChronicle::CsvLine(Record(TSeason::Autumn, 852));
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string line = good;
    line.replace(line.find(from), from.size(), to);
    return line;
  };
  struct TCase {
    const char* Damage;
    std::string Csv;
    const char* Problem;
  };
  const TCase cases[] = {
      {"empty file", "", "linje 1: ukjent overskrift"},
      {"another header", "season,year\n", "linje 1: ukjent overskrift"},
      {"cut in the middle of a line", header + good.substr(0, 20) + "\n", "linje 2: feil i linjen"},
      {"an extra field", header + good + ",9\n", "linje 2: feil i linjen"},
      {"a season above 3", header + good + "\n4" + good.substr(1) + "\n", "linje 3: feil i linjen"},
      {"a negative count", header + replaced(",8,7,9,15,", ",8,-7,9,15,") + "\n", "linje 2: feil i linjen"},
      {"a herd beyond 16 bits", header + replaced(",8,7,9,15,", ",8,70000,9,15,") + "\n", "linje 2: feil i linjen"},
      {"no number for food", header + replaced("0.4500", "nan") + "\n", "linje 2: feil i linjen"},
      {"food beyond any game", header + replaced("19.8875", "1e300") + "\n", "linje 2: feil i linjen"},
      {"no number for the judgement", header + replaced(",0.5000", ",x") + "\n", "linje 2: feil i linjen"},
      {"a quote never closed", header + replaced(",,-1,", ",\"open,-1,") + "\n", "linje 2: feil i linjen"},
      {"an empty line", header + good + "\n\n", "linje 3: feil i linjen"},
  };
  for (const TCase& c : cases) {
    const TChronicleRead read = TChronicle::FromCsv(c.Csv);
    EXPECT_FALSE(read.Ok) << c.Damage;
    EXPECT_EQ(read.Problem, c.Problem) << c.Damage;
    EXPECT_TRUE(read.Chronicle.Records().empty() || !read.Ok) << c.Damage;
  }
}

TEST(ChronicleCsv, SitsBesideItsSavedGame) {
  EXPECT_EQ(TChronicle::PathBeside("C:\\Game\\olav.tun"), "C:\\Game\\olav.csv");
  EXPECT_EQ(TChronicle::PathBeside("/g/Game\\olav"), "/g/Game\\olav.csv");
  EXPECT_EQ(TChronicle::PathBeside("/g/v1.2/olav"), "/g/v1.2/olav.csv");
  EXPECT_EQ(TChronicle::PathBeside("/g/.tun"), "/g/.tun.csv");
}

// The chronicle names each season as the status button did while it was played.
TEST(ChronicleOfAGame, NamesEachSeasonWithTheYearItWasPlayedIn) {
  TGameFolder folder("chronicle-years");
  TGameRig rig(folder, 5);
  rig.Game->SetAutosave(false);
  rig.Game->NewGame("Olav", 0, 0);
  std::vector<std::string> captions;
  for (int season = 0; season < 5; ++season) {
    captions.push_back(rig.Game->StatusCaption());
    ASSERT_EQ(PlayFed(rig), TSeasonChange::Changed);
  }
  const auto& records = rig.Game->Chronicle().Records();
  ASSERT_EQ(records.size(), 5U);
  const char* seasons[] = {"Høsten år ", "Vinteren år ", "Våren år ", "Sommeren år "};
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(std::string(seasons[static_cast<int>(records[i].Season)]) + std::to_string(records[i].Year), captions[i]);
  }
  EXPECT_EQ(records[1].Season, TSeason::Winter);
  EXPECT_EQ(records[1].Year, 852);
  EXPECT_EQ(records[2].Year, 853);
}

// A village with far more goods than it wants rates high with trade; a chief who did not
// trade is judged without it, and that is what the chronicle must show.
TEST(ChronicleOfAGame, RecordsTheJudgementTheCouncilJudgedByUpToTheSeasonItDeposed) {
  TGameFolder folder("chronicle-judgement");
  TSavedGame saved;
  saved.ChiefName = "Ragnar";
  saved.ChiefStanding = -20;
  TRandom random(4);
  saved.Village = TVillage::CreateForLand(0, random);
  saved.Village.Trade.Goods = {20, 20, 20, 20, 20, 20};
  saved.Village.Trade.Demands = {1, 1, 1, 1, 1, 1};
  SaveSavedGame(folder.GameFile("rich.tun"), saved);
  TGameRig rig(folder, 21);
  rig.Game->SetAutosave(false);
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("rich.tun")));
  bool overTheLineWithTrade = false;
  TSeasonChange change = TSeasonChange::Changed;
  for (int season = 0; season < 12 && change == TSeasonChange::Changed; ++season) {
    change = rig.Policy.PlaySeason(*rig.Game);
    ASSERT_NE(change, TSeasonChange::Refused);
    const TChronicleRecord& record = rig.Game->Chronicle().Records().back();
    const TVillage& village = rig.Game->Village();
    const std::int32_t standing = rig.Game->ChiefStanding();
    EXPECT_EQ(record.Judgement, TGameController::JudgementOf(village, standing, rig.Game->TradedThisYear()));
    EXPECT_EQ(record.Rating, TGameController::RatingOf(village, standing, true));
    EXPECT_EQ(change == TSeasonChange::Deposed,
              TGameController::DeposedAfterChange(village, standing, rig.Game->TradedThisYear()));
    EXPECT_EQ(change == TSeasonChange::Deposed, record.Judgement < TGameController::DepositionLevel);
    overTheLineWithTrade = record.Rating >= TGameController::DepositionLevel;
  }
  ASSERT_EQ(change, TSeasonChange::Deposed);
  EXPECT_FALSE(rig.Game->TradedThisYear());
  EXPECT_TRUE(overTheLineWithTrade) << "the rating with trade would have stood above the line";
}

TEST(ChronicleOfAGame, TheWinterOfTheLastYearKeepsItsYear) {
  TGameFolder folder("chronicle-last-year");
  TSavedGame saved;
  saved.ChiefName = "Ragnar";
  saved.Village.Season = TSeason::Winter;
  saved.Village.Year = 65535;
  SaveSavedGame(folder.GameFile("last.tun"), saved);
  TGameRig rig(folder, 9);
  rig.Game->SetAutosave(false);
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("last.tun")));
  ASSERT_NE(PlayFed(rig), TSeasonChange::Refused);
  ASSERT_EQ(rig.Game->Chronicle().Records().size(), 1U);
  EXPECT_EQ(rig.Game->Chronicle().Records()[0].Season, TSeason::Winter);
  EXPECT_EQ(rig.Game->Chronicle().Records()[0].Year, 65535);
}

TEST(ChronicleOfAGame, SavedBesideTheGameAndLoadedWithItSoThePlayGoesOnWithoutAGap) {
  TGameFolder folder("chronicle-save");
  {
    TGameRig rig(folder, 13);
    rig.Game->SetAutosave(false);
    rig.Game->NewGame("Olav", 0, 0);
    for (int season = 0; season < 3; ++season) ASSERT_EQ(PlayFed(rig), TSeasonChange::Changed);
    ASSERT_TRUE(rig.Game->SaveGame(folder.GameFile("olav.tun")));
    std::string csv;
    ASSERT_TRUE(ReadWholeFile(folder.GameFile("olav.csv"), csv));
    EXPECT_EQ(csv, rig.Game->Chronicle().ToCsv());
  }
  TGameRig rig(folder, 14);
  rig.Game->SetAutosave(false);
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("olav.tun")));
  EXPECT_EQ(rig.Game->Chronicle().Records().size(), 3U);
  for (int season = 0; season < 2; ++season) ASSERT_EQ(PlayFed(rig), TSeasonChange::Changed);
  const auto& records = rig.Game->Chronicle().Records();
  ASSERT_EQ(records.size(), 5U);
  // Spring and summer carry the year that began at the end of winter.
  const auto ordinal = [](const TChronicleRecord& r) {
    constexpr int offset[] = {0, 1, -2, -1};
    return r.Year * 4 + offset[static_cast<int>(r.Season)];
  };
  for (std::size_t i = 1; i < records.size(); ++i) EXPECT_EQ(ordinal(records[i]), ordinal(records[i - 1]) + 1) << i;
  EXPECT_TRUE(rig.View.Messages.empty());
}

TEST(ChronicleOfAGame, ASaveWithoutItsChronicleOrWithADamagedOneLoadsWithAFreshOne) {
  TGameFolder folder("chronicle-damaged");
  TGameRig rig(folder, 15);
  rig.Game->SetAutosave(false);
  rig.Game->NewGame("Olav", 0, 0);
  ASSERT_EQ(PlayFed(rig), TSeasonChange::Changed);
  ASSERT_TRUE(rig.Game->SaveGame(folder.GameFile("olav.tun")));
  ASSERT_EQ(PlayFed(rig), TSeasonChange::Changed);

  std::filesystem::remove(folder.GameFile("olav.csv"));
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("olav.tun")));
  EXPECT_TRUE(rig.Game->Chronicle().Records().empty());
  EXPECT_TRUE(rig.View.Messages.empty());

  std::ofstream(folder.GameFile("olav.csv"), std::ios::binary) << TChronicle::CsvHeader() << "\n1,852,oops\n";
  ASSERT_TRUE(rig.Game->LoadGame(folder.GameFile("olav.tun")));
  EXPECT_TRUE(rig.Game->InGame());
  EXPECT_TRUE(rig.Game->Chronicle().Records().empty());
  ASSERT_EQ(rig.View.Messages.size(), 1U);
  EXPECT_EQ(rig.View.Messages[0], "Krøniken til spillet er skadet, så den begynner på nytt: " + folder.GameFile("olav.csv"));
  ASSERT_EQ(PlayFed(rig), TSeasonChange::Changed);
  EXPECT_EQ(rig.Game->Chronicle().Records().size(), 1U);
}

// A saved game the player cannot load is told in the language of the game, and the game in
// play goes on.
TEST(ChronicleOfAGame, ADamagedSaveIsToldInTheLanguageOfTheGame) {
  TGameFolder folder("damaged-save-english");
  TGameRig rig(folder, 16);
  rig.Game->SetAutosave(false);
  rig.Game->NewGame("Olav", 0, 0);
  ASSERT_TRUE(rig.Game->SaveGame(folder.GameFile("olav.tun")));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(folder.GameFile("olav.tun"), bytes));
  std::ofstream(folder.GameFile("cut.tun"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  const testing::TSpokenLanguage english(TLanguageCode::English);
  EXPECT_FALSE(rig.Game->LoadGame(folder.GameFile("cut.tun")));
  EXPECT_FALSE(rig.Game->LoadGame(folder.GameFile("missing.tun")));
  EXPECT_EQ(rig.View.Messages, (std::vector<std::string>{"The file has errors or is damaged", "Cannot open the file"}));
  EXPECT_TRUE(rig.Game->InGame());
  EXPECT_EQ(rig.Game->ChiefName(), "Olav");
}

}  // namespace
}  // namespace fjordheim
