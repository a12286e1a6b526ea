#include "tools/sim/sim_play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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

}  // namespace
}  // namespace fjordheim
