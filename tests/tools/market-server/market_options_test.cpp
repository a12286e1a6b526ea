#include "tools/market-server/market_options.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/market-server/market_log.h"
#include "tools/market-server/roster.h"

namespace fjordheim {
namespace {

TEST(ParseMarketArguments, ReadsEveryOptionInBothSpellingsAndKeepsTheClassroomDefaults) {
  const auto defaults = ParseMarketArguments({});
  ASSERT_TRUE(defaults.Options);
  EXPECT_EQ(defaults.Options->Port, 5556);
  EXPECT_EQ(defaults.Options->MaxClients, 1000U);
  EXPECT_TRUE(defaults.Options->ListenAddress.empty());

  const auto parsed = ParseMarketArguments(
      {"--port=0", "--listen", "192.168.1.20", "--roster=klasse 5B.txt", "--log", "marked.log", "--max-clients", "30"});
  ASSERT_TRUE(parsed.Options) << parsed.Error;
  EXPECT_EQ(parsed.Options->Port, 0);
  EXPECT_EQ(parsed.Options->ListenAddress, "192.168.1.20");
  EXPECT_EQ(parsed.Options->RosterFile, "klasse 5B.txt");
  EXPECT_EQ(parsed.Options->LogFile, "marked.log");
  EXPECT_EQ(parsed.Options->MaxClients, 30U);
}

TEST(ParseMarketArguments, RefusesWhatItCannotUseWithTheReason) {
  EXPECT_EQ(ParseMarketArguments({"--port", "65536"}).Error,
            "--port wants a port number from 0 to 65535 (0: any free port)");
  EXPECT_EQ(ParseMarketArguments({"--port", "-1"}).Error.substr(0, 7), "--port ");
  EXPECT_EQ(ParseMarketArguments({"--max-clients=0"}).Error.substr(0, 14), "--max-clients ");
  EXPECT_EQ(ParseMarketArguments({"--roster"}).Error, "--roster wants a value");
  EXPECT_EQ(ParseMarketArguments({"--log="}).Error, "--log wants a value");
  EXPECT_EQ(ParseMarketArguments({"--verbose"}).Error, "unknown argument '--verbose'");
  EXPECT_TRUE(ParseMarketArguments({"--help"}).Options->Help);
}

TEST(TMarketLog, WritesTheStatusLineAndTheDatedLogLine) {
  std::ostringstream console;
  TMarketLog log(console);
  const std::string path = ::testing::TempDir() + "market_log_test.log";
  std::remove(path.c_str());
  ASSERT_TRUE(log.OpenFile(path));
  TMarketLogEntry event{TMarketLogEntry::TKind::Login, 3, "Åse", "10.0.0.5", {}, 4};
  log.Write(event, std::chrono::system_clock::now());
  event.Kind = TMarketLogEntry::TKind::Drop;
  event.Reason = "connection closed";
  event.Present = 3;
  log.Write(event, std::chrono::system_clock::now());

  EXPECT_NE(console.str().find("  login   #3 Åse from 10.0.0.5, 4 present\n"), std::string::npos);
  std::ifstream file(path);
  std::string first;
  std::string second;
  std::getline(file, first);
  std::getline(file, second);
  EXPECT_TRUE(first.ends_with("  login   #3 Åse from 10.0.0.5, 4 present"));
  EXPECT_TRUE(second.ends_with("  dropped #3 Åse from 10.0.0.5: connection closed, 3 present"));
  EXPECT_EQ(second[4], '-');
  EXPECT_EQ(second[13], ':');
  EXPECT_FALSE(TMarketLog(console).OpenFile(::testing::TempDir() + "no/such/folder/x.log"));
}

}  // namespace
}  // namespace fjordheim
