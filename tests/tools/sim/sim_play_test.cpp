#include "tools/sim/sim_play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/sim/sim_options.h"

namespace fjordheim {
namespace {

TEST(PlayGame, PlaysThroughTheTurnCycleAndPrintsTheChronicle) {
  const auto parsed = ParseSimArguments({"--play", "--random-decisions", "--seasons", "12", "--game",
                                         (std::filesystem::temp_directory_path() / "fjordheim-sim-none").string() + "/"});
  ASSERT_TRUE(parsed.Options) << parsed.Error;
  EXPECT_TRUE(parsed.Options->Play && parsed.Options->RandomDecisions);
  EXPECT_EQ(ParseSimArguments({"--game="}).Error, "--game wants a folder");
  // A folder named without its closing slash is the same folder, not the one above it.
  EXPECT_EQ(ParseSimArguments({"--game", "/games/fjordheim"}).Options->GameFolder, "/games/fjordheim/");
  std::ostringstream out;
  std::ostringstream messages;
  const TPlayResult result = PlayGame(*parsed.Options, out, messages);
  EXPECT_GT(result.Seasons, 0);
  EXPECT_LE(result.Seasons, 12);
  EXPECT_EQ(result.Deposed, result.Seasons < 12);
  const std::string csv = out.str();
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), result.Seasons + 1);
  EXPECT_TRUE(csv.starts_with("season,year,"));
  // Without a data set the game still plays; what was missing was said.
  EXPECT_NE(messages.str().find("Kan ikke lese filen"), std::string::npos);
}

// A game folder with only the settings file: one network market the chief passes by, one local
// market with two merchants who have what every land lacks after its first winter.
std::string MarketFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(folder);
  std::ofstream((folder / "tunstad.ini").string())
      << "[Market]\nMARKETS=2\nCPUMERCHANTS=2\n[Market1]\nTYPE=NETWORK\nNAME=Nett\n[Market2]\nNAME=Kaupang\n"
         "CPUMERCHANTS=2\n[CPUMerchant1]\nNAME=Ragnvald\nGOODS=(9,9,9,9,9,9)\nDEMANDS=(0,0,9,9,9,9)\n"
         "[CPUMerchant2]\nNAME=Gunnhild\nGOODS=(9,9,9,9,9,9)\nDEMANDS=(9,9,0,0,9,9)\n";
  return folder.string() + "/";
}

TEST(PlayGame, WithTradeTheChiefVisitsTheLocalMarketOnceAYearAndTrades) {
  const auto parsed = ParseSimArguments({"--play", "--trade", "--seasons", "12", "--game", MarketFolder("fjordheim-sim-market")});
  ASSERT_TRUE(parsed.Options) << parsed.Error;
  int tradingYears = 0;
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    TSimOptions options = *parsed.Options;
    options.Seed = seed;
    std::ostringstream out;
    std::ostringstream messages;
    const TPlayResult result = PlayGame(options, out, messages);
    // Summers come in seasons 3, 7 and 11 of a game that starts in autumn.
    EXPECT_LE(result.TradingYears, (result.Seasons + 1) / 4);
    tradingYears += result.TradingYears;
  }
  EXPECT_GT(tradingYears, 0);
}

TEST(PlayGame, CompareTradePlaysEachSeedWithAndWithout) {
  const auto parsed = ParseSimArguments(
      {"--play", "--compare-trade", "2", "--seed", "5", "--seasons", "6", "--game", MarketFolder("fjordheim-sim-compare")});
  ASSERT_TRUE(parsed.Options) << parsed.Error;
  EXPECT_EQ(ParseSimArguments({"--compare-trade", "0"}).Error, "--compare-trade wants a whole number from 1 to 1000");
  std::ostringstream out;
  std::ostringstream messages;
  CompareTrade(*parsed.Options, out, messages);
  const std::string table = out.str();
  EXPECT_TRUE(table.starts_with("seed  without trade  with trade")) << table;
  EXPECT_NE(table.find("\n5 "), std::string::npos) << table;
  EXPECT_NE(table.find("\n6 "), std::string::npos) << table;
  EXPECT_NE(table.find("average seasons over 2 games"), std::string::npos) << table;
}

TEST(PlayGame, TheChiefWhoReadsOnlyTheForecastLastsAsLongAsTheOneWhoKnowsTheRules) {
  const auto parsed = ParseSimArguments({"--play", "--chief", "forecast", "--seasons", "40", "--game",
                                         (std::filesystem::temp_directory_path() / "fjordheim-sim-chiefs").string() + "/"});
  ASSERT_TRUE(parsed.Options) << parsed.Error;
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    TSimOptions options = *parsed.Options;
    options.Seed = seed;
    std::ostringstream chronicle;
    std::ostringstream messages;
    const TPlayResult forecast = PlayGame(options, chronicle, messages);
    options.Chief = TSimChief::Rules;
    const TPlayResult rules = PlayGame(options, chronicle, messages);
    EXPECT_GE(forecast.Seasons, rules.Seasons) << "seed " << seed;
    EXPECT_FALSE(forecast.Deposed) << "seed " << seed;
  }
}

}  // namespace
}  // namespace fjordheim
