#include "gui/dialogs/status_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <deque>
#include <functional>
#include <set>

#include "core/game/food_status.h"
#include "core/game/play_policy.h"
#include "core/trade/goods_names.h"
#include "gui/dialogs/decision_form.h"
#include "gui/dialogs/popup_form.h"
#include "gui/dialogs/status_goods_image.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

const QRgb Face = qRgb(240, 240, 240);

// How far to the right the food pictures of a row reach, in game pixels; 0 for an empty row.
double DrawnWidth(const QLabel& row, double scale) {
  const QImage image = row.pixmap().toImage();
  int right = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = right; x < image.width(); ++x) {
      if (image.pixel(x, y) != Face) right = x + 1;
    }
  }
  return right / scale;
}

// The pictures of the row are the food's own, not the grey squares of a missing list.
bool HasMissingPictures(const QLabel& row) {
  const QImage image = row.pixmap().toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == qRgb(110, 110, 110)) return true;
    }
  }
  return false;
}

// The status window of the real game, opened at its food tab as the gauge opens it; look
// is called while it is shown.
void LookAtFood(TRealGame& real, const std::function<void(TVillageStatusForm&)>& look) {
  bool shown = false;
  TModalScript script({[&](QWidget* modal) {
    if (auto* status = dynamic_cast<TVillageStatusForm*>(modal)) {
      shown = true;
      look(*status);
    }
    if (auto* dialog = dynamic_cast<QDialog*>(modal)) dialog->accept();
  }});
  real.Form.Actions().ShowFoodStatus();
  EXPECT_TRUE(shown);
}

// The windows of a season played: the decisions get their first three tasks, the rest is closed.
void Answer(QWidget* modal) {
  if (auto* decisions = dynamic_cast<TDecisionForm*>(modal)) {
    for (int row = 0; row < 3; ++row) decisions->CheckBox(row)->click();
    decisions->OkButton()->click();
    if (decisions->isVisible()) decisions->CloseButton()->click();
  } else if (auto* tip = dynamic_cast<TPopupForm*>(modal)) {
    tip->done(TPopupForm::Close);
  } else if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
    box->buttons().front()->click();
  } else if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
    dialog->accept();
  }
}

struct StatusFood : ::testing::Test {
  void SetUp() override {
    if (!QFileInfo::exists(GameFolder() + "/Bilder/viautumn.bmp")) GTEST_SKIP() << "the game's files are not made";
  }
};

TEST_F(StatusFood, TheStoreShowsTheFoodTheVillageHasAndTheNextSeason) {
  TRealGame real(17);
  ASSERT_TRUE(real.Show());
  real.NewGame("Gudrun");
  TGameController& controller = real.Controller();
  const double scale = real.Form.GameLayout().Scale();

  // A founding village with nothing in store shows an empty store, and says so.
  LookAtFood(real, [&](TVillageStatusForm& status) {
    EXPECT_EQ(DrawnWidth(*status.StoreImage(), scale), 0);
    EXPECT_EQ(status.StoreLabel()->text(), QString::fromUtf8("Forrådet er tomt."));
  });

  // A store of a little food, of a few portions, of many: every one of them is seen.
  for (const long double store : {1.5L, 12.0L, 40.0L}) {
    controller.Village().SetFoodStore(store);
    LookAtFood(real, [&](TVillageStatusForm& status) {
      const TFoodStatus food(controller.Village(), controller.Forecast());
      EXPECT_GT(DrawnWidth(*status.StoreImage(), scale), 0) << static_cast<double>(store);
      EXPECT_FALSE(HasMissingPictures(*status.StoreImage()));
      EXPECT_EQ(status.StoreLabel()->text().toStdString(), food.StoreText);
      EXPECT_TRUE(status.ForecastLabel()->isVisible());
      EXPECT_EQ(status.ForecastLabel()->text().toStdString(), controller.Forecast().FoodLine());
      EXPECT_FALSE(status.ForecastLabel()->text().isEmpty());
      if (store == 12.0L) SaveScreenshot(status, "food_tab_store");
    });
  }
  for (const std::string& message : real.Sink.Messages) ADD_FAILURE() << "message: " << message;
}

