#include "core/trade/client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/common/throttled_message_sink.h"
#include "core/trade/in_memory_network.h"
#include "core/trade/manual_scheduler.h"
#include "core/trade/net_market.h"
#include "core/trade/peer_message.h"
#include "core/trade/user_merchant.h"
#include "tests/core/trade/market_windows.h"
#include "tests/core/trade/test_market_server.h"

namespace fjordheim {
namespace {

using E = TMerchantEvent;
using S = TMerchantState;

// One game at a network market: its own scheduler, village store, windows, market, client and
// the player's merchant, on one host of the network.
struct TGame {
  TGame(TInMemoryNetwork& network, const std::string& host, const std::string& name, TTrade village,
        TMessageSink* sink = nullptr)
      : Village(village),
        Client(Market, "server", TTestMarketServer::Port, network.Host(host), sink != nullptr ? *sink : Messages),
        Player(&Village, name, Scheduler) {
    Market.Client = &Client;
    Market.SetNotifyWindow(&MarketWindow);
    Player.SetNotifyWindow(&Window);
  }

  void Enter() {
    std::int32_t err = 0;
    Market.Enter(Player, err);
  }

  void Leave() {
    std::int32_t err = 0;
    Market.Leave(Player, err);
  }

  TNetMerchant& Remote(const std::string& name) {
    for (std::size_t i = 0; i < Client.RemoteMerchantCount(); ++i) {
      if (Client.RemoteMerchant(i).Name == name) return Client.RemoteMerchant(i);
    }
    throw std::runtime_error("no remote merchant " + name);
  }

  bool Invite(TMerchant& other) {
    std::int32_t err = 0;
    Player.SetState(S::InviteSent);
    return Player.Invite(other, err);
  }

  bool Answer(TAnswer answer) {
    std::int32_t err = 0;
    return Player.AnswerInvite(answer, err);
  }

  bool Propose(const TProposal& deltas) {
    std::int32_t err = 0;
    return Player.Propose(deltas, err);
  }

  bool AnswerProposal(TAnswer answer) {
    std::int32_t err = 0;
    return Player.AnswerProposal(answer, err);
  }

  std::optional<TMerchantEvent> LastEvent() const {
    if (Window.Events.empty()) return std::nullopt;
    return Window.Events.back();
  }

  TManualScheduler Scheduler;
  TTrade Village;
  TCollectingMessageSink Messages;
  TMerchantWindow Window;
  TMarketWindow MarketWindow;
  TNetMarket Market{Scheduler};
  TClient Client;
  TUserMerchant Player;
};

// A program on the network that says exactly what a test tells it to.
struct TRawEndpoint : TConnectionListener {
  TRawEndpoint(TInMemoryNetwork& network, const std::string& host) : Port(network.Host(host)) {
    Port.SetListener(this);
  }
  void ConnectionEstablished(TConnectionId) override {}
  void ConnectionError(TConnectionId connection, const std::string&) override { Closed.push_back(connection); }
  void DataArrived(TConnectionId connection, std::string_view bytes) override { Received[connection] += bytes; }
  void ConnectionClosed(TConnectionId connection) override { Closed.push_back(connection); }
  void ConnectionRequested(TConnectionId listener) override {
    while (const auto connection = Port.Accept(listener)) Accepted.push_back(*connection);
  }
  bool WasClosed(TConnectionId connection) const {
    return std::find(Closed.begin(), Closed.end(), connection) != Closed.end();
  }

  TConnectionPort& Port;
  std::map<TConnectionId, std::string> Received;
  std::vector<TConnectionId> Accepted;
  std::vector<TConnectionId> Closed;
};

class ClientTest : public ::testing::Test {
 protected:
  TInMemoryNetwork Network;
  TTestMarketServer Server{Network.Host("server")};
  std::vector<TGame*> Games;

  std::unique_ptr<TGame> Join(const std::string& host, const std::string& name, TTrade village,
                              TMessageSink* sink = nullptr) {
    auto game = std::make_unique<TGame>(Network, host, name, village, sink);
    Games.push_back(game.get());
    game->Enter();
    Settle();
    return game;
  }

