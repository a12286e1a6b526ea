#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "core/trade/market_visit.h"
#include "core/trade/user_merchant.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/picture_loader.h"
#include "gui/council/text_bubbla.h"
#include "gui/trade/goods_divider.h"
#include "gui/trade/inet_msg_dlg.h"
#include "gui/trade/market_form.h"
#include "gui/trade/qt_connection_port.h"
#include "gui/trade/qt_scheduler.h"
#include "gui/trade/separated_goods_container.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/goods_on_page.h"
#include "tests/gui/support/scaled_mouse.h"
#include "tools/market-server/market_server.h"

namespace fjordheim {
namespace {

constexpr int TimeoutMs = 10000;

std::string PicturesFolder() {
  return (QCoreApplication::applicationDirPath() + "/../../game/Bilder/").toStdString();
}

// The market of the test: the server on loopback at the port the system gave it, and the
// game's own peer listener on a free port too.
TMarketSettings NetworkSettings(quint16 serverPort) {
  TMarketSettings settings;
  settings.ListenPort = 0;
  TMarketData market;
  market.MarketType = "NETWORK";
  market.Name = "Nettmarkedet";
  market.IP = "127.0.0.1";
  market.Port = serverPort;
  settings.Markets.push_back(market);
  return settings;
}

// One game's market window at the network market, with the game's real scheduler and
// connections, its pictures and its message boxes. A question is answered by Answer, which
// a test may hold open while the network goes on, as a message box would.
struct TChief {
  TChief(quint16 serverPort, const std::string& name, std::int32_t face, TTrade village)
      : Store(village), Visit(NetworkSettings(serverPort), Scheduler, Random) {
    GoodsPictures = CreatePictureList(qRgb(255, 0, 255), {"i_silver", "i_barnst", "i_furs", "i_iron", "i_jewel", "i_weap"},
                                      PicturesFolder(), Loader);
    BubblePictures = CreatePictureList(qRgb(255, 0, 255), {"bubbla1", "bubbla2", "bubbla3"}, PicturesFolder(), Loader);
    Visit.UseNetwork(Connections, Sink);
    Form = std::make_unique<TMarketForm>(nullptr, TMarketWindowParts{PicturesFolder(), "", Loader, BubblePictures,
                                                                     GoodsPictures, nullptr, Random, Sink, TGameLayout()});
    Form->OnAsk = [this](const QString&, const QString& question) {
      Questions.push_back(question);
      return Answer ? Answer() : true;
    };
    Opened = Form->OpenChosenMarket(Visit, 0, name, face, Store);
    Form->show();
  }
  ~TChief() {
    Form->LeaveMarket();
    Form.reset();
    Visit.Close();
  }

  bool Lists(const char* name) const {
    return !Form->MerchLB()->findItems(QString::fromUtf8(name), Qt::MatchExactly).isEmpty();
  }
  void Choose(const char* name) {
    Form->MerchLB()->setCurrentItem(Form->MerchLB()->findItems(QString::fromUtf8(name), Qt::MatchExactly).value(0));
  }
  bool WaitingShown() const { return Form->Waiting()->isVisible(); }
  QString Says() const { return Form->Bubble()->Text(); }

  TRandom Random{42};
  TCollectingMessageSink Sink;
  TQtScheduler Scheduler{Sink};
  TQtConnectionPort Connections;
  TPictureLoader Loader;
  TPictureList GoodsPictures;
  TPictureList BubblePictures;
  TTrade Store;
  TMarketVisit Visit;
  std::unique_ptr<TMarketForm> Form;
  bool Opened = false;
  QStringList Questions;
  std::function<bool()> Answer;
};

class NetworkMarketWindow : public ::testing::Test {
 protected:
  NetworkMarketWindow() { EXPECT_TRUE(Server.Listen(QHostAddress::LocalHost, 0)); }

  // Astrid has furs and lacks iron; Bjørn has iron and lacks furs.
  void BothArrive() {
    Astrid = std::make_unique<TChief>(Server.Port(), "Astrid", 2, TTrade{{1, 0, 6, 0, 1, 1}, {1, 0, 2, 3, 1, 1}});
    Bjorn = std::make_unique<TChief>(Server.Port(), "Bjørn", 5, TTrade{{1, 1, 0, 6, 0, 1}, {1, 1, 3, 2, 0, 1}});
    ASSERT_TRUE(Astrid->Opened && Bjorn->Opened);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Astrid->Lists("Bjørn") && Bjorn->Lists("Astrid"); }, TimeoutMs))
        << "the two chiefs never saw each other at the market";
  }

  // Astrid invites Bjørn from the market page; the answer is Bjørn's Answer.
  void AstridInvitesBjorn() {
    Astrid->Choose("Bjørn");
    Astrid->Form->InviteBtn()->click();
  }

  std::ostringstream Console;
  TMarketLog Log{Console};
  TMarketServer Server{TMarketLimits{}, std::nullopt, Log};
  std::unique_ptr<TChief> Astrid;
  std::unique_ptr<TChief> Bjorn;
};

