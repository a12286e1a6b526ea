#include <gtest/gtest.h>
#include <sys/socket.h>

#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/trade/client.h"
#include "core/trade/manual_scheduler.h"
#include "core/trade/net_market.h"
#include "core/trade/user_merchant.h"
#include "gui/trade/qt_connection_port.h"
#include "tests/core/trade/market_windows.h"
#include "tools/market-server/market_server.h"

namespace fjordheim {
namespace {

using E = TMerchantEvent;
using S = TMerchantState;

constexpr int TimeoutMs = 10000;

// The game's message boxes are modal: while one is open, a nested event loop runs and the network
// keeps delivering.
struct TModalBoxes : TMessageSink {
  void ShowMessage(const std::string& text) override {
    ++Open;
    MostOpen = std::max(MostOpen, Open);
    Shown.push_back(text);
    QEventLoop box;
    QTimer::singleShot(20, &box, &QEventLoop::quit);
    box.exec();
    --Open;
  }
  std::vector<std::string> Shown;
  int Open = 0;
  int MostOpen = 0;
};

// One game at the network market on real sockets.
struct TGame {
  TGame(quint16 serverPort, const std::string& name, TTrade village, std::int32_t listenPort)
      : Village(village),
        Client(Market, "127.0.0.1", serverPort, Connections, Boxes),
        Player(&Village, name, Scheduler) {
    Client.ListenPort = listenPort;
    Market.Client = &Client;
    Market.SetNotifyWindow(&MarketWindow);
    Player.SetNotifyWindow(&Window);
    std::int32_t err = 0;
    Market.Enter(Player, err);
  }

  TNetMerchant* Remote(const std::string& name) {
    for (std::size_t i = 0; i < Client.RemoteMerchantCount(); ++i) {
      if (Client.RemoteMerchant(i).Name == name) return &Client.RemoteMerchant(i);
    }
    return nullptr;
  }

  bool Heard(E event) const { return std::find(Window.Events.begin(), Window.Events.end(), event) != Window.Events.end(); }
  std::optional<E> LastEvent() const {
    return Window.Events.empty() ? std::nullopt : std::optional<E>(Window.Events.back());
  }

  TManualScheduler Scheduler;
  TTrade Village;
  TModalBoxes Boxes;
  TMerchantWindow Window;
  TMarketWindow MarketWindow;
  TNetMarket Market{Scheduler};
  TQtConnectionPort Connections;
  TClient Client;
  TUserMerchant Player;
};

class NetworkMarket : public ::testing::Test {
 protected:
  NetworkMarket() { EXPECT_TRUE(Server.Listen(QHostAddress::LocalHost, 0)); }

  // A game that listens on a port the system chooses, unless told another.
  std::unique_ptr<TGame> Join(const std::string& name, TTrade village, std::int32_t listenPort = 0) {
    auto game = std::make_unique<TGame>(Server.Port(), name, village, listenPort);
    Games.push_back(game.get());
    EXPECT_TRUE(WaitFor([&] { return game->Player.Id > 0; })) << name << " was not let in";
    return game;
  }

  // Astrid invites Bjørn and he accepts: the game is still at the player's command.
  void Meet(TGame& astrid, TGame& bjorn) {
    std::int32_t err = 0;
    astrid.Player.SetState(S::InviteSent);
    ASSERT_TRUE(astrid.Player.Invite(*astrid.Remote(bjorn.Player.Name), err));
    ASSERT_TRUE(WaitFor([&] { return bjorn.Heard(E::Invited); }));
    ASSERT_TRUE(bjorn.Player.AnswerInvite(TAnswer::Accept, err));
    ASSERT_TRUE(WaitFor([&] { return astrid.Heard(E::InviteAccepted); }));
  }

  // Runs the event loop and every game's posted events until the condition holds.
  bool WaitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(
        [&] {
          for (TGame* game : Games) game->Scheduler.RunPosted();
          return condition();
        },
        TimeoutMs);
  }

