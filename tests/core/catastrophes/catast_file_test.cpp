#include "core/catastrophes/catast_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fjordheim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(CatastFile, ReadsTheWorkedExampleLineByLine) {
  const TCatastFile file = TCatastFile::FromLines({"NODE _Visit", "* Guests from the south", "- visit.bmp",
                                                   "+ visit.wav", "A ship has come with traders.", "",
                                                   "They stay for the winter.", "ENDNODE"});
  ASSERT_EQ(file.Nodes.size(), 1U);
  const TCatastNode& node = file.Nodes[0];
  EXPECT_EQ(node.Key, "_Visit");
  EXPECT_EQ(node.Heading, "Guests from the south");
  EXPECT_EQ(node.Picture, "visit.bmp");
  EXPECT_EQ(node.Sound, "visit.wav");
  EXPECT_THAT(node.Text, ElementsAre("A ship has come with traders.", "", "They stay for the winter."));
  EXPECT_THAT(file.IgnoredLines("Catasts.txt"), IsEmpty());
}

TEST(CatastFile, HeaderIsNodeInCapitalsAfterLeadingBlanksWithOrWithoutABlankBeforeTheKey) {
  const TCatastFile file = TCatastFile::FromLines(
      {"NODE_Fire", "ENDNODE", "  \tNODE   _Frost  ", "endnode", "node _Visit", "ENDNODE", "NODES x", "EndNode"});
  ASSERT_EQ(file.Nodes.size(), 3U);
  EXPECT_EQ(file.Nodes[0].Key, "_Fire");
  EXPECT_EQ(file.Nodes[1].Key, "_Frost");
  EXPECT_EQ(file.Nodes[2].Key, "S x");
  // The lower-case header opens nothing, so it and the end line after it are passed over.
  EXPECT_THAT(file.IgnoredLines("Data/Catasts.txt"),
              ElementsAre("Data/Catasts.txt:5: ignored: \"node _Visit\"", "Data/Catasts.txt:6: ignored: \"ENDNODE\"",
                          "Data/Catasts.txt:7: unknown key: \"NODES x\""));
}

TEST(CatastFile, BodyLinesAreTrimmedAndLaterMarkedLinesReplaceEarlierOnes) {
  const TCatastFile file = TCatastFile::FromLines({"NODE _Dryness", "+ first.wav", "   *  Tørke  ", "+second.wav",
                                                   "-", "   indented text  ", "\t", "* Ingen regn", "ENDNODE"});
  ASSERT_EQ(file.Nodes.size(), 1U);
  const TCatastNode& node = file.Nodes[0];
  EXPECT_EQ(node.Sound, "second.wav");
  EXPECT_EQ(node.Picture, "");
  EXPECT_EQ(node.Heading, "Ingen regn");
  EXPECT_THAT(node.Text, ElementsAre("indented text", ""));
}

TEST(CatastFile, UnclosedEventRunsIntoTheNextOne) {
  const TCatastFile file = TCatastFile::FromLines({"NODE _Visit", "* Gjester", "- visit.bmp", "+ visit.wav",
                                                   "Et skip.", "  NODE _Fire", "* Brann", "- fire.bmp",
                                                   "+ fire.wav", "Det brenner.", "ENDNODE", "NODE _Frost", "ENDNODE"});
  ASSERT_EQ(file.Nodes.size(), 2U);
  const TCatastNode& first = file.Nodes[0];
  EXPECT_EQ(first.Key, "_Visit");
  EXPECT_EQ(first.Heading, "Brann");
  EXPECT_EQ(first.Picture, "fire.bmp");
  EXPECT_EQ(first.Sound, "fire.wav");
  EXPECT_THAT(first.Text, ElementsAre("Et skip.", "NODE _Fire", "Det brenner."));
  EXPECT_EQ(file.Nodes[1].Key, "_Frost");
  EXPECT_THAT(file.IgnoredLines("Catasts.txt"), ElementsAre("Catasts.txt:1: not closed: \"NODE _Visit\""));
}

TEST(CatastFile, EventStillOpenAtTheEndOfTheFileIsKeptAndNoHeadingLineMeansAnEmptyOne) {
  const TCatastFile file = TCatastFile::FromLines({"NODE _GoodHunting", "- fisk.bmp", "Mye fisk."});
  ASSERT_EQ(file.Nodes.size(), 1U);
  EXPECT_EQ(file.Nodes[0].Heading, "");
  EXPECT_EQ(file.Nodes[0].Picture, "fisk.bmp");
  EXPECT_THAT(file.Nodes[0].Text, ElementsAre("Mye fisk."));
  EXPECT_THAT(file.IgnoredLines("Catasts.txt"), ElementsAre("Catasts.txt:1: not closed: \"NODE _GoodHunting\""));
  EXPECT_EQ(TCatastFile::FromLines({"NODE"}).Nodes.at(0).Key, "");
}

TEST(CatastFile, ListsEveryNonBlankLineOutsideEventsButNotTheirEndLines) {
  const TCatastFile file =
      TCatastFile::FromLines({"; kommentar", "", "NODE _Fire", "ENDNODE", "  + lost.wav  ", "   ", "ENDNODE"});
  EXPECT_THAT(file.IgnoredLines("Data/Catasts.txt"),
              ElementsAre("Data/Catasts.txt:1: ignored: \"; kommentar\"", "Data/Catasts.txt:5: ignored: \"+ lost.wav\"",
                          "Data/Catasts.txt:7: ignored: \"ENDNODE\""));
}

TEST(CatastFile, BytesAreWindows1252WithAnyLineEnd) {
  const TCatastFile file = TCatastFile::FromBytes("NODE _Frost\r\n* Frost i \xE5ker\rKaldt\nENDNODE\r\n");
  ASSERT_EQ(file.Nodes.size(), 1U);
  EXPECT_EQ(file.Nodes[0].Heading, "Frost i åker");
  EXPECT_THAT(file.Nodes[0].Text, ElementsAre("Kaldt"));
  EXPECT_THAT(TCatastFile::FromBytes("").Nodes, IsEmpty());
}

}  // namespace
}  // namespace fjordheim
