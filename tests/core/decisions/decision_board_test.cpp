#include "core/decisions/decision_board.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "tests/core/settings/spoken_language.h"

namespace fjordheim {
namespace {

const std::vector<std::string> Winter = {
    "GRUPP 1", "- Mend the fishing nets", "END",
    "GRUPP 2", "- Gather firewood", "END",
    "GRUPP 3", "- Salt the meat", "END",
    "GRUPP FEL",
    "- Sow the barley", "* Nothing grows in frozen ground.", "x 1",
    "- Send the cattle to pasture", "* The pasture is under snow.", "x 2",
    "END",
};

class DecisionBoard : public ::testing::Test {
 protected:
  DecisionBoard() : FRandom(11), FGenerator(Winter, "elsewint.dec", FRandom) {
    FBoard.SetGenerator(&FGenerator, FRandom);
    FBoard.Open();
  }

  std::vector<int> RowsWhere(bool right) const {
    std::vector<int> rows;
    for (int row = 0; row < TDecisionBoard::RowCount; ++row) {
      if (FGenerator.Option(row)->Right == right) rows.push_back(row);
    }
    return rows;
  }

  int RowOf(const std::string& text) const {
    for (int row = 0; row < TDecisionBoard::RowCount; ++row) {
      if (FBoard.RowText(row) == text) return row;
    }
    return -1;
  }

  void TickAll(const std::vector<int>& rows) {
    for (int row : rows) ASSERT_TRUE(FBoard.Tick(row).Accepted);
  }

