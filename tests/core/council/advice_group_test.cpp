#include "core/council/advice_group.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace fjordheim {
namespace {

using Lines = std::vector<std::string>;

TAdviceGroup Read(const Lines& lines, const char* season) {
  TAdviceGroup group;
  group.ReadSeason(lines, season);
  return group;
}

std::vector<std::string> Texts(const TAdviceGroup& group) {
  std::vector<std::string> texts;
  for (const TAdviceNode& node : group.Nodes()) texts.push_back(node.Text);
  return texts;
}

const Lines WorkedExample = {
    "NODE SUMMER PEOPLE",
    "+ We need more hands for the harvest.",
    "- speech_a.wav",
    "+ Let the young ones help in the fields.",
    "- speech_b.wav",
    "ENDNODE",
    "node winter cattle",
    "+ Keep the cows inside.",
    "- speech_c.wav",
    "endnode",
};

TEST(AdviceReadSeason, WorkedExampleGivesTwoSummerAdviceAndSkipsTheWinterNode) {
  const TAdviceGroup summer = Read(WorkedExample, "SUMMER");
  ASSERT_EQ(summer.Nodes().size(), 2u);
  EXPECT_EQ(summer.Nodes()[0].Area, TAdviceArea::People);
  EXPECT_EQ(summer.Nodes()[0].Text, "We need more hands for the harvest.");
  EXPECT_EQ(summer.Nodes()[0].Sound, "speech_a.wav");
  EXPECT_EQ(summer.Nodes()[1].Text, "Let the young ones help in the fields.");
  EXPECT_EQ(summer.Nodes()[1].Sound, "speech_b.wav");

  const TAdviceGroup winter = Read(WorkedExample, "winter");
  ASSERT_EQ(winter.Nodes().size(), 1u);
  EXPECT_EQ(winter.Nodes()[0].Area, TAdviceArea::Cattle);
  EXPECT_EQ(winter.Nodes()[0].Text, "Keep the cows inside.");
}

TEST(AdviceReadSeason, HeaderKeywordsArePrefixesInAnyLetterCase) {
  const Lines lines = {
      "NODESUMMERHUNTING", "+joined", "-a.wav", "ENDNODE",
      "   Node  Summer   Agriculture and more words", "+spaced", "-b.wav", "EndNode",
      "NODE SUMMERS PEOPLE", "+summers", "-c.wav", "ENDNODE",
      "NODE SUMMER FISHING", "+unknown area", "-d.wav", "ENDNODE",
      "NODE SUMMER miscellaneous", "+last", "-e.wav", "endnode",
  };
  const TAdviceGroup group = Read(lines, "SUMMER");
  EXPECT_EQ(Texts(group), (std::vector<std::string>{"joined", "spaced", "last"}));
  EXPECT_EQ(group.Nodes()[0].Area, TAdviceArea::Hunting);
  EXPECT_EQ(group.Nodes()[1].Area, TAdviceArea::Agriculture);
  EXPECT_EQ(group.Nodes()[2].Area, TAdviceArea::Miscellaneous);
}

TEST(AdviceReadSeason, TextAndSoundLinesPairUpAsWritten) {
  const Lines lines = {
      "NODE FROST PEOPLE",
      "- alone.wav",
      "  +   first text",
      "+Second text, Kept As Written: æøå ÆØÅ",
      "  -  both.wav  ",
      "a stray line",
      "+ never spoken",
      "ENDNODE",
  };
  const TAdviceGroup group = Read(lines, "FROST");
  ASSERT_EQ(group.Nodes().size(), 2u);
  EXPECT_EQ(group.Nodes()[0].Text, "");
  EXPECT_EQ(group.Nodes()[0].Sound, "alone.wav");
  EXPECT_EQ(group.Nodes()[1].Text, "Second text, Kept As Written: æøå ÆØÅ");
  EXPECT_EQ(group.Nodes()[1].Sound, "both.wav");
}

TEST(AdviceReadSeason, OnlyAnExactEndLineClosesANode) {
  const Lines lines = {
      "NODE FIRE CATTLE", "+one", "-1.wav", "ENDNODE.",
      "+two", "-2.wav", "ENDNODE",
      "+outside", "-3.wav",
  };
  EXPECT_EQ(Texts(Read(lines, "FIRE")), (std::vector<std::string>{"one", "two"}));
}

TEST(AdviceReadSeason, UnclosedNodeRunsIntoTheNextHeaderAndToTheEndOfTheFile) {
  const Lines lines = {
      "NODE SPRING PEOPLE", "+a", "-a.wav",
      "NODE SPRING CATTLE", "+b", "-b.wav", "ENDNODE",
      "NODE SPRING HUNTING", "+c", "-c.wav",
  };
  const TAdviceGroup group = Read(lines, "SPRING");
  ASSERT_EQ(group.Nodes().size(), 3u);
  EXPECT_EQ(group.Nodes()[0].Area, TAdviceArea::People);
  EXPECT_EQ(group.Nodes()[1].Area, TAdviceArea::People);
  EXPECT_EQ(group.Nodes()[2].Area, TAdviceArea::Hunting);
}

TEST(AdvicePickRandom, DrawsUntilTheAreaMatchesSoEachAdviceOfTheAreaIsEquallyLikely) {
  const Lines lines = {"NODE SUMMER CATTLE", "+c1", "-x", "+c2", "-x", "+c3", "-x", "ENDNODE",
                       "NODE SUMMER PEOPLE", "+p1", "-x", "ENDNODE",
                       "NODE SUMMER CATTLE", "+c4", "-x", "ENDNODE"};
  const TAdviceGroup group = Read(lines, "SUMMER");
  TRandom random(7);
  TRandom replay(7);
  std::map<std::string, int> counts;
  for (int draw = 0; draw < 5000; ++draw) {
    const TAdviceNode* node = group.PickRandom(TAdviceArea::People, random);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->Text, "p1");
    while (group.Nodes()[static_cast<std::size_t>(replay.Random(5))].Area != TAdviceArea::People) {
    }
    counts[group.PickRandom(TAdviceArea::Cattle, random)->Text]++;
    while (group.Nodes()[static_cast<std::size_t>(replay.Random(5))].Area != TAdviceArea::Cattle) {
    }
  }
  EXPECT_EQ(random.Random(1000000), replay.Random(1000000));
  ASSERT_EQ(counts.size(), 4u);
  for (const auto& [text, count] : counts) EXPECT_NEAR(count, 1250, 150) << text;
}

TEST(AdvicePickRandom, AnAreaWithoutAdviceGivesNoneInsteadOfDrawingForever) {
  const TAdviceGroup group = Read({"NODE SUMMER PEOPLE", "+p", "-p.wav"}, "SUMMER");
  TRandom random(1);
  EXPECT_EQ(group.PickRandom(TAdviceArea::Hunting, random), nullptr);
  EXPECT_EQ(TAdviceGroup().PickRandom(TAdviceArea::People, random), nullptr);
}

}  // namespace
}  // namespace fjordheim