// The need row reaches as far as the need in portions of the same size, whatever the season.
TEST_F(StatusFood, OnePictureIsTheSameFoodEverySeason) {
  TRealGame real(29);
  ASSERT_TRUE(real.Show());
  real.NewGame("Halvdan");
  TGameController& controller = real.Controller();
  controller.Village().SetFoodStore(1e9L);
  TPlayPolicy policy(real.Random, true);
  const double scale = real.Form.GameLayout().Scale();
  std::set<QString> units;
  std::set<long> needs;
  for (int season = 0; season < 5 && controller.InGame() && !controller.Deposed(); ++season) {
    LookAtFood(real, [&](TVillageStatusForm& status) {
      const long double need = controller.Village().TotalConsumption();
      const double portions = static_cast<double>(need) / TFoodStatus::Portion;
      const double whole = std::floor(portions);
      const double reach = whole * TFoodStatus::PictureStep + (portions - whole) * TFoodStatus::PictureSize;
      EXPECT_NEAR(DrawnWidth(*status.NeedImage(), scale), reach, TFoodStatus::PictureSize / 4.0 + 2)
          << "need " << static_cast<double>(need) << " in season " << season;
      units.insert(status.PortionLabel()->text());
      needs.insert(std::lround(static_cast<double>(need) * 10));
      if (season == 1) SaveScreenshot(status, "food_tab_winter");
    });
    TModalScript script(std::deque<TModalScript::TAction>(50, Answer));
    policy.PrepareSeason(controller);
    controller.Village().SetFoodStore(1e9L);
    controller.BtnChgSeasonClick();
  }
  EXPECT_EQ(units.size(), 1U);
  EXPECT_EQ(*units.begin(), QString::fromUtf8(TFoodStatus::PortionText));
  EXPECT_GT(needs.size(), 1U) << "the village's need never changed, so the test saw nothing";
}

TEST_F(StatusFood, EveryKindOfGoodsTellsItsNameAndCountToThePointerAndTheKeyboard) {
  TRealGame real(5);
  ASSERT_TRUE(real.Show());
  real.NewGame("Sigurd");
  TTrade& trade = real.Controller().Village().Trade;
  trade.SetGoods(TGoodsKind::Furs, 4);
  trade.SetGoods(TGoodsKind::Silver, 2);
  bool looked = false;
  TModalScript script({[&](QWidget* modal) {
    auto* status = dynamic_cast<TVillageStatusForm*>(modal);
    if (status != nullptr) {
      looked = true;
      status->ShowTab(TVillageStatusForm::TTab::Trade);
      QTest::qWait(20);
      TStatusGoodsImage& goods = *status->GoodsImage();
      // Moved on the status window itself: the full-screen game lies under it on the screen.
      const auto hover = [&goods](TGoodsKind kind) {
        for (int y = 0; y < goods.height(); ++y) {
          if (goods.RowAt(y) != static_cast<int>(kind)) continue;
          QTest::mouseMove(goods.window()->windowHandle(), goods.mapTo(goods.window(), QPoint(goods.width() / 3, y + 4)));
          return;
        }
      };
      hover(TGoodsKind::Furs);
      EXPECT_EQ(goods.TipText(), QString::fromUtf8("Pels: 4"));
      SaveScreenshot(*status, "goods_tab_hint");
      hover(TGoodsKind::Weapons);
      EXPECT_EQ(goods.TipText().toStdString(), GoodsCountLabel(TGoodsKind::Weapons, trade.GetGoods(TGoodsKind::Weapons)));
      QTest::mouseMove(status->windowHandle(), QPoint(2, 2));

      goods.setFocus();
      EXPECT_EQ(goods.TipText(), QString::fromUtf8("Sølv: 2"));
      EXPECT_EQ(goods.accessibleDescription(), QString::fromUtf8("Sølv: 2"));
      QTest::keyClick(&goods, Qt::Key_Down);
      QTest::keyClick(&goods, Qt::Key_Down);
      EXPECT_EQ(goods.TipText(), QString::fromUtf8("Pels: 4"));
      SaveScreenshot(*status, "goods_tab_keyboard");
      QTest::keyClick(&goods, Qt::Key_Up);
      EXPECT_EQ(goods.ChosenRow(), static_cast<int>(TGoodsKind::Amber));
      for (int i = 0; i < 10; ++i) QTest::keyClick(&goods, Qt::Key_Down);
      EXPECT_EQ(goods.ChosenRow(), GoodsKindCount - 1);
    }
    if (auto* dialog = dynamic_cast<QDialog*>(modal)) dialog->accept();
  }});
  real.Form.Actions().ShowVillageStatus();
  EXPECT_TRUE(looked);
}

}  // namespace
}  // namespace fjordheim