  void Settle() {
    for (std::size_t ran = 1; ran > 0;) {
      ran = Network.Deliver();
      for (TGame* game : Games) ran += game->Scheduler.RunPosted();
    }
  }

  // The inviter invites and the invitee accepts: the two are trading.
  void Meet(TGame& inviter, TGame& invitee) {
    inviter.Invite(inviter.Remote(invitee.Player.Name));
    Settle();
    invitee.Answer(TAnswer::Accept);
    Settle();
  }

  // A program that logged in to the market as "Mallory" and listens like a game.
  std::unique_ptr<TRawEndpoint> RawPlayer(const std::string& host, bool listens = true) {
    auto raw = std::make_unique<TRawEndpoint>(Network, host);
    if (listens) raw->Port.Listen(TClient::DefaultListenPort);
    const TConnectionId server = raw->Port.Connect("server", TTestMarketServer::Port);
    Settle();
    raw->Port.Send(server, BuildLogin(TClient::DefaultListenPort, 4, "Mallory"));
    Settle();
    return raw;
  }
};

TEST_F(ClientTest, PlayersWhoLogInSeeEachOtherWithWholeNamesAddressesAndPorts) {
  auto astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0));
  astrid->Client.ListenPort = 0;
  auto bjorn = Join("10.0.0.2", "Bjørn den gamle", VillageStore(0, 5));

  EXPECT_EQ(astrid->MarketWindow.Names, (std::vector<std::string>{"Astrid", "Bjørn den gamle"}));
  EXPECT_EQ(bjorn->MarketWindow.Names, (std::vector<std::string>{"Bjørn den gamle", "Astrid"}));
  EXPECT_EQ(astrid->Player.Id, 1);
  EXPECT_EQ(bjorn->Player.Id, 2);
  const TNetMerchant& seen = astrid->Remote("Bjørn den gamle");
  EXPECT_EQ(seen.IP, "10.0.0.2");
  EXPECT_EQ(seen.Port, TClient::DefaultListenPort);
  EXPECT_EQ(seen.Id, 2);
  EXPECT_TRUE(astrid->Messages.Messages.empty());
}