  std::ostringstream Console;
  TMarketLog Log{Console};
  TMarketServer Server{TMarketLimits{}, std::nullopt, Log};
  std::vector<TGame*> Games;
};

TEST_F(NetworkMarket, TwoGamesMeetAtTheRealServerAndCarryAWholeTrade) {
  auto astrid = Join("Astrid", VillageStore(5, 0));
  auto bjorn = Join("Bjørn", VillageStore(0, 5));
  ASSERT_TRUE(WaitFor([&] { return astrid->Remote("Bjørn") != nullptr && bjorn->Remote("Astrid") != nullptr; }));
  EXPECT_EQ(astrid->MarketWindow.Names, (std::vector<std::string>{"Astrid", "Bjørn"}));
  EXPECT_NE(*astrid->Client.ListeningPort(), *bjorn->Client.ListeningPort());
  EXPECT_EQ(astrid->Remote("Bjørn")->Port, *bjorn->Client.ListeningPort());
  EXPECT_EQ(astrid->Remote("Bjørn")->IP, "127.0.0.1");
  TTrade together;
  for (int k = 0; k < GoodsKindCount; ++k) together.Goods[k] = astrid->Village.Goods[k] + bjorn->Village.Goods[k];

  std::int32_t err = 0;
  astrid->Player.SetState(S::InviteSent);
  ASSERT_TRUE(astrid->Player.Invite(*astrid->Remote("Bjørn"), err));
  ASSERT_TRUE(WaitFor([&] { return bjorn->Heard(E::Invited); }));
  ASSERT_TRUE(bjorn->Player.AnswerInvite(TAnswer::Accept, err));
  ASSERT_TRUE(WaitFor([&] { return astrid->Heard(E::InviteAccepted); }));

  ASSERT_TRUE(astrid->Player.Propose({0, 0, -1, 5, 0, 0}, err));
  ASSERT_TRUE(WaitFor([&] { return bjorn->LastEvent() == E::ProposalArrived; }));
  ASSERT_TRUE(bjorn->Player.AnswerProposal(TAnswer::Decline, err));
  ASSERT_TRUE(WaitFor([&] { return astrid->LastEvent() == E::ProposalDeclined; }));
  ASSERT_TRUE(bjorn->Player.Propose({0, 0, 3, -2, 0, 0}, err));
  ASSERT_TRUE(WaitFor([&] { return astrid->LastEvent() == E::ProposalArrived; }));
  ASSERT_TRUE(astrid->Player.AnswerProposal(TAnswer::Accept, err));
  ASSERT_TRUE(WaitFor([&] { return bjorn->LastEvent() == E::ProposalAccepted; }));

  EXPECT_EQ(astrid->Village.Goods[2], 2);
  EXPECT_EQ(astrid->Village.Goods[3], 2);
  EXPECT_EQ(bjorn->Village.Goods[2], 3);
  EXPECT_EQ(bjorn->Village.Goods[3], 3);
  for (int k = 0; k < GoodsKindCount; ++k) {
    EXPECT_EQ(astrid->Village.Goods[k] + bjorn->Village.Goods[k], together.Goods[k]) << "kind " << k;
  }

  // A third player who invites either of them hears that they are busy.
  auto cecilie = Join("Cecilie", VillageStore(1, 1));
  ASSERT_TRUE(WaitFor([&] { return cecilie->Remote("Astrid") != nullptr && cecilie->Remote("Bjørn") != nullptr; }));
  for (const char* trader : {"Astrid", "Bjørn"}) {
    cecilie->Window.Events.clear();
    cecilie->Player.SetState(S::InviteSent);
    ASSERT_TRUE(cecilie->Player.Invite(*cecilie->Remote(trader), err));
    ASSERT_TRUE(WaitFor([&] { return cecilie->Heard(E::InviteBusy); })) << trader;
    EXPECT_EQ(cecilie->Player.State, S::Idle);
  }

  const std::string chat = "Takk for handelen, kjære venn! Blåbær og røkt ørret? Æ Ø Å";
  ASSERT_TRUE(bjorn->Player.SendText(chat, err));
  ASSERT_TRUE(WaitFor([&] { return astrid->LastEvent() == E::TextArrived; }));
  EXPECT_EQ(astrid->Player.Text, chat);

  ASSERT_TRUE(astrid->Player.Dismiss(err));
  ASSERT_TRUE(WaitFor([&] { return bjorn->LastEvent() == E::Dismissed; }));
  EXPECT_EQ(astrid->Player.State, S::Idle);
  EXPECT_EQ(bjorn->Player.State, S::Idle);
  for (TGame* game : Games) EXPECT_TRUE(game->Boxes.Shown.empty()) << game->Player.Name;

  // Leaving the market is heard by the others through the server.
  std::int32_t leaveErr = 0;
  bjorn->Market.Leave(bjorn->Player, leaveErr);
  ASSERT_TRUE(WaitFor([&] { return astrid->Remote("Bjørn") == nullptr && cecilie->Remote("Bjørn") == nullptr; }));
  EXPECT_EQ(astrid->MarketWindow.Names, (std::vector<std::string>{"Astrid", "Cecilie"}));
}

TEST_F(NetworkMarket, ATakenListenPortIsToldOnceInNorwegianAndTheMarketStillOpens) {
  QTcpServer taken;
  ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
  auto astrid = Join("Astrid", VillageStore(5, 0));
  auto bjorn = Join("Bjørn", VillageStore(0, 5), taken.serverPort());
  EXPECT_EQ(bjorn->Boxes.Shown,
            std::vector<std::string>{ListenFailedText(taken.serverPort(), "The bound address is already in use")});
  ASSERT_TRUE(WaitFor([&] { return bjorn->Remote("Astrid") != nullptr; }));
  EXPECT_EQ(bjorn->MarketWindow.Names, (std::vector<std::string>{"Bjørn", "Astrid"}));
  Meet(*bjorn, *astrid);
  EXPECT_EQ(bjorn->Boxes.Shown.size(), 1U);
}

// Mallory's own program calls a logged-in game directly and says what it likes.
TEST_F(NetworkMarket, AHostilePeerNeitherStopsNorRobsALoggedInGame) {
  auto astrid = Join("Astrid", VillageStore(5, 0));
  auto bjorn = Join("Bjørn", VillageStore(0, 5));
  ASSERT_TRUE(WaitFor([&] { return astrid->Remote("Bjørn") != nullptr; }));
  const TTrade before = astrid->Village;
  const quint16 port = static_cast<quint16>(*astrid->Client.ListeningPort());

  QTcpSocket mallory;
  mallory.connectToHost(QStringLiteral("127.0.0.1"), port);
  ASSERT_TRUE(mallory.waitForConnected(TimeoutMs));
  std::string burst;
  for (int i = 0; i < 10000; ++i) burst += "PROPOSE 9 9 " + std::to_string(i) + " ENDMESSAGE";
  burst += std::string("\x01\x02 garbage \xFF\x00 ENDMESSAGE", 22) +
           "PROPOSE 4294967299 1 0 0 0 0 0 0 ENDMESSAGE"
           "INVITE 2 1 99999999999 0 0 0 0 0 0 0 0 0 0 0 ENDMESSAGE"
           "INVITE 77 1 0 0 0 0 0 0 0 0 0 0 0 0 ENDMESSAGE"
           "ANSWERPROP 77 1 A ";
  mallory.write(burst.data(), static_cast<qint64>(burst.size()));
  mallory.write(QByteArray(1 << 20, 'x'));
  ASSERT_TRUE(WaitFor([&] { return mallory.state() == QAbstractSocket::UnconnectedState; }));
  const std::size_t boxesOfTheFlood = astrid->Boxes.Shown.size();
  EXPECT_GE(boxesOfTheFlood, 2U);
  EXPECT_LT(boxesOfTheFlood, 20U);
  EXPECT_EQ(astrid->Player.State, S::Idle);

  // One caller says nothing at all; another sends half an invitation and stops sending.
  QTcpSocket silent;
  silent.connectToHost(QStringLiteral("127.0.0.1"), port);
  QTcpSocket halfOpen;
  halfOpen.connectToHost(QStringLiteral("127.0.0.1"), port);
  ASSERT_TRUE(silent.waitForConnected(TimeoutMs) && halfOpen.waitForConnected(TimeoutMs));
  halfOpen.write("INVITE 2 1 0 0 0");
  ASSERT_TRUE(halfOpen.waitForBytesWritten(TimeoutMs));
  ::shutdown(static_cast<int>(halfOpen.socketDescriptor()), SHUT_WR);
  QTest::qWait(100);

  Meet(*astrid, *bjorn);
  std::int32_t err = 0;
  ASSERT_TRUE(astrid->Player.Dismiss(err));
  ASSERT_TRUE(WaitFor([&] { return bjorn->LastEvent() == E::Dismissed; }));

  EXPECT_EQ(astrid->Village.Goods, before.Goods);
  EXPECT_EQ(astrid->Village.Demands, before.Demands);
  EXPECT_EQ(astrid->Boxes.MostOpen, 1);
  EXPECT_LT(astrid->Boxes.Shown.size(), boxesOfTheFlood + 5);
  EXPECT_EQ(astrid->MarketWindow.Names, (std::vector<std::string>{"Astrid", "Bjørn"}));
}

}  // namespace
}  // namespace fjordheim
