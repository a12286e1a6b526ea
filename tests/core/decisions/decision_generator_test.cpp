#include "core/decisions/decision_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fjordheim {
namespace {

using Lines = std::vector<std::string>;

const Lines WorkedExample = {
    "GRUPP 1",
    "- Mend the fishing nets",
    "- Dry fish for the winter",
    "END",
    "GRUPP 2",
    "- Gather firewood",
    "END",
    "GRUPP 3",
    "- Salt the meat",
    "END",
    "GRUPP FEL",
    "- Sow the barley",
    "* Nothing grows from seed sown in the frozen ground.",
    "x 1",
    "- Send the cattle to the summer pasture",
    "* The pasture is under snow.",
    "x 2",
    "END",
};

std::vector<std::string> Texts(const std::deque<TDecisionNode>& group) {
  std::vector<std::string> texts;
  for (const TDecisionNode& task : group) texts.push_back(task.Text);
  return texts;
}

std::vector<std::string> OfferedTexts(const TDecisionGenerator& generator) {
  std::vector<std::string> texts;
  for (int i = 0; i < generator.OptionCount(); ++i) texts.push_back(generator.Option(i)->Text);
  return texts;
}

TEST(DecisionFile, WorkedExampleFillsThreeRightGroupsAndTheWrongList) {
  TRandom random(1);
  const TDecisionGenerator generator(WorkedExample, "elsewint.dec", random);
  EXPECT_EQ(Texts(generator.RightGroup(1)), (std::vector<std::string>{"Mend the fishing nets", "Dry fish for the winter"}));
  EXPECT_EQ(Texts(generator.RightGroup(2)), std::vector<std::string>{"Gather firewood"});
  EXPECT_EQ(Texts(generator.RightGroup(3)), std::vector<std::string>{"Salt the meat"});
  for (const TDecisionNode& task : generator.RightGroup(1)) {
    EXPECT_TRUE(task.Right);
    EXPECT_EQ(task.Score, 1);
    EXPECT_EQ(task.Explanation, "");
  }
  ASSERT_EQ(generator.WrongList().size(), 2u);
  EXPECT_FALSE(generator.WrongList()[0]->Right);
  EXPECT_EQ(generator.WrongList()[0]->Text, "Sow the barley");
  EXPECT_EQ(generator.WrongList()[0]->Explanation, "Nothing grows from seed sown in the frozen ground.");
  EXPECT_EQ(generator.WrongList()[0]->Score, -1);
  EXPECT_EQ(generator.WrongList()[1]->Score, -2);
  EXPECT_TRUE(generator.IsComplete());
  EXPECT_TRUE(generator.IgnoredLines().empty());
  EXPECT_EQ(generator.OptionCount(), 5);
}

TEST(DecisionFile, KeywordsKeepTheirLetterCaseAndHeadersArePrefixes) {
  const Lines lines = {
      "   GRUPP1and more", "- joined", "END",
      "grupp 2", "- lower-case header", "END",
      "GRUPP 2", "- second", "end", "- still in group 2", "END.", "- and still", "  END  ",
      "- outside", "GRUPP 4", "- unknown group", "END",
      "GRUPPFEL", "- wrong", "x1", "END",
  };
  TRandom random(1);
  const TDecisionGenerator generator(lines, "elsesumm.dec", random);
  EXPECT_EQ(Texts(generator.RightGroup(1)), std::vector<std::string>{"joined"});
  EXPECT_EQ(Texts(generator.RightGroup(2)), (std::vector<std::string>{"second", "still in group 2", "and still"}));
  EXPECT_EQ(generator.WrongList().size(), 1u);
}

TEST(DecisionFile, AGroupWithoutItsEndRunsIntoTheNextGroupsLines) {
  const Lines lines = {"GRUPP 1", "- one", "GRUPP 2", "- two", "END", "GRUPP 3", "- three", "END",
                       "GRUPP 3", "- four", "END"};
  TRandom random(1);
  const TDecisionGenerator generator(lines, "elsesumm.dec", random);
  EXPECT_EQ(Texts(generator.RightGroup(1)), (std::vector<std::string>{"one", "two"}));
  EXPECT_TRUE(generator.RightGroup(2).empty());
  EXPECT_EQ(Texts(generator.RightGroup(3)), (std::vector<std::string>{"three", "four"}));
}

TEST(DecisionFile, WrongTasksJoinTheListAtEachValidPenaltyLine) {
  const Lines lines = {
      "GRUPP FEL",
      "x 5",
      "- never finished",
      "* its reason",
      "- twice listed",
      "* first reason",
      "x 1",
      "* later reason",
      "x    4",
      "- negative penalty",
      "x -3",
      "- upper-case x",
      "X 2",
      "- not a number",
      "x two",
      "- too large",
      "x 2147483648",
      "- no reason",
      "x +7",
      "END",
  };
  TRandom random(1);
  const TDecisionGenerator generator(lines, "elsefire.dec", random);
  const std::vector<const TDecisionNode*>& wrong = generator.WrongList();
  ASSERT_EQ(wrong.size(), 4u);
  EXPECT_EQ(wrong[0], wrong[1]);
  EXPECT_EQ(wrong[0]->Text, "twice listed");
  EXPECT_EQ(wrong[0]->Score, -4);
  EXPECT_EQ(wrong[0]->Explanation, "later reason");
  EXPECT_EQ(wrong[2]->Text, "negative penalty");
  EXPECT_EQ(wrong[2]->Score, 3);
  EXPECT_EQ(wrong[3]->Text, "no reason");
  EXPECT_EQ(wrong[3]->Explanation, "");
  EXPECT_EQ(wrong[3]->Score, -7);
  EXPECT_EQ(generator.IgnoredLines(), (std::vector<std::string>{
                                          "elsefire.dec:2: ignored: \"x 5\"",
                                          "elsefire.dec:3: ignored: \"- never finished\"",
                                          "elsefire.dec:4: ignored: \"* its reason\"",
                                          "elsefire.dec:12: ignored: \"- upper-case x\"",
                                          "elsefire.dec:13: ignored: \"X 2\"",
                                          "elsefire.dec:14: ignored: \"- not a number\"",
                                          "elsefire.dec:15: ignored: \"x two\"",
                                          "elsefire.dec:16: ignored: \"- too large\"",
                                          "elsefire.dec:17: ignored: \"x 2147483648\"",
                                      }));
}

Lines FileWithWrong(const Lines& wrongLines) {
  Lines lines = {"GRUPP 1", "- a1", "- a2", "END", "GRUPP 2", "- b1", "- b2", "- b3", "END",
                 "GRUPP 3", "- c1", "END", "GRUPP FEL"};
  lines.insert(lines.end(), wrongLines.begin(), wrongLines.end());
  lines.push_back("END");
  return lines;
}

TEST(DrawOptions, AlwaysOffersOneTaskOfEachRightGroupAndTwoDifferentWrongOnes) {
  TRandom random(42);
  TDecisionGenerator generator(FileWithWrong({"- w1", "x 1", "- w2", "x 1", "- w3", "x 2"}), "t.dec", random);
  for (int draw = 0; draw < 500; ++draw) {
    generator.DrawOptions(random);
    ASSERT_EQ(generator.OptionCount(), 5);
    std::set<char> groups;
    std::set<const TDecisionNode*> wrong;
    for (int i = 0; i < 5; ++i) {
      const TDecisionNode* task = generator.Option(i);
      if (task->Right) {
        groups.insert(task->Text[0]);
      } else {
        wrong.insert(task);
      }
    }
    EXPECT_EQ(groups, (std::set<char>{'a', 'b', 'c'}));
    EXPECT_EQ(wrong.size(), 2u);
  }
  EXPECT_EQ(generator.Option(5), nullptr);
}

TEST(DrawOptions, DrawsItsRandomNumbersInTheWrittenOrder) {
  const Lines lines = FileWithWrong({"- w1", "x 1", "- w2", "x 1", "- w3", "x 2", "- w4", "x 3"});
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    TRandom unused(0);
    TDecisionGenerator generator(lines, "t.dec", unused);
    TRandom random(seed);
    generator.DrawOptions(random);

    TRandom replay(seed);
    std::vector<std::string> expected;
    expected.push_back(generator.RightGroup(1)[static_cast<std::size_t>(replay.Random(2))].Text);
    const std::string b = generator.RightGroup(2)[static_cast<std::size_t>(replay.Random(3))].Text;
    expected.insert(expected.begin() + replay.Random(2), b);
    const std::string c = generator.RightGroup(3)[static_cast<std::size_t>(replay.Random(1))].Text;
    expected.insert(expected.begin() + replay.Random(3), c);
    const int first = replay.Random(4);
    int second = 0;
    do {
      second = replay.Random(4);
    } while (second == first);
    expected.insert(expected.begin() + replay.Random(4), "w" + std::to_string(first + 1));
    expected.insert(expected.begin() + replay.Random(5), "w" + std::to_string(second + 1));
    EXPECT_EQ(OfferedTexts(generator), expected) << "seed " << seed;
    EXPECT_EQ(random.Random(1 << 30), replay.Random(1 << 30)) << "seed " << seed;
  }
}

