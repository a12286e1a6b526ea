#include "core/game/first_decision_quiz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/game/chief_page_title.h"

namespace fjordheim {
namespace {

using Lines = std::vector<std::string>;

TEST(ChiefPageTitle, AddsTheGenitiveSUnlessTheNameEndsInSOfEitherCase) {
  EXPECT_EQ(ChiefPageTitle("Olav"), "Olavs vikingasida");
  EXPECT_EQ(ChiefPageTitle("Hans"), "Hans vikingasida");
  EXPECT_EQ(ChiefPageTitle("MAGNUS"), "MAGNUS vikingasida");
  EXPECT_EQ(ChiefPageTitle("Ragnhild Å"), "Ragnhild Ås vikingasida");
}

const Lines Right = {"Call the council together", "The council trusts you.",
                     "Send scouts to the coast", "Wise: the raiders are seen early."};
const Lines Wrong = {"Hide in the woods", "A chief does not hide.",
                     "Burn the ship", "The village needs its ship.",
                     "Sail away", "The village needs its chief.",
                     "an odd line without explanation"};

TEST(FirstDecisionQuiz, ReadsLinesInPairsAndListsAnOddLastLine) {
  const TFirstDecisionQuiz quiz(Right, Wrong);
  ASSERT_EQ(quiz.RightAnswers().size(), 2u);
  ASSERT_EQ(quiz.WrongAnswers().size(), 3u);
  EXPECT_EQ(quiz.WrongAnswers()[2].Text, "Sail away");
  EXPECT_EQ(quiz.WrongAnswers()[2].Explanation, "The village needs its chief.");
  EXPECT_EQ(quiz.IgnoredLines(),
            std::vector<std::string>{"False.que:7: ignored: \"an odd line without explanation\""});
  EXPECT_TRUE(quiz.CanDraw());
}

TEST(FirstDecisionQuiz, DrawsInTheWrittenOrderAndPutsTheRightAnswerInItsSlot) {
  const TFirstDecisionQuiz quiz(Right, Wrong);
  std::set<int> rightSlots;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    TRandom random(seed);
    const std::optional<TFirstDecisionDraw> draw = quiz.Draw(random);
    ASSERT_TRUE(draw);

    TRandom replay(seed);
    const auto i = static_cast<std::size_t>(replay.Random(2));
    const auto j = static_cast<std::size_t>(replay.Random(3));
    std::size_t k = 0;
    do {
      k = static_cast<std::size_t>(replay.Random(3));
    } while (k == j);
    const int p = replay.Random(3);
    ASSERT_EQ(draw->RightSlot, p);
    EXPECT_TRUE(draw->IsRight(p));
    EXPECT_FALSE(draw->IsRight((p + 1) % 3));
    const auto slot = [&](int n) { return draw->Slots[static_cast<std::size_t>(n % 3)]; };
    EXPECT_EQ(slot(p).Text, Right[2 * i]);
    EXPECT_EQ(slot(p).Explanation, Right[2 * i + 1]);
    EXPECT_EQ(slot(p + 1).Text, Wrong[2 * j]);
    EXPECT_EQ(slot(p + 2).Text, Wrong[2 * k]);
    EXPECT_EQ(slot(p + 2).Explanation, Wrong[2 * k + 1]);
    EXPECT_NE(slot(p + 1).Text, slot(p + 2).Text);
    rightSlots.insert(p);
  }
  EXPECT_EQ(rightSlots, (std::set<int>{0, 1, 2}));
}

TEST(FirstDecisionQuiz, TooFewPairsGiveNoDrawAndSaySo) {
  TRandom random(1);
  const TFirstDecisionQuiz oneWrong(Right, {"Hide in the woods", "A chief does not hide.", "Burn the ship"});
  EXPECT_FALSE(oneWrong.Draw(random));
  EXPECT_EQ(oneWrong.MissingPairs(), std::vector<std::string>{"For få svar i False.que: 1 svarpar, minst 2 trengs"});

  const TFirstDecisionQuiz noRight({"only one line"}, Wrong);
  EXPECT_FALSE(noRight.Draw(random));
  EXPECT_EQ(noRight.MissingPairs(), std::vector<std::string>{"For få svar i Correct.que: 0 svarpar, minst 1 trengs"});
}

TEST(FirstDecisionQuiz, TwoWrongPairsWithTheSameWordsAreStillTwoAnswers) {
  TRandom random(4);
  const TFirstDecisionQuiz quiz({"a", "b"}, {"same", "x", "same", "x"});
  EXPECT_TRUE(quiz.Draw(random));
}

TEST(FirstDecisionQuiz, ReadsWindows1252FilesAndReportsEachOneThatCannotBeRead) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "fjordheim_quiz_test";
  std::filesystem::create_directories(folder);
  const std::string correct = (folder / "Correct.que").string();
  std::ofstream(correct, std::ios::binary) << "Be modig\r\nDu er v\xE5r h\xF8vding.\r\n";
  const std::string missing = (folder / "False.que").string();
  std::filesystem::remove(missing);

  TCollectingMessageSink sink;
  const TFirstDecisionQuiz quiz(correct, missing, sink);
  EXPECT_EQ(sink.Messages, std::vector<std::string>{"Kan ikke lese filen: " + missing});
  ASSERT_EQ(quiz.RightAnswers().size(), 1u);
  EXPECT_EQ(quiz.RightAnswers()[0].Explanation, "Du er vår høvding.");
  EXPECT_EQ(quiz.MissingPairs(), std::vector<std::string>{"For få svar i " + missing + ": 0 svarpar, minst 2 trengs"});

  std::filesystem::remove_all(folder);
  TCollectingMessageSink bothSink;
  const TFirstDecisionQuiz neither(correct, missing, bothSink);
  EXPECT_EQ(bothSink.Messages, (std::vector<std::string>{"Kan ikke lese filen: " + correct,
                                                         "Kan ikke lese filen: " + missing}));
  EXPECT_FALSE(neither.CanDraw());
}

}  // namespace
}  // namespace fjordheim
