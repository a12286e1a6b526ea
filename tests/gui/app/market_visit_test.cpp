#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <optional>

#include "gui/app/main_form.h"
#include "gui/app/scaled_view.h"
#include "gui/app/screen_game.h"
#include "gui/dialogs/status_form.h"
#include "gui/controls/picture_button.h"
#include "gui/council/text_bubbla.h"
#include "gui/trade/goods_container.h"
#include "gui/trade/goods_divider.h"
#include "gui/trade/goods_icon.h"
#include "gui/trade/market_dlg.h"
#include "gui/trade/market_form.h"
#include "gui/trade/separated_goods_container.h"
#include "core/game/village_status.h"
#include "core/trade/market_lines.h"
#include "core/trade/user_merchant.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/goods_on_page.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/real_game.h"
#include "tests/gui/support/scaled_mouse.h"

namespace fjordheim {
namespace {

// Runs the event loop until the condition holds, at most the given time.
bool WaitFor(const std::function<bool()>& condition, int ms = 5000) {
  for (int waited = 0; waited < ms; waited += 20) {
    if (condition()) return true;
    QTest::qWait(20);
  }
  return condition();
}

bool SaysOneOf(const TTextBubbla& bubble, std::span<const TMarketLine> lines) {
  for (const TMarketLine& line : lines) {
    if (bubble.Text().startsWith(QString::fromUtf8(line.Text))) return true;
  }
  return false;
}

// At the market: invite the first merchant, lay two of his spare units and one of the
// village's on the table with the mouse, propose, see it declined, take his counter-offer.
struct TMarketPlayer {
  TMainForm& Main;
  std::optional<TProposal> Accepted;
  bool Declined = false;

  void Trade(TMarketForm& market) {
    EXPECT_TRUE(Main.MarketOpen()) << "the season music waits while the market is open";
    TScaledMouse mouse(market.View(), market.Screen());
    ASSERT_TRUE(WaitFor([&] { return market.MerchLB()->count() >= 2; }));
    SaveScreenshot(*market.Screen(), "visit_market_page");
    QListWidget* list = market.MerchLB();
    mouse.Click(list->viewport(), list->visualItemRect(list->item(0)).center());
    mouse.Click(market.InviteBtn(), market.InviteBtn()->rect().center());
    ASSERT_TRUE(WaitFor([&] { return market.TradePageShown(); })) << "the merchant never answered";

    const TTrade& theirs = *market.Counterpart()->Store;
    const TTrade& mine = *market.Player()->Store;
    int spare = -1;
    int offered = -1;
    for (int kind = 0; kind < GoodsKindCount; ++kind) {
      const auto k = static_cast<TGoodsKind>(kind);
      if (spare < 0 && theirs.Surplus(k) >= 2) spare = kind;
    }
    for (int kind = 0; kind < GoodsKindCount; ++kind) {
      const auto k = static_cast<TGoodsKind>(kind);
      if (kind != spare && offered < 0 && theirs.Surplus(k) >= 0 && mine.GetGoods(k) > 0) offered = kind;
    }
    ASSERT_GE(spare, 0);
    ASSERT_GE(offered, 0);
    TGoodsDivider* goods = market.Goods();
    const QList<TGoodsIcon*> wanted = UnitsOf(market.CounterpartGoods(), static_cast<TGoodsKind>(spare));
    mouse.Click(goods, Centre(wanted[0]));
    mouse.Click(goods, Centre(wanted[1]), Qt::ShiftModifier);
    mouse.Drag(goods, Centre(wanted[1]), {380, 300});
    const QList<TGoodsIcon*> given = UnitsOf(market.PlayerGoods(), static_cast<TGoodsKind>(offered));
    mouse.Click(goods, Centre(given[0]));
    // The drop lands on the propose button, which lies on the table.
    mouse.Drag(goods, Centre(given[0]), {380, 355});
    ASSERT_EQ(market.Table()->Items().size(), 3);
    SaveScreenshot(*market.Screen(), "visit_units_on_table");

    mouse.Click(market.ProposeBtn(), {10, 10});
    Declined = WaitFor([&] { return SaysOneOf(*market.Bubble(), MarketLines::ProposalDeclined); });
    EXPECT_EQ(market.Table()->Items().size(), 3) << "a declined proposal stays on the table";
    ASSERT_TRUE(WaitFor([&] { return market.AccBtn()->isVisible(); })) << "no counter-offer came";
    SaveScreenshot(*market.Screen(), "visit_counter_offer");
    Accepted = market.Player()->Proposal;
    mouse.Click(market.AccBtn(), {10, 10});
    EXPECT_TRUE(market.Traded());
    SaveScreenshot(*market.Screen(), "visit_after_trade");
    mouse.Click(market.DismissBtn(), {10, 10});
    ASSERT_FALSE(market.TradePageShown());
    mouse.Click(market.Avsluta(), {10, 10});
  }
};

TEST(MarketVisit, AChiefTradesAtKaupangThroughTheRealGame) {
  if (!QFileInfo::exists(GameFolder() + "/Bilder/Trade.bmp")) GTEST_SKIP() << "the game's files are not made";
  TRealGame real(7);
  ASSERT_TRUE(real.Show());
  TMainForm& form = real.Form;
  TGameController& controller = real.Controller();
  real.NewGame("Ingrid");
  TPictureButton* trade = form.Button(TMainForm::TButton::Trade);
  ASSERT_TRUE(trade->isVisible()) << "a new game begins in autumn, when the market is open";
  const TGoodsCounts before = controller.Village().Trade.Goods;

  TMarketPlayer player{form, std::nullopt, false};
  std::deque<TModalScript::TAction> steps{
      [&form](QWidget* modal) {
        auto* choice = dynamic_cast<TMarketDlg*>(modal);
        ASSERT_NE(choice, nullptr);
        const QPoint offCentre = choice->frameGeometry().center() - form.frameGeometry().center();
        EXPECT_LT(offCentre.manhattanLength(), 20) << "the choice of markets stands over the middle of the game";
        ASSERT_EQ(choice->MarketLB()->count(), 3);
        EXPECT_EQ(choice->MarketLB()->item(0)->text(), QString::fromUtf8("Kaupang i Vestfold"));
        choice->MarketLB()->setCurrentRow(0);
        SaveScreenshot(*choice, "visit_market_choice");
        choice->OkBtn()->click();
      },
      [&player](QWidget* modal) {
        auto* market = dynamic_cast<TMarketForm*>(modal);
        ASSERT_NE(market, nullptr);
        player.Trade(*market);
      },
  };
  TModalScript script(std::move(steps));
  TScaledMouse mouse(form.View(), form.Screen());
  mouse.Click(trade, trade->rect().center());

  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(player.Declined);
  ASSERT_TRUE(player.Accepted.has_value());
  TGoodsCounts expected = before;
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    const auto k = static_cast<std::size_t>(kind);
    expected[k] = static_cast<std::uint16_t>(expected[k] + (*player.Accepted)[k]);
  }
  EXPECT_EQ(controller.Village().Trade.Goods, expected) << "the village's goods changed by exactly the trade";
  EXPECT_NE(expected, before);
  EXPECT_TRUE(controller.TradedThisYear());
  EXPECT_TRUE(trade->isHidden()) << "one trade a year";
  EXPECT_FALSE(form.MarketOpen());
  SaveScreenshot(*form.Screen(), "visit_village_after_trade");

