#include <gtest/gtest.h>

#include <QChart>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

#include "core/game/food_status.h"
#include "core/game/play_policy.h"
#include "gui/app/main_form.h"
#include "gui/app/screen_game.h"
#include "gui/controls/food_gauge.h"
#include "gui/controls/picture_button.h"
#include "gui/dialogs/chronicle_form.h"
#include "gui/dialogs/decision_form.h"
#include "gui/dialogs/season_report_form.h"
#include "gui/dialogs/status_form.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

// The grey square the picture areas draw where a picture is missing from its list.
bool HasMissingPictures(const QPixmap& pixmap) {
  const QImage image = pixmap.toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == qRgb(110, 110, 110)) return true;
    }
  }
  return false;
}

// What the game's windows showed, and the player's answers to them.
struct TReader {
  struct TReport {
    QString Deaths;
    QString PeopleWhy;
    QString AnimalsWhy;
    QString CropWhy;
  };
  std::vector<TReport> Reports;
  std::function<void(TVillageStatusForm&)> OnStatus;
  std::function<void(TChronicleForm&)> OnChronicle;
  QString ReportShot;

  void Answer(QWidget* modal) {
    if (auto* decisions = dynamic_cast<TDecisionForm*>(modal)) {
      for (int row = 0; row < 3; ++row) decisions->CheckBox(row)->click();
      decisions->OkButton()->click();
      if (decisions->isVisible()) decisions->CloseButton()->click();
    } else if (auto* report = dynamic_cast<TSeasonInfoForm*>(modal)) {
      Reports.push_back({report->DeathLabel()->text(), report->PeopleWhyLabel()->text(), report->AnimalsWhyLabel()->text(),
                         report->CropWhyLabel()->text()});
      SaveScreenshot(*report, ReportShot.isEmpty() ? QString("insight_report_%1").arg(Reports.size()) : ReportShot);
      report->accept();
    } else if (auto* status = dynamic_cast<TVillageStatusForm*>(modal)) {
      if (OnStatus) OnStatus(*status);
      status->accept();
    } else if (auto* chronicle = dynamic_cast<TChronicleForm*>(modal)) {
      if (OnChronicle) OnChronicle(*chronicle);
      chronicle->accept();
    } else if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
      box->buttons().front()->click();
    } else if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
      dialog->accept();
    }
  }
};

struct VillageInsight : ::testing::Test {
  void SetUp() override {
    if (!GameIsBuilt()) GTEST_SKIP() << "the game's files are not made";
  }
};

