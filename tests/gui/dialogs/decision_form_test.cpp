#include "gui/dialogs/decision_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/common/message_sink.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/real_game.h"

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

// The label shows its whole text: wrapped at its width the text fits its height, and the
// label lies inside its row, which lies inside the window above the verdict and the buttons.
void ExpectWhole(const QLabel* label) {
  SCOPED_TRACE(label->text().toStdString());
  const QFontMetrics metrics(label->font());
  const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, label->text());
  EXPECT_LE(needed.height(), label->height());
  EXPECT_TRUE(label->wordWrap());
  const auto* row = static_cast<const QFrame*>(label->parentWidget());
  EXPECT_TRUE(row->contentsRect().contains(label->geometry())) << "the text runs out of its row";
  const QWidget* window = row->window();
  EXPECT_TRUE(window->rect().contains(row->geometry()));
  const auto* form = static_cast<const TDecisionForm*>(window);
  EXPECT_LT(row->geometry().bottom(), form->VerdictLabel()->geometry().top());
  EXPECT_TRUE(window->rect().contains(form->CloseButton()->geometry()));
}

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
  // The explained task stays in view at the top of its row and the whole explanation stands
  // under it, wrapped inside the row.
  QLabel* task = FForm.TextLabel(pasture);
  EXPECT_FALSE(task->isHidden());
  EXPECT_EQ(task->text(), "Send the cattle to pasture");
  EXPECT_FALSE(explanation->isHidden());
  EXPECT_LE(task->geometry().bottom(), explanation->geometry().top());
  EXPECT_EQ(explanation->text(), why);
  ExpectWhole(explanation);
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

// The two longest explanations of the shipped decision files, offered together beside three
// right tasks, so that both can be picked in one showing.
std::vector<std::string> LongestWrongTasks() {
  std::vector<TDecisionNode> wrong;
  TRandom random(1);
  TCollectingMessageSink sink;
  for (const char* file : {"elsesumm.dec", "elseautu.dec", "elsewint.dec", "elsespri.dec", "elsefire.dec", "elsefrst.dec"}) {
    const TDecisionGenerator generator((GameFolder() + "/Data/" + file).toStdString(), random, sink);
    for (const TDecisionNode* node : generator.WrongList()) wrong.push_back(*node);
  }
  std::sort(wrong.begin(), wrong.end(), [](const TDecisionNode& a, const TDecisionNode& b) {
    return a.Text.size() + a.Explanation.size() > b.Text.size() + b.Explanation.size();
  });
  std::vector<std::string> lines = {"GRUPP 1", "- Bøt garnene", "END", "GRUPP 2", "- Hent ved", "END",
                                    "GRUPP 3", "- Salt kjøttet", "END", "GRUPP FEL"};
  // A task with two x lines stands twice in a wrong list; it is taken once.
  std::set<std::string> taken;
  for (const TDecisionNode& node : wrong) {
    if (taken.size() == 2 || !taken.insert(node.Text).second) continue;
    lines.insert(lines.end(), {"- " + node.Text, "* " + node.Explanation, "x 1"});
  }
  lines.push_back("END");
  return lines;
}

TEST(DecisionWindowText, TheLongestShippedExplanationsAreReadWholeAtEveryScale) {
  if (!QDir(GameFolder() + "/Data").exists()) GTEST_SKIP() << "the game's files are not made";
  const std::vector<std::string> lines = LongestWrongTasks();
  for (double scale : {1.0, 2.0}) {
    SCOPED_TRACE(scale);
    TRandom random(3);
    TDecisionGenerator generator(lines, "longest.dec", random);
    ASSERT_EQ(generator.OptionCount(), TDecisionBoard::RowCount);
    TDecisionForm form(nullptr, random, TGameLayout(scale));
    form.OnMessage = [](const QString&) {};
    form.SetGenerator(&generator);
    form.Prepare();
    form.show();
    const QSize closed = form.size();
    int rightTicked = 0;
    for (int row = 0; row < TDecisionBoard::RowCount; ++row) {
      if (!generator.Option(row)->Right || rightTicked++ == 0) QTest::mouseClick(form.CheckBox(row), Qt::LeftButton);
    }
    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    ASSERT_TRUE(form.Board().Decided());
    int explained = 0;
    for (int row = 0; row < TDecisionBoard::RowCount; ++row) {
      if (generator.Option(row)->Right) continue;
      EXPECT_EQ(form.ExplanationLabel(row)->text().toStdString(), generator.Option(row)->Explanation);
      ExpectWhole(form.ExplanationLabel(row));
      EXPECT_LE(form.TextLabel(row)->geometry().bottom(), form.ExplanationLabel(row)->geometry().top());
      ++explained;
    }
    EXPECT_EQ(explained, 2);
    EXPECT_GT(form.height(), closed.height()) << "the window grows to hold the explanations";
    if (scale == 1.0) SaveScreenshot(form, "decision_window_longest");
    // The next showing starts from the window's own size again.
    form.Prepare();
    EXPECT_EQ(form.size(), closed);
  }
}

}  // namespace
}  // namespace fjordheim
