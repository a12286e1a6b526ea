#include "gui/dialogs/decision_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

const std::vector<std::string> Winter = {
    "GRUPP 1", "- Mend the fishing nets", "END",
    "GRUPP 2", "- Gather firewood", "END",
    "GRUPP 3", "- Salt the meat", "END",
    "GRUPP FEL",
    "- Sow the barley", "* Nothing grows in frozen ground.", "x 1",
    "- Send the cattle to pasture", "* Kornet må sås om våren. Sår vi midt på sommeren, blir det ikke modent før frosten kommer.", "x 2",
    "END",
};

class DecisionWindow : public ::testing::Test {
 protected:
  DecisionWindow() {
    FForm.OnMessage = [this](const QString& message) { FMessages.push_back(message); };
    FForm.SetGenerator(&FGenerator);
    FForm.Prepare();
    FForm.show();
  }
  std::vector<int> Rows(bool right) const {
    std::vector<int> rows;
    for (int row = 0; row < TDecisionBoard::RowCount; ++row) {
      if (FGenerator.Option(row)->Right == right) rows.push_back(row);
    }
    return rows;
  }
  void ClickBox(int row) { QTest::mouseClick(FForm.CheckBox(row), Qt::LeftButton); }
  void ClickRow(int row) { QTest::mouseClick(FForm.RowPanel(row), Qt::LeftButton, {}, {250, 5}); }
  void ClickOk() { QTest::mouseClick(FForm.OkButton(), Qt::LeftButton); }

  TRandom FRandom{11};
  TDecisionGenerator FGenerator{Winter, "elsewint.dec", FRandom};
  TDecisionForm FForm{nullptr, FRandom};
  std::vector<QString> FMessages;
};

TEST_F(DecisionWindow, ThreeRightPicksScoreThreeAndLeaveOnlyLukk) {
  for (int row : Rows(true)) ClickBox(row);
  ClickOk();
  EXPECT_TRUE(FForm.Board().Decided());
  EXPECT_EQ(FForm.Score(), 3);
  EXPECT_EQ(FForm.VerdictLabel()->text(), QString::fromUtf8("- Du har gjort et godt valg, høvding."));
  EXPECT_TRUE(FForm.OkButton()->isHidden());
  EXPECT_TRUE(FForm.CancelButton()->isHidden());
  EXPECT_FALSE(FForm.CloseButton()->isHidden());
}

TEST_F(DecisionWindow, AWrongPickByRowClickShowsItsExplanationAndTheUntickedRightRow) {
  const std::vector<int> right = Rows(true);
  int pasture = 0;
  for (int row : Rows(false)) {
    if (FForm.TextLabel(row)->text() == "Send the cattle to pasture") pasture = row;
  }
  ClickRow(right[0]);
  ClickRow(right[1]);
  ClickRow(pasture);
  EXPECT_TRUE(FForm.CheckBox(pasture)->isChecked());
  ClickOk();
  EXPECT_EQ(FForm.Score(), 0);
  EXPECT_EQ(FForm.VerdictLabel()->text(), QString::fromUtf8("- Valget ditt var bra, høvding."));
  QLabel* explanation = FForm.ExplanationLabel(pasture);
  const QString why = QString::fromUtf8("Kornet må sås om våren. Sår vi midt på sommeren, blir det ikke modent før frosten kommer.");
  // The explained task stays in view at the top of its row, the explanation on the line
  // under it, and the row's hint holds both whole.
  QLabel* task = FForm.TextLabel(pasture);
  EXPECT_FALSE(task->isHidden());
  EXPECT_EQ(task->text(), "Send the cattle to pasture");
  EXPECT_FALSE(explanation->isHidden());
  EXPECT_LE(task->geometry().bottom(), explanation->geometry().top());
  EXPECT_TRUE(why.startsWith(explanation->text().chopped(1)));
  EXPECT_LE(explanation->geometry().bottom(), FForm.RowPanel(pasture)->contentsRect().bottom());
  EXPECT_EQ(FForm.RowPanel(pasture)->toolTip(), "Send the cattle to pasture\n" + why);
  EXPECT_FALSE(FForm.RightLabel(right[2])->isHidden());
  EXPECT_FALSE(FForm.CheckBox(right[2])->isChecked());
  SaveScreenshot(FForm, "decision_window");
}

TEST_F(DecisionWindow, AFourthTickIsRefusedAndOkWithTwoJudgesNothing) {
  ClickBox(0);
  ClickBox(1);
  ClickOk();
  EXPECT_EQ(FMessages, std::vector<QString>{QString::fromUtf8("Du må gjøre 3 valg!")});
  EXPECT_FALSE(FForm.Board().Decided());
  EXPECT_FALSE(FForm.OkButton()->isHidden());
  ClickBox(2);
  ClickBox(3);
  EXPECT_EQ(FMessages.back(), QString::fromUtf8("Du kan bare gjøre 3 valg!"));
  EXPECT_FALSE(FForm.CheckBox(3)->isChecked());
  EXPECT_EQ(FForm.Board().TickedCount(), 3);
}

TEST_F(DecisionWindow, CancelReturnsFalseAndReopeningShowsTheSameTasksUnticked) {
  const QString first = FForm.TextLabel(0)->text();
  ClickBox(0);
  QTimer::singleShot(0, [this] { QTest::mouseClick(FForm.CancelButton(), Qt::LeftButton); });
  EXPECT_FALSE(FForm.Execute());
  EXPECT_EQ(FForm.TextLabel(0)->text(), first);
  EXPECT_FALSE(FForm.CheckBox(0)->isChecked());
}

}  // namespace
}  // namespace fjordheim