TEST_F(VillageInsight, AFirstGameShowsItsFoodSaysWhyPeopleDiedAndKeepsAChronicle) {
  TRealGame real(31);
  ASSERT_TRUE(real.Show());
  TMainForm& form = real.Form;
  TGameController& controller = real.Controller();
  TReader reader;
  std::deque<TModalScript::TAction> answers;
  for (int i = 0; i < 200; ++i) answers.push_back([&reader](QWidget* modal) { reader.Answer(modal); });
  TModalScript script(std::move(answers));

  real.NewGame("Sigrid");
  ASSERT_TRUE(controller.InGame());
  TPlayPolicy policy(real.Random, true);
  ASSERT_EQ(policy.PlaySeason(controller), TSeasonChange::Changed);

  // The status window: the people tab draws its persons, the big animals are whole, and the
  // window is the same one at every opening, on the tab seen last.
  TVillageStatusForm* first = nullptr;
  reader.OnStatus = [&](TVillageStatusForm& status) {
    first = &status;
    EXPECT_EQ(status.PageControl()->currentIndex(), 1) << "\"Dyr\" the first time";
    SaveScreenshot(status, "insight_status_animals");
    status.ShowTab(TVillageStatusForm::TTab::People);
    ASSERT_NE(status.HumanImage()->pixmap().cacheKey(), 0);
    EXPECT_FALSE(HasMissingPictures(status.HumanImage()->pixmap())) << "persons drawn as grey squares";
    for (int kind = 0; kind < AnimalKindCount; ++kind) EXPECT_FALSE(status.AnimalPicture(kind)->pixmap().isNull());
    SaveScreenshot(status, "insight_status_people");
  };
  QTest::mouseClick(form.StatusButton(), Qt::LeftButton);
  reader.OnStatus = [&](TVillageStatusForm& status) {
    EXPECT_EQ(&status, first);
    EXPECT_EQ(status.PageControl()->currentIndex(), 0);
  };
  form.Actions().ShowVillageStatus();

  // The gauge is seen on every page and covers neither a page nor a button.
  QWidget* panel = form.FoodGauge()->parentWidget();
  const QRect gauge = form.FoodGauge()->geometry();
  EXPECT_FALSE(gauge.intersects(form.PageWidget(TMainForm::TPage::Work)->parentWidget()->geometry()));
  for (int b = 0; b < TMainForm::ButtonCount; ++b) {
    QWidget* button = form.Button(static_cast<TMainForm::TButton>(b));
    EXPECT_FALSE(gauge.intersects(QRect(button->mapTo(panel, QPoint(0, 0)), button->size()))) << b;
  }
  // The gauge opens the same window at its food tab.
  const TFoodStatus food(controller.Village(), controller.Forecast());
  EXPECT_EQ(form.FoodGauge()->toolTip().toStdString(), food.Hint);
  reader.OnStatus = [&](TVillageStatusForm& status) {
    EXPECT_EQ(&status, first);
    EXPECT_EQ(status.PageControl()->currentIndex(), static_cast<int>(TVillageStatusForm::TTab::Food));
    EXPECT_EQ(status.FedLabel()->text().toStdString(), food.FedText);
    EXPECT_EQ(status.StoreLabel()->text().toStdString(), food.StoreText);
    SaveScreenshot(status, "food_tab");
  };
  QTest::mouseClick(form.FoodGauge(), Qt::LeftButton, {}, QPoint(5, 5));

  for (int season = 0; season < 4 && !controller.Deposed(); ++season) policy.PlaySeason(controller);
  ASSERT_TRUE(controller.InGame());

  // "K" opens the chronicle: a graph a theme with a point for every season played.
  bool chronicleShown = false;
  reader.OnChronicle = [&](TChronicleForm& chronicle) {
    chronicleShown = true;
    EXPECT_EQ(chronicle.Pages()->count(), 5);
    auto* people = dynamic_cast<QLineSeries*>(chronicle.Chart(0)->series().front());
    ASSERT_NE(people, nullptr);
    EXPECT_EQ(people->count(), static_cast<int>(controller.Chronicle().Records().size()));
    chronicle.Pages()->setCurrentIndex(1);
    QTest::qWait(20);
    SaveScreenshot(chronicle, "chronicle_food");
    chronicle.Pages()->setCurrentIndex(4);
    QTest::qWait(20);
    SaveScreenshot(chronicle, "chronicle");
  };
  // The player's keys reach the game once its window is active again after the last window closed.
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_K);
  EXPECT_TRUE(chronicleShown);

  ASSERT_EQ(controller.Village().Season, TSeason::Winter);
  // A winter with nobody at home or with the animals and nothing in store: the report says why.
  policy.PrepareSeason(controller);
  for (const THumanFigure& figure : controller.HumanFigures()) {
    if (figure.InWork) controller.SetWork(figure.Id, TWorkKind::HuntFish);
  }
  controller.Village().FoodStore = 0;
  reader.ReportShot = "report_why";
  controller.BtnChgSeasonClick();
  ASSERT_FALSE(reader.Reports.empty());
  const TReader::TReport& hungry = reader.Reports.back();
  EXPECT_FALSE(hungry.PeopleWhy.isEmpty() && hungry.AnimalsWhy.isEmpty());
  if (!hungry.Deaths.startsWith("Ingen mennesker")) {
    EXPECT_TRUE(hungry.PeopleWhy.startsWith("Maten rakk bare til"));
  }

  // Whoever died in any season, the report said why.
  for (const TReader::TReport& report : reader.Reports) {
    if (!report.Deaths.startsWith("Ingen mennesker")) {
      EXPECT_FALSE(report.PeopleWhy.isEmpty()) << report.Deaths.toStdString();
    }
  }
  for (const std::string& message : real.Sink.Messages) ADD_FAILURE() << "message during play: " << message;
}

}  // namespace
}  // namespace fjordheim