  // The "Handel" thermometer shows half the coverage of the goods as they are after the trade:
  // each kind's wants weigh d(d + 1) / 2, the units held cover m(m + 1) / 2 of it, and every
  // two spare units add one.
  const TTrade& store = controller.Village().Trade;
  long long covered = 0;
  long long wanted = 0;
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    const long long g = store.Goods[static_cast<std::size_t>(kind)];
    const long long d = store.Demands[static_cast<std::size_t>(kind)];
    const long long m = std::min(g, d);
    wanted += d * (d + 1) / 2;
    covered += m * (m + 1) / 2 + std::max(0LL, g - d) / 2;
  }
  ASSERT_GT(wanted, 0);
  const long double factor = 0.5L * static_cast<long double>(covered) / static_cast<long double>(wanted);
  EXPECT_NEAR(static_cast<double>(controller.RatingFactors().Trade), static_cast<double>(factor), 1e-6);
  std::optional<int> barHeight;
  TModalScript status({[&barHeight](QWidget* modal) {
    auto* window = dynamic_cast<TVillageStatusForm*>(modal);
    ASSERT_NE(window, nullptr);
    barHeight = window->TradeShape()->height();
    SaveScreenshot(*window, "visit_status_after_trade");
    window->reject();
  }});
  real.Game->ShowVillageStatus();
  ASSERT_TRUE(barHeight.has_value());
  EXPECT_EQ(*barHeight, form.GameLayout().Scaled(TVillageStatus::Bar(controller.RatingFactors().Trade).Height))
      << "the bar shows the goods after the trade";
  for (const std::string& message : real.Sink.Messages) ADD_FAILURE() << "message during the visit: " << message;
}

}  // namespace
}  // namespace fjordheim