// TCP may cut the bytes anywhere: whole writes joined, single bytes, or pieces of a few.
class WholeTradeTest : public ClientTest, public ::testing::WithParamInterface<std::size_t> {
 protected:
  void SetUp() override { Network.SetPieceSize(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(PieceSizes, WholeTradeTest, ::testing::Values(0, 1, 5));

TEST_P(WholeTradeTest, AWholeTradeChangesBothStoresAndConservesTheGoods) {
  auto astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0));
  auto bjorn = Join("10.0.0.2", "Bjørn", VillageStore(0, 5));
  TTrade before;
  for (int k = 0; k < GoodsKindCount; ++k) before.Goods[k] = astrid->Village.Goods[k] + bjorn->Village.Goods[k];

  ASSERT_TRUE(astrid->Invite(astrid->Remote("Bjørn")));
  Settle();
  EXPECT_EQ(bjorn->Window.Events, std::vector<E>{E::Invited});
  EXPECT_EQ(bjorn->Remote("Astrid").Store->Goods, astrid->Village.Goods);

  ASSERT_TRUE(bjorn->Answer(TAnswer::Accept));
  Settle();
  EXPECT_EQ(astrid->Window.Events, std::vector<E>{E::InviteAccepted});
  EXPECT_EQ(astrid->Remote("Bjørn").Store->Demands, bjorn->Village.Demands);
  EXPECT_EQ(astrid->Player.State, S::MayPropose);
  EXPECT_EQ(bjorn->Player.State, S::AwaitingProposal);

  // Astrid first asks too much and is declined, then offers three furs for two iron.
  ASSERT_TRUE(astrid->Propose({0, 0, -1, 5, 0, 0}));
  Settle();
  ASSERT_TRUE(bjorn->AnswerProposal(TAnswer::Decline));
  Settle();
  EXPECT_EQ(astrid->LastEvent(), E::ProposalDeclined);
  ASSERT_TRUE(bjorn->Propose({0, 0, 3, -2, 0, 0}));
  Settle();
  EXPECT_EQ(astrid->Player.Proposal, (TProposal{0, 0, -3, 2, 0, 0}));
  ASSERT_TRUE(astrid->AnswerProposal(TAnswer::Accept));
  Settle();
  EXPECT_EQ(bjorn->LastEvent(), E::ProposalAccepted);

  EXPECT_EQ(astrid->Village.Goods[2], 2);
  EXPECT_EQ(astrid->Village.Goods[3], 2);
  EXPECT_EQ(bjorn->Village.Goods[2], 3);
  EXPECT_EQ(bjorn->Village.Goods[3], 3);
  for (int k = 0; k < GoodsKindCount; ++k) {
    EXPECT_EQ(astrid->Village.Goods[k] + bjorn->Village.Goods[k], before.Goods[k]) << "kind " << k;
  }
  EXPECT_EQ(astrid->Remote("Bjørn").Store->Goods, bjorn->Village.Goods);
  EXPECT_EQ(bjorn->Remote("Astrid").Store->Goods, astrid->Village.Goods);

  std::int32_t err = 0;
  ASSERT_TRUE(bjorn->Player.SendText("Takk, kjære venn! Æ Ø Å", err));
  Settle();
  EXPECT_EQ(astrid->Player.Text, "Takk, kjære venn! Æ Ø Å");
  EXPECT_EQ(astrid->LastEvent(), E::TextArrived);

  ASSERT_TRUE(astrid->Player.Dismiss(err));
  Settle();
  EXPECT_EQ(bjorn->LastEvent(), E::Dismissed);
  EXPECT_EQ(astrid->Player.State, S::Idle);
  EXPECT_EQ(bjorn->Player.State, S::Idle);
  EXPECT_EQ(Network.OpenConnections(), 4U) << "the peer link is closed; the server links stay";
  EXPECT_TRUE(astrid->Messages.Messages.empty());
  EXPECT_TRUE(bjorn->Messages.Messages.empty());
}

TEST_F(ClientTest, AThirdPlayerWhoInvitesEitherTraderGetsTheBusyAnswer) {
  auto astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0));
  auto bjorn = Join("10.0.0.2", "Bjørn", VillageStore(0, 5));
  auto cecilie = Join("10.0.0.3", "Cecilie", VillageStore(1, 1));
  Meet(*astrid, *bjorn);

  for (const char* trader : {"Astrid", "Bjørn"}) {
    ASSERT_TRUE(cecilie->Invite(cecilie->Remote(trader)));
    Settle();
    EXPECT_EQ(cecilie->LastEvent(), E::InviteBusy) << trader;
    EXPECT_EQ(cecilie->Player.State, S::Idle);
    EXPECT_EQ(cecilie->Player.Partner, nullptr);
  }
  EXPECT_EQ(astrid->Player.State, S::MayPropose);
  EXPECT_EQ(bjorn->Player.State, S::AwaitingProposal);
  EXPECT_EQ(astrid->Window.Events, std::vector<E>{E::InviteAccepted});
  EXPECT_EQ(bjorn->Window.Events, std::vector<E>{E::Invited});

  ASSERT_TRUE(astrid->Propose({0, 0, -1, 1, 0, 0}));
  Settle();
  EXPECT_EQ(bjorn->LastEvent(), E::ProposalArrived);
}

