#include "tools/sim/sim_options.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

TSimParseResult Parse(std::vector<std::string> arguments) { return ParseSimArguments(arguments); }

TEST(ParseSimArguments, NoArgumentsGiveTheDefaultPlan) {
  const auto parsed = Parse({});
  ASSERT_TRUE(parsed.Options);
  EXPECT_EQ(parsed.Options->Land, 0);
  EXPECT_EQ(parsed.Options->Seasons, 40);
  EXPECT_EQ(parsed.Options->Work.Men, TWorkKind::HuntFish);
  EXPECT_EQ(parsed.Options->Work.Women, TWorkKind::Household);
  EXPECT_EQ(parsed.Options->Work.Youths, TWorkKind::Farming);
  EXPECT_EQ(parsed.Options->Slaughter, (TAnimalCounts{}));
  EXPECT_FALSE(parsed.Options->Events);
}

TEST(ParseSimArguments, ReadsEveryOptionInBothSpellings) {
  const auto parsed = Parse({"--land", "2", "--seed=4294967295", "--seasons", "7", "--work",
                             "women=farming,youths=cattle", "--slaughter=cows=1,hens=12", "--standing", "-20",
                             "--events", "--csv"});
  ASSERT_TRUE(parsed.Options) << parsed.Error;
  const TSimOptions& options = *parsed.Options;
  EXPECT_EQ(options.Land, 2);
  EXPECT_EQ(options.Seed, 4294967295U);
  EXPECT_EQ(options.Seasons, 7);
  EXPECT_EQ(options.Work.Men, TWorkKind::HuntFish);
  EXPECT_EQ(options.Work.Women, TWorkKind::Farming);
  EXPECT_EQ(options.Work.Youths, TWorkKind::Cattle);
  EXPECT_EQ(options.Slaughter, (TAnimalCounts{1, 0, 0, 12}));
  EXPECT_EQ(options.Standing, -20);
  EXPECT_TRUE(options.Events);
  EXPECT_TRUE(options.Csv);
  EXPECT_TRUE(Parse({"-h"}).Options->Help);
}

TEST(ParseSimArguments, RefusesBadArgumentsWithAReason) {
  const std::vector<std::vector<std::string>> bad{
      {"--land", "3"},        {"--land", "x"},          {"--seed", "-1"},        {"--seed", "4294967296"},
      {"--seasons", "1e3"},   {"--seasons", "10001"},   {"--seasons", ""},        {"--seasons"},           {"--work", "men=sleeping"},
      {"--work", "elders=farming"}, {"--work", "men"},  {"--work", ""},          {"--slaughter", "cows=65536"},
      {"--slaughter", "dogs=1"},    {"--slaughter", "cows=1,"}, {"--standing", "21"}, {"--events=yes"},
      {"--fast"},             {"40"}};
  for (const auto& arguments : bad) {
    const auto parsed = Parse(arguments);
    EXPECT_FALSE(parsed.Options) << arguments.front();
    EXPECT_FALSE(parsed.Error.empty()) << arguments.front();
  }
  EXPECT_EQ(Parse({"--land", "5"}).Error, "--land wants 0, 1 or 2");
  EXPECT_EQ(Parse({"--fast"}).Error, "unknown argument '--fast'");
}

TEST(SimUsage, NamesEveryOption) {
  const std::string usage = SimUsage();
  for (const char* option : {"--land", "--seed", "--seasons", "--work", "--slaughter", "--standing", "--events",
                             "--csv", "--help"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace fjordheim