TEST(DrawOptions, ATaskListedTwiceIsOfferedMoreOftenButNeverTwiceInOneDraw) {
  TRandom random(5);
  TDecisionGenerator generator(FileWithWrong({"- double", "x 1", "x 1", "- w2", "x 1", "- w3", "x 1"}), "t.dec",
                               random);
  std::map<std::string, int> offered;
  for (int draw = 0; draw < 6000; ++draw) {
    generator.DrawOptions(random);
    std::set<std::string> wrong;
    for (int i = 0; i < 5; ++i) {
      if (!generator.Option(i)->Right) wrong.insert(generator.Option(i)->Text);
    }
    ASSERT_EQ(wrong.size(), 2u);
    for (const std::string& text : wrong) offered[text]++;
  }
  // The first wrong task is "double" half the time; over both picks it is offered in 5 of 6
  // draws, each of the others in 7 of 12.
  EXPECT_NEAR(offered["double"], 5000, 200);
  EXPECT_NEAR(offered["w2"], 3500, 200);
  EXPECT_NEAR(offered["w3"], 3500, 200);
}

TEST(DrawOptions, WithOneTaskPerGroupAndTwoWrongOnlyTheOrderChanges) {
  TRandom random(9);
  const Lines minimal = {"GRUPP 1", "- a", "END", "GRUPP 2", "- b", "END", "GRUPP 3", "- c", "END",
                   "GRUPP FEL", "- v", "x 1", "- w", "x 1", "END"};
  TDecisionGenerator smallest(minimal, "t.dec", random);
  std::set<std::vector<std::string>> orders;
  for (int draw = 0; draw < 300; ++draw) {
    smallest.DrawOptions(random);
    std::vector<std::string> texts = OfferedTexts(smallest);
    orders.insert(texts);
    std::sort(texts.begin(), texts.end());
    ASSERT_EQ(texts, (std::vector<std::string>{"a", "b", "c", "v", "w"}));
  }
  EXPECT_GT(orders.size(), 20u);
}