// Callers who connect and say nothing, or not who they are, do not make the player look busy:
// the first invitation that names a player at the market gets through, and the silent link goes.
TEST_F(ClientTest, ASilentCallerDoesNotKeepOthersFromInvitingThePlayer) {
  auto astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0));
  auto bjorn = Join("10.0.0.2", "Bjørn", VillageStore(0, 5));
  TRawEndpoint silent(Network, "10.0.0.66");
  const TConnectionId call = silent.Port.Connect("10.0.0.2", TClient::DefaultListenPort);
  const TConnectionId mumble = silent.Port.Connect("10.0.0.2", TClient::DefaultListenPort);
  Settle();
  silent.Port.Send(mumble, "INVITE 0 0 0 0 ENDMESSAGE");
  Settle();

  ASSERT_TRUE(astrid->Invite(astrid->Remote("Bjørn")));
  Settle();
  EXPECT_EQ(bjorn->LastEvent(), E::Invited);
  EXPECT_EQ(astrid->Player.State, S::InviteSent);
  EXPECT_TRUE(silent.WasClosed(call));
  bjorn->Answer(TAnswer::Accept);
  Settle();
  EXPECT_EQ(astrid->LastEvent(), E::InviteAccepted);
  ASSERT_TRUE(astrid->Propose({0, 0, -1, 1, 0, 0}));
  Settle();
  EXPECT_EQ(bjorn->LastEvent(), E::ProposalArrived);

  // Once the trade runs, the remaining caller is told that Bjørn is busy.
  silent.Port.Send(mumble, "INVITE 1 2 0 0 0 0 0 0 0 0 0 0 0 0 ENDMESSAGE");
  Settle();
  EXPECT_EQ(silent.Received[mumble], "BUSY 2 1 ENDMESSAGE");
  EXPECT_EQ(bjorn->Player.State, S::ProposalReceived);
}

TEST_F(ClientTest, AMarketServerThatStopsIsToldOnceAndLeavesOnlyARunningTradeOnTheList) {
  auto astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0));
  auto bjorn = Join("10.0.0.2", "Bjørn", VillageStore(0, 5));
  auto cecilie = Join("10.0.0.3", "Cecilie", VillageStore(1, 1));
  Meet(*astrid, *bjorn);

  Server.Stop();
  Settle();
  for (TGame* game : {astrid.get(), bjorn.get(), cecilie.get()}) {
    EXPECT_EQ(game->Messages.Messages, std::vector<std::string>{ServerLostText}) << game->Player.Name;
    EXPECT_FALSE(game->Client.Connected);
  }
  EXPECT_EQ(astrid->MarketWindow.Names, (std::vector<std::string>{"Astrid", "Bjørn"}));
  EXPECT_EQ(cecilie->MarketWindow.Names, std::vector<std::string>{"Cecilie"});
  cecilie->Leave();
  Settle();
  EXPECT_EQ(cecilie->Messages.Messages, std::vector<std::string>{ServerLostText}) << "the loss is told once";

  // The trade under way goes on over its own link.
  ASSERT_TRUE(astrid->Propose({0, 0, -1, 1, 0, 0}));
  Settle();
  bjorn->AnswerProposal(TAnswer::Accept);
  Settle();
  EXPECT_EQ(astrid->Village.Goods[3], 1);
  EXPECT_EQ(bjorn->Village.Goods[2], 1);
}

TEST_F(ClientTest, APlayerWhoCannotBeReachedLooksBusy) {
  auto astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0));
  auto raw = RawPlayer("10.0.0.9", false);
  ASSERT_TRUE(astrid->Invite(astrid->Remote("Mallory")));
  Settle();
  EXPECT_EQ(astrid->LastEvent(), E::InviteBusy);
  EXPECT_EQ(astrid->Player.State, S::Idle);
}

TEST_F(ClientTest, APartnerWhoLeavesTheMarketEndsTheTradeOnce) {
  auto astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0));
  auto bjorn = Join("10.0.0.2", "Bjørn", VillageStore(0, 5));
  Meet(*astrid, *bjorn);

  bjorn->Leave();
  Settle();
  EXPECT_EQ(std::count(astrid->Window.Events.begin(), astrid->Window.Events.end(), E::Dismissed), 1);
  EXPECT_EQ(astrid->Player.State, S::Idle);
  EXPECT_EQ(astrid->MarketWindow.Names, std::vector<std::string>{"Astrid"});
  EXPECT_EQ(astrid->Client.RemoteMerchantCount(), 0U);
  EXPECT_EQ(bjorn->MarketWindow.Names, std::vector<std::string>{});
  EXPECT_TRUE(astrid->Messages.Messages.empty());
}