  TRandom FRandom;
  TDecisionGenerator FGenerator;
  TDecisionBoard FBoard;
};

TEST_F(DecisionBoard, ThreeRightPicksScoreThreeAndAreCalledAGoodChoice) {
  TickAll(RowsWhere(true));
  EXPECT_TRUE(FBoard.Confirm().Accepted);
  EXPECT_TRUE(FBoard.Decided());
  EXPECT_EQ(FBoard.Score(), 3);
  EXPECT_EQ(FBoard.Verdict(), "- Du har gjort et godt valg, høvding.");
  for (int row : RowsWhere(true)) EXPECT_TRUE(FBoard.ShowsRight(row));
  for (int row : RowsWhere(false)) EXPECT_FALSE(FBoard.ShowsRight(row));
}

TEST_F(DecisionBoard, AWrongPickShowsItsExplanationAndEveryRightRowIsMarked) {
  const std::vector<int> right = RowsWhere(true);
  const int pasture = RowOf("Send the cattle to pasture");
  TickAll({right[0], right[1], pasture});
  ASSERT_TRUE(FBoard.Confirm().Accepted);
  EXPECT_EQ(FBoard.Score(), 0);
  EXPECT_EQ(FBoard.Verdict(), "- Valget ditt var bra, høvding.");
  EXPECT_EQ(FBoard.RowExplanation(pasture), "The pasture is under snow.");
  EXPECT_EQ(FBoard.RowExplanation(RowOf("Sow the barley")), "");
  EXPECT_TRUE(FBoard.ShowsRight(right[2]));
  EXPECT_FALSE(FBoard.IsTicked(right[2]));
}

TEST_F(DecisionBoard, TwoWrongPicksAreABadChoice) {
  TickAll(RowsWhere(false));
  TickAll({RowsWhere(true)[0]});
  ASSERT_TRUE(FBoard.Confirm().Accepted);
  EXPECT_EQ(FBoard.Score(), -2);
  EXPECT_EQ(FBoard.Verdict(), "- Dette var et dårlig valg, høvding.");
}

TEST_F(DecisionBoard, RefusesAFourthTickAndAConfirmationWithoutThree) {
  TickAll({0, 1});
  EXPECT_FALSE(FBoard.Confirm().Accepted);
  EXPECT_EQ(FBoard.Confirm().Message, "Du må gjøre 3 valg!");
  EXPECT_FALSE(FBoard.Decided());
  EXPECT_EQ(FBoard.Verdict(), "");

  TickAll({2});
  const TDecisionBoard::TOutcome fourth = FBoard.Tick(3);
  EXPECT_FALSE(fourth.Accepted);
  EXPECT_EQ(fourth.Message, "Du kan bare gjøre 3 valg!");
  EXPECT_FALSE(FBoard.IsTicked(3));
  EXPECT_EQ(FBoard.TickedCount(), 3);

  EXPECT_TRUE(FBoard.Tick(2).Accepted);  // a second click unticks
  EXPECT_TRUE(FBoard.Tick(3).Accepted);
  EXPECT_TRUE(FBoard.IsTicked(3));
}

TEST_F(DecisionBoard, InEnglishTheRefusalsAndTheVerdictAreTheCatalogsSentences) {
  const testing::TSpokenLanguage english(TLanguageCode::English);
  EXPECT_EQ(FBoard.Confirm().Message, "You must make 3 choices!");
  TickAll(RowsWhere(true));
  EXPECT_EQ(FBoard.Tick(RowsWhere(false)[0]).Message, "You can only make 3 choices!");
  ASSERT_TRUE(FBoard.Confirm().Accepted);
  EXPECT_EQ(FBoard.Verdict(), "- You have made a good choice, chief.");
}

TEST_F(DecisionBoard, JudgedPicksAreFrozenUntilTheWindowIsOpenedAgain) {
  TickAll({0, 1, 2});
  ASSERT_TRUE(FBoard.Confirm().Accepted);
  const int score = FBoard.Score();
  EXPECT_FALSE(FBoard.Tick(0).Accepted);
  EXPECT_FALSE(FBoard.Confirm().Accepted);
  EXPECT_EQ(FBoard.Score(), score);
  EXPECT_TRUE(FBoard.IsTicked(0));
}

TEST_F(DecisionBoard, ReopeningInTheSameSeasonShowsTheSameTasksUntickedAndUndecided) {
  std::vector<std::string> before;
  for (int row = 0; row < TDecisionBoard::RowCount; ++row) before.push_back(FBoard.RowText(row));
  TickAll({0, 1, 2});
  ASSERT_TRUE(FBoard.Confirm().Accepted);
  FBoard.Open();
  EXPECT_FALSE(FBoard.Decided());
  EXPECT_EQ(FBoard.TickedCount(), 0);
  EXPECT_EQ(FBoard.Verdict(), "");
  for (int row = 0; row < TDecisionBoard::RowCount; ++row) {
    EXPECT_EQ(FBoard.RowText(row), before[static_cast<std::size_t>(row)]);
    EXPECT_FALSE(FBoard.ShowsRight(row));
    EXPECT_EQ(FBoard.RowExplanation(row), "");
  }
}

TEST(DecisionBoardWithFewTasks, TicksEveryOfferedTaskWhenThereAreFewerThanThree) {
  TRandom random(1);
  TDecisionBoard board;
  EXPECT_FALSE(board.Tick(0).Accepted);
  EXPECT_FALSE(board.Confirm().Accepted);

  TDecisionGenerator twoTasks({"GRUPP 1", "- a", "END", "GRUPP FEL", "- w", "x 4", "END"}, "elsefire.dec", random);
  board.SetGenerator(&twoTasks, random);
  board.Open();
  EXPECT_FALSE(board.Tick(2).Accepted);  // an empty row has nothing to pick
  EXPECT_EQ(board.RowText(2), "");
  // The refusal asks for the picks the player can make.
  EXPECT_EQ(board.Confirm().Message, "Du må gjøre 2 valg!");
  EXPECT_TRUE(board.Tick(0).Accepted);
  EXPECT_TRUE(board.Tick(1).Accepted);
  ASSERT_TRUE(board.Confirm().Accepted);
  EXPECT_EQ(board.Score(), -3);
  EXPECT_EQ(board.Verdict(), "- Valget ditt var bra, høvding.");
}

TEST(DecisionBoardWithFewTasks, HugePenaltiesDoNotOverflowTheScore) {
  TRandom random(1);
  TDecisionGenerator generator({"GRUPP FEL", "- v", "x 2147483647", "- w", "x 2147483647", "END", "GRUPP 1", "- a",
                                "END"},
                               "elsefire.dec", random);
  TDecisionBoard board;
  board.SetGenerator(&generator, random);
  board.Open();
  for (int row = 0; row < 3; ++row) ASSERT_TRUE(board.Tick(row).Accepted);
  ASSERT_TRUE(board.Confirm().Accepted);
  EXPECT_EQ(board.Score(), std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace fjordheim