TEST_F(NetworkMarketWindow, TwoChiefsMeetTalkAndTradeThroughTheirWindows) {
  BothArrive();
  EXPECT_TRUE(Astrid->Lists("Astrid")) << "the player sees himself among the people at the market";
  SaveScreenshot(*Astrid->Form->Screen(), "network_market_page");

  // While Bjørn's question is open, Astrid waits in the window "Internet" and may not invite again.
  bool astridWaitedInTheInternetWindow = false;
  Bjorn->Answer = [&] {
    astridWaitedInTheInternetWindow =
        Astrid->WaitingShown() && Astrid->Form->Waiting()->windowTitle() == QStringLiteral("Internet") &&
        Astrid->Form->Waiting()->Text()->text() == QString::fromUtf8(MarketTexts::WaitForAnswer) &&
        !Astrid->Form->InviteBtn()->isEnabled();
    return true;
  };
  AstridInvitesBjorn();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Astrid->Form->TradePageShown() && Bjorn->Form->TradePageShown(); }, TimeoutMs));
  EXPECT_EQ(Bjorn->Questions, QStringList{QString::fromUtf8("Astrid vil handle med deg. Sier du ja til invitasjonen?")});
  EXPECT_TRUE(astridWaitedInTheInternetWindow);
  EXPECT_FALSE(Astrid->WaitingShown()) << "the answer closes the waiting window";
  EXPECT_EQ(Astrid->Form->CounterPartNameLabel()->text(), QString::fromUtf8("Bjørn"));
  EXPECT_EQ(Bjorn->Form->CounterPartNameLabel()->text(), QStringLiteral("Astrid"));
  EXPECT_TRUE(Astrid->Form->ChatEdit()->isVisible()) << "a network market has the chat field";

  // A chat line typed and sent with Enter is said in the other's bubble; an empty one is not sent.
  const QString greeting = QString::fromUtf8("Hei Bjørn! Jeg har pelser, du har jern?");
  QTest::keyClicks(Astrid->Form->ChatEdit(), greeting);
  QTest::keyClick(Astrid->Form->ChatEdit(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Bjorn->Says() == greeting; }, TimeoutMs));
  EXPECT_TRUE(Astrid->Form->ChatEdit()->text().isEmpty());
  const QString before = Bjorn->Says();
  QTest::keyClick(Astrid->Form->ChatEdit(), Qt::Key_Return);
  QTest::qWait(200);
  EXPECT_EQ(Bjorn->Says(), before);

  // Astrid lays two of Bjørn's iron and two of her furs on the table with the mouse and proposes.
  TMarketForm& astrid = *Astrid->Form;
  TScaledMouse mouse(astrid.View(), astrid.Screen());
  const QList<TGoodsIcon*> iron = UnitsOf(astrid.CounterpartGoods(), TGoodsKind::Iron);
  mouse.Click(astrid.Goods(), Centre(iron[0]));
  mouse.Click(astrid.Goods(), Centre(iron[1]), Qt::ControlModifier);
  mouse.Drag(astrid.Goods(), Centre(iron[1]), {380, 300});
  const QList<TGoodsIcon*> furs = UnitsOf(astrid.PlayerGoods(), TGoodsKind::Furs);
  mouse.Click(astrid.Goods(), Centre(furs[0]));
  mouse.Click(astrid.Goods(), Centre(furs[1]), Qt::ControlModifier);
  mouse.Drag(astrid.Goods(), Centre(furs[1]), {380, 300});
  ASSERT_EQ(astrid.Table()->Items().size(), 4);
  SaveScreenshot(*astrid.Screen(), "network_trading_page");
  mouse.Click(astrid.ProposeBtn(), {10, 10});

  // Bjørn sees the same units on his table, from his side, and accepts.
  ASSERT_TRUE(QTest::qWaitFor([&] { return Bjorn->Form->AccBtn()->isVisible(); }, TimeoutMs));
  EXPECT_EQ(Bjorn->Form->Table()->Items().size(), 4);
  EXPECT_EQ(Bjorn->Form->Player()->Proposal, (TProposal{0, 0, 2, -2, 0, 0}));
  Bjorn->Form->AccBtn()->Clicked();
  ASSERT_TRUE(QTest::qWaitFor([&] { return astrid.Table()->Items().empty(); }, TimeoutMs))
      << "the traded units went home to their new owners";

  EXPECT_EQ(Astrid->Store.Goods, (TGoodsCounts{1, 0, 4, 2, 1, 1}));
  EXPECT_EQ(Bjorn->Store.Goods, (TGoodsCounts{1, 1, 2, 4, 0, 1}));
  EXPECT_TRUE(Astrid->Form->Traded() && Bjorn->Form->Traded());
  EXPECT_EQ(UnitsOf(astrid.PlayerGoods(), TGoodsKind::Iron).size(), 2);
  SaveScreenshot(*astrid.Screen(), "network_after_trade");

  // Bjørn ends the trade: Astrid is told and is back at the market page, free to invite again.
  Bjorn->Form->DismissBtn()->Clicked();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Astrid->Form->TradePageShown(); }, TimeoutMs));
  EXPECT_TRUE(Astrid->Form->InviteBtn()->isEnabled());
  EXPECT_EQ(Astrid->Sink.Messages, std::vector<std::string>{"Bjørn vil ikke handle mer!"});
  EXPECT_TRUE(Bjorn->Sink.Messages.empty());
}