// Mallory's own program sends what it likes on the link Astrid opened to it.
class HostilePeerTest : public ClientTest {
 protected:
  void SetUp() override {
    astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0));
    bjorn = Join("10.0.0.2", "Bjørn", VillageStore(0, 5));
    mallory = RawPlayer("10.0.0.9");
    ASSERT_TRUE(astrid->Invite(astrid->Remote("Mallory")));
    Settle();
    ASSERT_EQ(mallory->Accepted.size(), 1U);
    link = mallory->Accepted.front();
    EXPECT_EQ(mallory->Received[link], "INVITE 1 3 4 2 5 0 1 0 2 1 3 3 0 1 ENDMESSAGE");
    Say("ANSWERINV 3 1 A 0 0 0 9 0 0 0 0 0 0 0 0 ENDMESSAGE");
    ASSERT_EQ(astrid->Player.State, S::MayPropose);
    storeBefore = astrid->Village;
  }

  void Say(const std::string& bytes) {
    mallory->Port.Send(link, bytes);
    Settle();
  }

  std::unique_ptr<TGame> astrid;
  std::unique_ptr<TGame> bjorn;
  std::unique_ptr<TRawEndpoint> mallory;
  TConnectionId link = 0;
  TTrade storeBefore;
};

TEST_F(HostilePeerTest, APeerCannotSpeakForAnyoneElseNorToAnyoneElse) {
  Say("TEXTMESSAGE 2 1 I am Bjørn ENDMESSAGE");
  Say("TEXTMESSAGE 1 1 I am you ENDMESSAGE");
  Say("TEXTMESSAGE 3 2 to Bjørn ENDMESSAGE");
  Say("TEXTMESSAGE 77 1 nobody ENDMESSAGE");
  EXPECT_EQ(astrid->Messages.Messages, (std::vector<std::string>{"From ID not found: 2", "From ID not found: 1",
                                                                  "To ID not found: 2", "From ID not found: 77"}));
  EXPECT_EQ(astrid->Player.Text, "");
  EXPECT_EQ(astrid->Remote("Bjørn").State, S::Idle);
}

TEST_F(HostilePeerTest, BadNumbersDropTheMessageWithOneMessageEach) {
  astrid->Propose({0, 0, -1, 1, 0, 0});
  Settle();
  Say("ANSWERPROP 3 1 A ");
  EXPECT_EQ(astrid->Village.Goods[3], 1);
  storeBefore = astrid->Village;

  Say("PROPOSE 3 1 0 0 70000 0 0 0 ENDMESSAGE");
  Say("PROPOSE 3 1 0 0 0 0 0 99999999999999999999 ENDMESSAGE");
  Say("PROPOSE 3 1 0 0 1 ENDMESSAGE");
  Say("PROPOSE 4294967299 1 0 0 0 0 0 0 ENDMESSAGE");
  EXPECT_EQ(astrid->Messages.Messages,
            (std::vector<std::string>{"PROPOSE: Ugyldig tall: 70000", "PROPOSE: Ugyldig tall: 99999999999999999999",
                                      "PROPOSE: Wrong parameters", "PROPOSE: Ugyldig tall: 4294967299"}));
  EXPECT_EQ(astrid->Player.State, S::AwaitingProposal);
  EXPECT_EQ(astrid->Village.Goods, storeBefore.Goods);
}

TEST_F(HostilePeerTest, AProposalTheVillageCannotPayIsNeverCarriedOut) {
  astrid->Propose({});
  Settle();
  Say("ANSWERPROP 3 1 A ");
  Say("PROPOSE 3 1 0 0 0 0 0 65535 ENDMESSAGE");
  ASSERT_EQ(astrid->Player.State, S::ProposalReceived);
  astrid->AnswerProposal(TAnswer::Accept);
  Settle();
  EXPECT_EQ(astrid->Village.Goods, storeBefore.Goods);
  EXPECT_EQ(mallory->Received[link].substr(mallory->Received[link].size() - 17), "ANSWERPROP 1 3 D ");
}

