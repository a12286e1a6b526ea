#include "gui/controls/food_gauge.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTest>

#include "core/game/food_status.h"
#include "gui/app/main_form.h"
#include "gui/app/screen_game.h"
#include "gui/controls/forecast_line.h"
#include "gui/controls/picture_button.h"
#include "gui/work/human_divider.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

struct FoodGauge : ::testing::Test {
  void SetUp() override {
    if (!QFileInfo::exists(GameFolder() + "/Bilder/viautumn.bmp")) GTEST_SKIP() << "the game's files are not made";
  }
};

// The gauge as the player sees it: the panel around it, four times as large.
void SaveGaugeShot(TMainForm& form, const QString& name) {
  QWidget* gauge = form.FoodGauge();
  const QRect around = gauge->geometry().adjusted(-8, -8, 8, 8);
  const QPixmap panel = gauge->parentWidget()->grab(around);
  const QString path = SaveScreenshot(*gauge, name);
  panel.scaled(panel.size() * 4).save(QFileInfo(path).absolutePath() + "/" + name + "_panel.png");
}

// Every figure of the work page sent to one work by the keyboard, as a child may do.
void SendEveryoneTo(THumanDivider& page, int digit) {
  page.setFocus();
  QTest::keyClick(&page, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&page, static_cast<Qt::Key>(Qt::Key_0 + digit));
}

TEST_F(FoodGauge, TellsTheNextSeasonAndFollowsTheWorkAsItIsDivided) {
  TRealGame real(23);
  ASSERT_TRUE(real.Show());
  real.NewGame("Astrid");
  TGameController& controller = real.Controller();
  for (int area = 0; area < AdviceAreaCount; ++area) controller.HearAdviser(area);
  QTest::mouseClick(real.Form.Button(TMainForm::TButton::Work), Qt::LeftButton, {}, QPoint(4, 4));
  ASSERT_EQ(real.Form.ShownPage(), TMainForm::TPage::Work);
  THumanDivider& page = *real.Game->WorkDivider();
  const TFoodGauge& gauge = *real.Form.FoodGauge();

  SendEveryoneTo(page, 0);
  const TSeasonForecast idle = controller.Forecast();
  ASSERT_TRUE(idle.NobodyWorks);
  EXPECT_TRUE(gauge.ForecastShown());
  EXPECT_EQ(gauge.ForecastMood(), TForecastLine::TMood::Danger);
  const QString idleHint = gauge.toolTip();
  EXPECT_TRUE(idleHint.contains(QString::fromStdString(idle.FoodLine()))) << idleHint.toStdString();
  SaveGaugeShot(real.Form, "food_gauge_nobody_works");

  SendEveryoneTo(page, 1);
  ASSERT_FALSE(controller.Forecast().NobodyWorks);
  EXPECT_NE(gauge.toolTip(), idleHint);
  EXPECT_EQ(gauge.toolTip().toStdString(), TFoodStatus(controller.Village(), controller.Forecast()).Hint);
  EXPECT_EQ(gauge.ForecastMood(), TForecastLine::FoodMoodOf(controller.Forecast()));
  SaveGaugeShot(real.Form, "food_gauge_all_hunting");

  // A full store feeds everyone this autumn, but with nobody in the household half of what
  // is left spoils in the winter: the mark and the work page's line are yellow.
  controller.Village().SetFoodStore(1e9L);
  SendEveryoneTo(page, 1);
  ASSERT_FALSE(controller.Forecast().Hungry());
  ASSERT_FALSE(controller.Forecast().StoreLastsWinter());
  EXPECT_EQ(gauge.ForecastMood(), TForecastLine::TMood::Short);
  EXPECT_EQ(real.Game->ForecastLine()->Mood(), TForecastLine::TMood::Short);
  SaveGaugeShot(real.Form, "food_gauge_short_winter");

  // Everyone keeping house lasts the winter: the mark is green although nobody keeps the
  // herds, which the work page's line warns of, because the gauge speaks of food.
  SendEveryoneTo(page, 3);
  ASSERT_FALSE(controller.Forecast().Hungry());
  ASSERT_TRUE(controller.Forecast().StoreLastsWinter());
  ASSERT_TRUE(controller.Forecast().Short(TWorkKind::Cattle));
  EXPECT_EQ(gauge.ForecastMood(), TForecastLine::TMood::Fed);
  EXPECT_EQ(real.Game->ForecastLine()->Mood(), TForecastLine::TMood::Short);
  EXPECT_TRUE(gauge.toolTip().contains(QString::fromUtf8("alle mette"))) << gauge.toolTip().toStdString();
  SaveGaugeShot(real.Form, "food_gauge_full_store");
  for (const std::string& message : real.Sink.Messages) ADD_FAILURE() << "message: " << message;
}

}  // namespace
}  // namespace fjordheim