TEST_F(NetworkMarketWindow, AChiefWhoGivesUpWaitingLeavesTheOtherWithAnInvitationGoneStale) {
  BothArrive();
  // Bjørn thinks it over while Astrid cancels the waiting window; his yes comes too late.
  Bjorn->Answer = [&] {
    Astrid->Form->Waiting()->CancelBtn()->click();
    return QTest::qWaitFor([&] { return Bjorn->Form->Player()->State == TMerchantState::Idle; }, TimeoutMs);
  };
  AstridInvitesBjorn();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Bjorn->Sink.Messages.empty(); }, TimeoutMs));
  EXPECT_EQ(Bjorn->Sink.Messages, std::vector<std::string>{MarketTexts::TiredOfWaiting});
  EXPECT_FALSE(Bjorn->Form->TradePageShown());
  EXPECT_FALSE(Astrid->Form->TradePageShown());
  EXPECT_FALSE(Astrid->WaitingShown());
  EXPECT_TRUE(Astrid->Form->InviteBtn()->isEnabled()) << "after giving up, Astrid may invite again";

  // A no is heard as a declined invitation.
  Bjorn->Answer = [] { return false; };
  AstridInvitesBjorn();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Astrid->Sink.Messages.empty(); }, TimeoutMs));
  EXPECT_EQ(Astrid->Sink.Messages, std::vector<std::string>{"Bjørn avslår innvitasjonen."});
  EXPECT_FALSE(Astrid->WaitingShown());
  EXPECT_TRUE(Astrid->Form->InviteBtn()->isEnabled());
}

// A peer may say it holds 65535 units of a kind; the table shows at most sixty of them.
TEST_F(NetworkMarketWindow, AHugeStoreShowsAtMostSixtyUnitsOfAKind) {
  Astrid = std::make_unique<TChief>(Server.Port(), "Astrid", 2, TTrade{{1, 0, 6, 0, 1, 1}, {1, 0, 2, 3, 1, 1}});
  Bjorn = std::make_unique<TChief>(Server.Port(), "Bjørn", 5, TTrade{{1, 1, 0, 65535, 0, 1}, {1, 1, 3, 2, 0, 1}});
  ASSERT_TRUE(QTest::qWaitFor([&] { return Astrid->Lists("Bjørn"); }, TimeoutMs));
  AstridInvitesBjorn();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Astrid->Form->TradePageShown(); }, TimeoutMs));
  EXPECT_EQ(UnitsOf(Astrid->Form->CounterpartGoods(), TGoodsKind::Iron).size(), 60);
  EXPECT_EQ(UnitsOf(Astrid->Form->CounterpartGoods(), TGoodsKind::Silver).size(), 1);
}

// Another program may send four kilobytes of chat; the bubble shows what it holds and ends it
// with "…", a word of two hundred letters included, instead of writing over the whole page.
TEST_F(NetworkMarketWindow, ALongChatLineStaysInsideTheBubble) {
  BothArrive();
  AstridInvitesBjorn();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Astrid->Form->TradePageShown() && Bjorn->Form->TradePageShown(); }, TimeoutMs));
  EXPECT_EQ(Astrid->Form->ChatEdit()->maxLength(), 80) << "a child's own line fits the other's bubble";
  std::string longLine = std::string(200, 'x');
  for (int word = 0; word < 600; ++word) longLine += " ord" + std::to_string(word);
  std::int32_t err = 0;
  Bjorn->Visit.SendText(longLine, err);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Astrid->Says().isEmpty() && Astrid->Says().endsWith(QString::fromUtf8("…")); },
                              TimeoutMs));
  QImage page(Astrid->Form->Goods()->size(), QImage::Format_RGB32);
  Astrid->Form->Goods()->render(&page);
  QPainter painter(&page);
  const TTextBubbla& bubble = *Astrid->Form->Bubble();
  const QRect block = bubble.TextBlock(painter);
  const TWorkRect& bounds = bubble.Bounds();
  EXPECT_GE(block.top(), bounds.Top);
  EXPECT_LE(block.bottom(), bounds.Bottom) << "the text stays inside the bubble";
  SaveScreenshot(*Astrid->Form->Screen(), "network_long_chat");

  Bjorn->Visit.SendText("Hei!", err);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Astrid->Says() == QStringLiteral("Hei!"); }, TimeoutMs))
      << "a short line is shown as it was written";
}

TEST_F(NetworkMarketWindow, AChiefWhoLeavesTheMarketIsGoneFromTheOthersList) {
  BothArrive();
  Bjorn.reset();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Astrid->Lists("Bjørn"); }, TimeoutMs));
  EXPECT_TRUE(Astrid->Lists("Astrid"));
  EXPECT_TRUE(Astrid->Sink.Messages.empty());
}

}  // namespace
}  // namespace fjordheim