TEST_F(HostilePeerTest, AnEndlessMessageClosesTheLinkAndEndsTheTrade) {
  Say("TEXTMESSAGE 3 1 " + std::string(5000, 'x'));
  EXPECT_EQ(astrid->Messages.Messages, std::vector<std::string>{MessageTooLongText()});
  EXPECT_TRUE(mallory->WasClosed(link));
  EXPECT_EQ(astrid->Player.State, S::Idle);
  EXPECT_EQ(astrid->LastEvent(), E::Dismissed);
  EXPECT_EQ(astrid->Village.Goods, storeBefore.Goods);
}

TEST_F(HostilePeerTest, ALinkThatDropsMidTradeEndsTheTrade) {
  mallory->Port.Close(link);
  Settle();
  EXPECT_EQ(astrid->Player.State, S::Idle);
  EXPECT_EQ(astrid->LastEvent(), E::Dismissed);
  EXPECT_TRUE(astrid->Messages.Messages.empty());
}

TEST_F(HostilePeerTest, OthersWhoCallWhileATradeRunsAreToldBusyAndCannotButtIn) {
  TRawEndpoint intruder(Network, "10.0.0.66");
  const TConnectionId call = intruder.Port.Connect("10.0.0.1", TClient::DefaultListenPort);
  Settle();
  intruder.Port.Send(call, "INVITE 2 1 0 0 0 0 0 0 0 0 0 0 0 0 ENDMESSAGEPROPOSE 3 1 0 0 0 9 0 0 ENDMESSAGE");
  Settle();
  EXPECT_EQ(intruder.Received[call], "BUSY 1 2 ENDMESSAGEBUSY 1 3 ENDMESSAGE");
  EXPECT_EQ(astrid->Player.State, S::MayPropose);
  intruder.Port.Send(call, "INVITE 2 5 0 0 0 0 0 0 0 0 0 0 0 0 ENDMESSAGE");
  Settle();
  EXPECT_EQ(astrid->Messages.Messages, std::vector<std::string>{"To ID not found: 5"});
}

// The game's message boxes are modal: while one is open the network keeps delivering.
struct TModalBoxes : TMessageSink {
  void ShowMessage(const std::string& text) override {
    ++Open;
    MostOpen = std::max(MostOpen, Open);
    Shown.push_back(text);
    if (WhileOpen) WhileOpen();
    --Open;
  }
  std::function<void()> WhileOpen;
  std::vector<std::string> Shown;
  int Open = 0;
  int MostOpen = 0;
};

TEST_F(ClientTest, AFloodOfBadMessagesOpensOneBoxAtATime) {
  TModalBoxes boxes;
  boxes.WhileOpen = [this] { Network.Deliver(); };
  auto astrid = Join("10.0.0.1", "Astrid", VillageStore(5, 0), &boxes);
  const TTrade before = astrid->Village;
  TRawEndpoint flood(Network, "10.0.0.66");
  const TConnectionId call = flood.Port.Connect("10.0.0.1", TClient::DefaultListenPort);
  Settle();
  for (int i = 0; i < 10000; ++i) flood.Port.Send(call, "PROPOSE 9 9 " + std::to_string(i) + " ENDMESSAGE");
  Network.SetPieceSize(100);
  Settle();
  EXPECT_EQ(boxes.MostOpen, 1);
  EXPECT_EQ(boxes.Shown, (std::vector<std::string>{"PROPOSE: Wrong parameters", MessagesNotShownText(9999)}));
  EXPECT_EQ(astrid->Village.Goods, before.Goods);
  EXPECT_EQ(astrid->Player.State, S::Idle);
}

