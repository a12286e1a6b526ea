#include <gtest/gtest.h>

#include <QChart>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/game/play_policy.h"
#include "gui/app/main_form.h"
#include "gui/app/screen_game.h"
#include "gui/dialogs/chronicle_form.h"
#include "gui/dialogs/chronicle_time_line.h"
#include "gui/dialogs/decision_form.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

void Answer(QWidget* modal) {
  if (auto* decisions = dynamic_cast<TDecisionForm*>(modal)) {
    for (int row = 0; row < 3; ++row) decisions->CheckBox(row)->click();
    decisions->OkButton()->click();
    if (decisions->isVisible()) decisions->CloseButton()->click();
  } else if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
    box->buttons().front()->click();
  } else if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
    dialog->accept();
  }
}

struct DeposedChronicle : ::testing::Test {
  void SetUp() override {
    if (!GameIsBuilt()) GTEST_SKIP() << "the game's files are not made";
  }
};

// A chief who lets nobody work and leaves nothing in store is deposed; his chronicle shows the
// season it happened, below the council's line, with the judgement the council used.
TEST_F(DeposedChronicle, ShowsTheSeasonOfTheDepositionBelowTheLine) {
  QDir().mkpath(GameFolder() + "/Game");
  TRealGame real(23);
  ASSERT_TRUE(real.Show());
  std::deque<TModalScript::TAction> answers(200, [](QWidget* modal) { Answer(modal); });
  TModalScript script(std::move(answers));
  real.NewGame("Ragnar");
  TGameController& controller = real.Controller();
  TPlayPolicy policy(real.Random, true);
  TSeasonChange change = TSeasonChange::Changed;
  for (int season = 0; season < 16 && change == TSeasonChange::Changed; ++season) {
    policy.PrepareSeason(controller);
    for (const THumanFigure& figure : controller.HumanFigures()) {
      if (figure.InWork) controller.SetWork(figure.Id, TWorkKind::Idle);
    }
    controller.Village().FoodStore = 0;
    change = controller.BtnChgSeasonClick();
    const TChronicleRecord& last = controller.Chronicle().Records().back();
    EXPECT_EQ(last.Judgement, TGameController::JudgementOf(controller.Village(), controller.ChiefStanding(),
                                                           controller.TradedThisYear()));
  }
  ASSERT_EQ(change, TSeasonChange::Deposed);
  const TChronicle& chronicle = controller.Chronicle();

  TChronicleForm form(&real.Form, real.Form.GameLayout());
  form.SetChronicle(chronicle);
  form.show();
  form.Pages()->setCurrentIndex(4);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QTest::qWait(20);
  auto* judged = dynamic_cast<QLineSeries*>(form.Chart(4)->series().front());
  ASSERT_NE(judged, nullptr);
  ASSERT_EQ(judged->count(), static_cast<int>(chronicle.Records().size()));
  EXPECT_LT(judged->at(judged->count() - 1).y(), static_cast<double>(TGameController::DepositionLevel));
  for (int season = 0; season + 1 < judged->count(); ++season) {
    EXPECT_GE(judged->at(season).y(), static_cast<double>(TGameController::DepositionLevel)) << season;
  }
  TChronicleTimeLine* line = form.TimeLine();
  const QString lastTip = line->TipAt(line->SeasonX(judged->count() - 1));
  EXPECT_TRUE(lastTip.contains(QString::fromUtf8(TChronicleGraphs::DepositionEvent))) << lastTip.toStdString();
  const QString shot = SaveScreenshot(form, "chronicle_deposed");
  EXPECT_TRUE(QFileInfo::exists(shot));
}

}  // namespace
}  // namespace fjordheim
