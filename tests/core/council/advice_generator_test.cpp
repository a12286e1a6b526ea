#include "core/council/advice_generator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fjordheim {
namespace {

using Lines = std::vector<std::string>;

// One advice per area for summer, with the adviser's area in its text.
Lines FullSummer() {
  Lines lines;
  for (std::string_view area : AdviceAreaKeywords) {
    lines.push_back("NODE SUMMER " + std::string(area));
    lines.push_back("+" + std::string(area) + " says");
    lines.push_back("-" + std::string(area) + ".wav");
    lines.push_back("ENDNODE");
  }
  return lines;
}

TEST(AdviceGenerator, EachAdviserGetsTheAdviceOfHisOwnArea) {
  TAdviceGenerator generator(FullSummer(), "advice.txt");
  TRandom random(3);
  generator.SelectAdvice(TAdviceSeason::Summer, random);
  for (int area = 0; area < AdviceAreaCount; ++area) {
    const std::string keyword(AdviceAreaKeywords[static_cast<std::size_t>(area)]);
    EXPECT_EQ(generator.AdviceText(area), keyword + " says");
    ASSERT_NE(generator.AdviceNode(area), nullptr);
    EXPECT_EQ(generator.AdviceNode(area)->Sound, keyword + ".wav");
  }
  EXPECT_EQ(generator.AdviceNode(5), nullptr);
  EXPECT_EQ(generator.AdviceNode(-1), nullptr);
}

TEST(AdviceGenerator, AnAreaMissingFromThePoolLeavesThatAdviserWithoutTextAndSaysSo) {
  Lines lines = FullSummer();
  lines.erase(lines.begin() + 8, lines.begin() + 12);  // the HUNTING node
  TAdviceGenerator generator(lines, "advice.txt");
  EXPECT_EQ(generator.AdviceNode(0), nullptr);  // nothing drawn before the first meeting
  TRandom random(3);
  generator.SelectAdvice(TAdviceSeason::Summer, random);
  EXPECT_EQ(generator.AdviceText(2), "");
  EXPECT_EQ(generator.AdviceNode(2), nullptr);
  EXPECT_EQ(generator.AdviceText(3), "AGRICULTURE says");

  const std::vector<std::string> missing = generator.MissingAdvice();
  EXPECT_EQ(missing.size(), 1u + 5u * 5u);
  EXPECT_EQ(missing.front(), "advice.txt: no advice for SUMMER HUNTING");
  generator.SelectAdvice(TAdviceSeason::Frost, random);
  EXPECT_EQ(generator.AdviceText(0), "");
}

TEST(AdviceGenerator, ListsEveryLineThatNoPoolTookAnythingFrom) {
  const Lines lines = {
      "+Text without node",
      "",
      "NODE WINTER PEOPLE",
      "+replaced text",
      "+spoken text",
      "-spoken.wav",
      "NODE SUMMERS CATTLE",
      "ENDNODE",
      "NODE FROST CATTLE",
      "+Frost advice",
      "-frost.wav",
      "+left without sound",
      "endnode",
  };
  const TAdviceGenerator generator(lines, "Data/advice.txt");
  EXPECT_EQ(generator.IgnoredLines(), (std::vector<std::string>{
                                          "Data/advice.txt:1: ignored: \"+Text without node\"",
                                          "Data/advice.txt:4: ignored: \"+replaced text\"",
                                          "Data/advice.txt:7: ignored: \"NODE SUMMERS CATTLE\"",
                                          "Data/advice.txt:12: ignored: \"+left without sound\"",
                                      }));
}

class AdviceFile : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder = std::filesystem::temp_directory_path() /
              ("fjordheim_advice_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(FFolder);
  }
  void TearDown() override { std::filesystem::remove_all(FFolder); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = FFolder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  std::filesystem::path FFolder;
};

TEST_F(AdviceFile, IsReadAsWindows1252AndEveryAdviceSeasonGetsItsPool) {
  const std::string path = Write("advice.txt",
                                 "NODE FIRE MISCELLANEOUS\r\n+Sl\xE5 ild med vann, h\xF8vding!\r\n- brann.wav\r\n"
                                 "ENDNODE\r\nNODE SPRING PEOPLE\r\n+v\xE5r\r\n-v.wav\r\nENDNODE\r\n");
  TCollectingMessageSink sink;
  TAdviceGenerator generator(path, sink);
  EXPECT_TRUE(sink.Messages.empty());
  TRandom random(1);
  generator.SelectAdvice(TAdviceSeason::Fire, random);
  EXPECT_EQ(generator.AdviceText(4), "Slå ild med vann, høvding!");
  EXPECT_EQ(generator.AdviceNode(4)->Sound, "brann.wav");
  EXPECT_EQ(generator.Group(TAdviceSeason::Spring).Nodes().size(), 1u);
  EXPECT_TRUE(generator.Group(TAdviceSeason::Summer).Nodes().empty());
}

TEST_F(AdviceFile, AnUnreadableFileIsReportedOncePerAdviceSeasonAndTheMeetingGoesOn) {
  const std::string path = (FFolder / "missing.txt").string();
  TCollectingMessageSink sink;
  TAdviceGenerator generator(path, sink);
  EXPECT_EQ(sink.Messages, std::vector<std::string>(6, "Kan inte läsa filen: " + path));
  TRandom random(1);
  generator.SelectAdvice(TAdviceSeason::Winter, random);
  for (int area = 0; area < AdviceAreaCount; ++area) EXPECT_EQ(generator.AdviceNode(area), nullptr);
  EXPECT_EQ(generator.MissingAdvice().size(), 30u);

  TCollectingMessageSink groupSink;
  TAdviceGroup group;
  group.ReadSeason(path, "SUMMER", groupSink);
  EXPECT_EQ(groupSink.Messages, std::vector<std::string>{"Kan inte läsa filen: " + path});
}

}  // namespace
}  // namespace fjordheim