TEST_F(ClientTest, TheServerLinkTakesWholeMessagesAndRefusesWhatIsNotForTheGame) {
  TRawEndpoint server(Network, "market");
  server.Port.Listen(TTestMarketServer::Port);
  TGame game(Network, "10.0.0.1", "Astrid", VillageStore(1, 1));
  Games.push_back(&game);
  game.Client.ServerAddress = "market";
  game.Enter();
  Settle();
  ASSERT_EQ(server.Accepted.size(), 1U);
  const TConnectionId link = server.Accepted.front();
  EXPECT_EQ(server.Received[link], "LOGIN PORT 5555 IMAGE 0 NAME Astrid ENDMESSAGE");

  server.Port.Send(link, "LOGINACCEPT ID 7 ENDMESSAGEENTERED ID 8 IP 10.0.0.2 PORT 6000 IMAGE 3 NAME Olav den hellige "
                         "ENDMESSAGEENTERED ID 7 IP 10.0.0.1 PORT 5555 IMAGE 0 NAME Astrid ENDMESSAGELOGIN PORT 1 "
                         "IMAGE 1 NAME x ENDMESSAGELEFT ID 99 ENDMESSAGELEFT ENDMESSAGELEFT ID 4");
  Settle();
  EXPECT_EQ(game.MarketWindow.Names, (std::vector<std::string>{"Astrid", "Olav den hellige"}));
  EXPECT_EQ(game.Messages.Messages,
            (std::vector<std::string>{"Message not allowed: LOGIN", MessagesNotShownText(2)}));
  server.Port.Send(link, "ENDMESSAGELEFT ID 8 ENDMESSAGE");
  Settle();
  EXPECT_EQ(game.MarketWindow.Names, (std::vector<std::string>{"Astrid"}));
  EXPECT_EQ(game.Messages.Messages.back(), "LEAVE: No merchant matching id found.");
  server.Port.Send(link, "LEFT ENDMESSAGE");
  Settle();
  EXPECT_EQ(game.Messages.Messages.back(), "Unknown message: ");

  server.Port.Close(link);
  Settle();
  EXPECT_FALSE(game.Client.Connected);
  EXPECT_EQ(game.Messages.Messages.back(), ServerLostText);
  // Leaving a market whose server is gone says nothing more: the player has been told.
  const std::size_t told = game.Messages.Messages.size();
  game.Leave();
  Settle();
  EXPECT_EQ(game.Messages.Messages.size(), told);
  EXPECT_EQ(game.MarketWindow.Names, std::vector<std::string>{});
}

TEST_F(ClientTest, ConnectionTroubleIsToldInOneMessageAndTheMarketStillOpens) {
  TGame nowhere(Network, "10.0.0.1", "Astrid", VillageStore(1, 1));
  Games.push_back(&nowhere);
  nowhere.Client.ServerAddress = "10.9.9.9";
  nowhere.Enter();
  Settle();
  EXPECT_EQ(nowhere.Messages.Messages, std::vector<std::string>{"ERROR: Connection refused"});
  nowhere.Enter();
  Settle();
  EXPECT_EQ(nowhere.Messages.Messages.size(), 2U);

  auto first = Join("10.0.0.2", "Bjørn", VillageStore(1, 1));
  TGame second(Network, "10.0.0.2", "Bjørn igjen", VillageStore(1, 1));
  Games.push_back(&second);
  second.Enter();
  Settle();
  EXPECT_EQ(second.Messages.Messages, std::vector<std::string>{ListenFailedText(
                                          TClient::DefaultListenPort, "The bound address is already in use")});
  EXPECT_EQ(second.MarketWindow.Names, (std::vector<std::string>{"Bjørn igjen", "Bjørn"}));

  second.Client.Connect();
  EXPECT_EQ(second.Messages.Messages.back(), "CONNECT: Already connected!");
}

TEST_F(ClientTest, AGameOnAnyFreePortAnnouncesThePortItGot) {
  TGame game(Network, "10.0.0.1", "Astrid", VillageStore(1, 1));
  Games.push_back(&game);
  game.Client.ListenPort = 0;
  game.Enter();
  Settle();
  auto bjorn = Join("10.0.0.2", "Bjørn", VillageStore(1, 1));
  ASSERT_TRUE(game.Client.ListeningPort());
  EXPECT_NE(*game.Client.ListeningPort(), 0);
  EXPECT_EQ(bjorn->Remote("Astrid").Port, *game.Client.ListeningPort());
  ASSERT_TRUE(bjorn->Invite(bjorn->Remote("Astrid")));
  Settle();
  EXPECT_EQ(game.Window.Events, std::vector<E>{E::Invited});
}

}  // namespace
}  // namespace fjordheim
