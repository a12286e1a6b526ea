#include "gui/dialogs/status_goods_image.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include "core/common/translation.h"
#include "gui/dialogs/status_form.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

struct TSpokenTip {
  TLanguageCode Language;
  const char* Name;
  const char* Jewellery;
};

// The status window of the real game in the language the player chose on the title; the game
// goes back to Bokmål after the test.
class StatusGoodsTip : public ::testing::TestWithParam<TSpokenTip> {
 protected:
  void TearDown() override { UseCatalog(nullptr); }
};

TEST_P(StatusGoodsTip, NamesTheGoodsUnderThePointerInThePlayersLanguage) {
  if (!QFileInfo::exists(GameFolder() + "/locale/nn/LC_MESSAGES/fjordheim.mo")) GTEST_SKIP() << "no catalogs";
  TRealGame real(5);
  ASSERT_TRUE(real.Show());
  QTest::mouseClick(real.Form.LanguageButton(static_cast<std::size_t>(GetParam().Language)), Qt::LeftButton);
  real.NewGame("Sigurd");
  real.Controller().Village().Trade.SetGoods(TGoodsKind::Jewellery, 3);
  bool looked = false;
  TModalScript script({[&](QWidget* modal) {
    if (auto* status = dynamic_cast<TVillageStatusForm*>(modal)) {
      looked = true;
      status->ShowTab(TVillageStatusForm::TTab::Trade);
      QTest::qWait(20);
      TStatusGoodsImage& goods = *status->GoodsImage();
      // From outside the picture, so that the pointer moves even where an earlier test left it.
      QTest::mouseMove(status->windowHandle(), QPoint(2, 2));
      for (int y = 0; y < goods.height(); ++y) {
        if (goods.RowAt(y) != static_cast<int>(TGoodsKind::Jewellery)) continue;
        QTest::mouseMove(goods.window()->windowHandle(), goods.mapTo(goods.window(), QPoint(goods.width() / 3, y + 4)));
        break;
      }
      EXPECT_EQ(goods.TipText(), QString::fromUtf8(GetParam().Jewellery));
      SaveScreenshot(*status, QString("goods_tip_") + GetParam().Name);
    }
    if (auto* dialog = dynamic_cast<QDialog*>(modal)) dialog->accept();
  }});
  real.Form.Actions().ShowVillageStatus();
  EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(Languages, StatusGoodsTip,
                         ::testing::Values(TSpokenTip{TLanguageCode::Nynorsk, "nn", "Smykke: 3"},
                                           TSpokenTip{TLanguageCode::English, "en", "Jewellery: 3"}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace fjordheim