TEST(DrawOptions, AnIncompleteFileOffersWhatItHasAndSaysWhatIsMissing) {
  TRandom random(2);
  const TDecisionGenerator onlyOneWrong({"GRUPP 1", "- a", "END", "GRUPP 3", "- c", "END", "GRUPP FEL", "- v",
                                         "x 1", "x 2", "END"},
                                        "elsefrst.dec", random);
  EXPECT_FALSE(onlyOneWrong.IsComplete());
  EXPECT_EQ(onlyOneWrong.MissingTasks(), (std::vector<std::string>{
                                             "elsefrst.dec: gruppe 2 har ingen oppgave",
                                             "elsefrst.dec: gruppe FEL har færre enn to ulike oppgaver",
                                         }));
  std::vector<std::string> texts = OfferedTexts(onlyOneWrong);
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "c", "v"}));

  const TDecisionGenerator empty(Lines{}, "elsefrst.dec", random);
  EXPECT_EQ(empty.OptionCount(), 0);
  EXPECT_EQ(empty.Option(0), nullptr);
  EXPECT_EQ(empty.MissingTasks().size(), 4u);
}

TEST(DecisionFile, AnUnreadableFileIsReportedOnceAndLeavesNoTasks) {
  const std::string path = (std::filesystem::temp_directory_path() / "fjordheim_no_such_dir" / "elsesumm.dec").string();
  TRandom random(1);
  TCollectingMessageSink sink;
  TDecisionGenerator generator(path, random, sink);
  EXPECT_EQ(sink.Messages, std::vector<std::string>{"Kan ikke lese filen: " + path});
  EXPECT_EQ(generator.OptionCount(), 0);
  generator.DrawOptions(random);
  EXPECT_EQ(generator.OptionCount(), 0);
}

}  // namespace
}  // namespace fjordheim
