#include "core/trade/market_visit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/settings/ini_file.h"
#include "core/trade/in_memory_network.h"
#include "core/trade/manual_scheduler.h"
#include "tests/core/trade/test_market_server.h"

namespace fjordheim {
namespace {

using S = TMerchantState;

const char* const FiveMerchants =
    "[Market]\nMARKETS=3\nCPUMERCHANTS=5\n"
    "[Market1]\nNAME=Kaupang\nCPUMERCHANTS=2\n"
    "[Market2]\nTYPE=network\nNAME=Hedeby\nCPUMERCHANTS=9\n"
    "[Market3]\nTYPE=NETWORK\nNAME=Nett\n"
    "[CPUMerchant1]\nNAME=Ragnvald\nIMAGE=1\nGOODS=(3,0,0,0,0,12)\n"
    "[CPUMerchant2]\nNAME=Gunnhild\nGOODS=(0,0,0,4,0,0)\nDEMANDS=(0,0,3,0,0,0)\n"
    "[CPUMerchant3]\nNAME=Tore\n"
    "[CPUMerchant4]\nNAME=Asa\n"
    "[CPUMerchant5]\nNAME=Bjorn\n";

struct TWindow : TMerchantListener, TMarketListener {
  void MerchantEvent(TMerchantEvent event, TUserMerchant&) override { Events.push_back(event); }
  void MarketEvent(TMarketEvent event, TMerchant& merchant) override {
    if (event == TMarketEvent::Entered) {
      Names.push_back(merchant.Name);
    } else {
      std::erase(Names, merchant.Name);
    }
  }
  std::vector<TMerchantEvent> Events;
  std::vector<std::string> Names;
};

struct VisitFixture : ::testing::Test {
  TManualScheduler Scheduler;
  TRandom Rng{42};
  TWindow Window;
  TTrade Village;
  std::int32_t Err = 0;

  std::unique_ptr<TMarketVisit> MakeVisit(const char* ini = FiveMerchants) {
    TMarketSettingsRead read = ReadMarketSettings(TIniFile::FromBytes(ini));
    return std::make_unique<TMarketVisit>(std::move(read.Settings), Scheduler, Rng);
  }

  TMarketOpening Open(TMarketVisit& visit, std::size_t index) {
    TMarketOpening opening = visit.Open(index, "Harald", 3, Village, &Window, &Window);
    Scheduler.RunPosted();
    return opening;
  }

  TMerchant& Named(TMarketVisit& visit, const std::string& name) {
    for (TMerchant* m : visit.Market()->Merchants) {
      if (m->Name == name) return *m;
    }
    throw std::runtime_error("not at the market: " + name);
  }
};

TEST_F(VisitFixture, WithoutMarketsNothingCanBeChosen) {
  for (const char* ini : {"", "[Market]\nMARKETS=0\n"}) {
    auto visit = MakeVisit(ini);
    EXPECT_TRUE(visit->MarketNames().empty());
    const TMarketOpening opening = Open(*visit, 0);
    EXPECT_FALSE(opening.Opened);
    EXPECT_EQ(opening.Message, "Du har ikke valgt noe marked.");
    EXPECT_FALSE(visit->IsOpen());
    EXPECT_FALSE(visit->Traded());
  }
}

TEST_F(VisitFixture, ALocalMarketGetsItsNumberOfDifferentMerchantsAndThePlayerLast) {
  std::set<std::vector<std::string>> pairs;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    Rng.Seed(seed);
    Window.Names.clear();
    auto visit = MakeVisit();
    EXPECT_EQ(visit->MarketNames(), (std::vector<std::string>{"Kaupang", "Hedeby", "Nett"}));
    ASSERT_TRUE(Open(*visit, 0).Opened);
    EXPECT_FALSE(visit->ShowsChat());
    ASSERT_EQ(Window.Names.size(), 3U);
    EXPECT_NE(Window.Names[0], Window.Names[1]);
    EXPECT_EQ(Window.Names[2], "Harald");
    EXPECT_EQ(visit->Player()->ImageNo, 3);
    EXPECT_EQ(visit->Player()->Store, &Village);
    pairs.insert({Window.Names[0], Window.Names[1]});
  }
  EXPECT_GT(pairs.size(), 3U);
}

TEST_F(VisitFixture, ALowerCaseNetworkTypeIsALocalMarketAndEveryoneComesWhenTooManyAreAsked) {
  auto visit = MakeVisit();
  ASSERT_TRUE(Open(*visit, 1).Opened);
  EXPECT_EQ(Window.Names.size(), 6U);
  EXPECT_EQ(Window.Names.back(), "Harald");
  std::vector<std::string> sorted(Window.Names.begin(), Window.Names.end() - 1);
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<std::string>{"Asa", "Bjorn", "Gunnhild", "Ragnvald", "Tore"}));
  EXPECT_FALSE(Open(*visit, 0).Opened);  // a visit opens once
}

TEST_F(VisitFixture, AMarketWithoutAMerchantCountHasOnlyThePlayer) {
  auto visit = MakeVisit("[Market]\nMARKETS=1\nCPUMERCHANTS=2\n[Market1]\nNAME=Tomt\n");
  ASSERT_TRUE(Open(*visit, 0).Opened);
  EXPECT_EQ(Window.Names, (std::vector<std::string>{"Harald"}));
}

// A count beyond the merchants written brings no nameless merchant to take the village's goods:
// each merchant present is offered the village's only sword, and it can only go to one who exists.
TEST_F(VisitFixture, AskingForMoreMerchantsThanDefinedBringsOnlyTheDefinedOnes) {
  Village.Goods = {0, 0, 0, 0, 0, 1};
  auto visit = MakeVisit(
      "[Market]\nMARKETS=1\nCPUMERCHANTS=99\n[Market1]\nNAME=Kaupang\nCPUMERCHANTS=99\n"
      "[CPUMerchant1]\nNAME=Ragnvald\nGOODS=(0,0,0,0,0,2)\nDEMANDS=(0,0,0,0,0,2)\n[CPUMerchant2]\nNAME=Gunnhild\n");
  ASSERT_TRUE(Open(*visit, 0).Opened);
  std::vector<std::string> present(Window.Names.begin(), Window.Names.end() - 1);
  std::sort(present.begin(), present.end());
  EXPECT_EQ(present, (std::vector<std::string>{"Gunnhild", "Ragnvald"}));
  for (TMerchant* merchant : std::vector<TMerchant*>(visit->Market()->Merchants)) {
    if (merchant == visit->Player() || !visit->Invite(*merchant, Err)) continue;
    Scheduler.Advance(1000);
    visit->Propose({0, 0, 0, 0, 0, -1}, Err);
    Scheduler.Advance(1000);
    if (visit->Player()->Partner != nullptr) visit->Dismiss(Err);
    Scheduler.RunPosted();
  }
  EXPECT_EQ(Village.Goods[5], 0);
  EXPECT_EQ(Named(*visit, "Ragnvald").Store->Goods[5] + Named(*visit, "Gunnhild").Store->Goods[5], 3);
}

TEST_F(VisitFixture, LeavingRemovesThePlayersNameBeforeItReturns) {
  auto visit = MakeVisit();
  ASSERT_TRUE(Open(*visit, 0).Opened);
  visit->LeaveMarket();
  EXPECT_EQ(std::count(Window.Names.begin(), Window.Names.end(), "Harald"), 0);
  EXPECT_EQ(Window.Names.size(), 2U);
}

TEST_F(VisitFixture, ATradeWithAComputerMerchantChangesTheVillageAndSetsTheTradedFlag) {
  Village.Goods = {0, 0, 5, 0, 0, 0};
  Village.Demands = {0, 0, 0, 2, 0, 0};
  auto visit = MakeVisit();
  ASSERT_TRUE(Open(*visit, 1).Opened);
  TMerchant& gunnhild = Named(*visit, "Gunnhild");
  EXPECT_FALSE(visit->Invite(*visit->Player(), Err));
  ASSERT_TRUE(visit->Invite(gunnhild, Err));
  Scheduler.Advance(1000);
  EXPECT_EQ(Window.Events, (std::vector<TMerchantEvent>{TMerchantEvent::InviteAccepted}));
  ASSERT_TRUE(visit->Propose({0, 0, -3, 2, 0, 0}, Err));
  EXPECT_FALSE(visit->Traded());
  Scheduler.Advance(1000);
  EXPECT_TRUE(visit->Traded());
  EXPECT_EQ(Village.Goods, (TGoodsCounts{0, 0, 2, 2, 0, 0}));
  EXPECT_EQ(gunnhild.Store->Goods, (TGoodsCounts{0, 0, 3, 2, 0, 0}));
  visit->Close();
  EXPECT_TRUE(visit->Traded());
  EXPECT_FALSE(visit->IsOpen());
  EXPECT_EQ(Village.Goods, (TGoodsCounts{0, 0, 2, 2, 0, 0}));
}

TEST_F(VisitFixture, AMerchantThatWantsNothingDismissesThePlayerWhenItMustPropose) {
  Village.Goods = {0, 0, 0, 0, 0, 0};
  auto visit = MakeVisit();
  ASSERT_TRUE(Open(*visit, 1).Opened);
  ASSERT_TRUE(visit->Invite(Named(*visit, "Ragnvald"), Err));
  Scheduler.Advance(1000);
  ASSERT_TRUE(visit->Propose({}, Err));
  Scheduler.Advance(2000);
  EXPECT_EQ(visit->Player()->State, S::Idle);
  EXPECT_EQ(Window.Events.back(), TMerchantEvent::Dismissed);
  EXPECT_FALSE(visit->Traded());  // the empty exchange changed nothing
}

TEST_F(VisitFixture, TearingDownMidTradeWithEventsQueuedReachesNobodyWhoIsGone) {
  auto window = std::make_unique<TWindow>();
  auto visit = MakeVisit();
  ASSERT_TRUE(visit->Open(1, "Harald", 3, Village, window.get(), window.get()).Opened);
  ASSERT_TRUE(visit->Invite(Named(*visit, "Tore"), Err));
  Scheduler.Advance(1000);
  ASSERT_TRUE(visit->Propose({}, Err));
  visit->LeaveMarket();
  visit.reset();
  window.reset();
  Scheduler.Advance(10000);
  EXPECT_TRUE(Scheduler.IsIdle());
}

TEST_F(VisitFixture, AWindowGoneBeforeTheVisitIsClosedIsToldNothing) {
  auto window = std::make_unique<TWindow>();
  auto visit = MakeVisit();
  ASSERT_TRUE(visit->Open(1, "Harald", 3, Village, window.get(), window.get()).Opened);
  ASSERT_TRUE(visit->Invite(Named(*visit, "Tore"), Err));
  Scheduler.Advance(1000);
  window.reset();
  visit.reset();
  Scheduler.Advance(10000);
  EXPECT_TRUE(Scheduler.IsIdle());
}

TEST_F(VisitFixture, ANetworkMarketIsNotOpenedWithoutTheNetwork) {
  auto visit = MakeVisit();
  const TMarketOpening opening = Open(*visit, 2);
  EXPECT_FALSE(opening.Opened);
  EXPECT_FALSE(opening.Message.empty());
  EXPECT_EQ(visit->Player(), nullptr);
}

const char* const ClassroomMarket =
    "[Market]\nLISTENPORT=0\nMARKETS=2\n"
    "[Market1]\nNAME=Kaupang\n"
    "[Market2]\nTYPE=NETWORK\nNAME=Klasserommet\nIP=server\nPORT=5556\n";

TEST_F(VisitFixture, ANetworkMarketLogsThePlayerInAndShowsTheChat) {
  TInMemoryNetwork network;
  TTestMarketServer server(network.Host("server"));
  TCollectingMessageSink messages;
  auto visit = MakeVisit(ClassroomMarket);
  EXPECT_EQ(Open(*visit, 1).Message, "Nettmarkedet kan ikke nås fra denne utgaven av spillet.");

  visit = MakeVisit(ClassroomMarket);
  visit->UseNetwork(network.Host("10.0.0.1"), messages);
  ASSERT_TRUE(Open(*visit, 1).Opened);
  EXPECT_TRUE(visit->ShowsChat());
  EXPECT_TRUE(Window.Names.empty()) << "listed only once the server has accepted him";

  // Another pupil's game at the same market.
  TManualScheduler otherScheduler;
  TRandom otherRng(7);
  TWindow otherWindow;
  TTrade otherVillage;
  TCollectingMessageSink otherMessages;
  auto other = MakeVisit(ClassroomMarket);
  other->UseNetwork(network.Host("10.0.0.2"), otherMessages);
  ASSERT_TRUE(other->Open(1, "Gyda", 5, otherVillage, &otherWindow, &otherWindow).Opened);
  const auto settle = [&] {
    for (std::size_t ran = 1; ran > 0;) ran = network.Deliver() + Scheduler.RunPosted() + otherScheduler.RunPosted();
  };
  settle();
  EXPECT_EQ(Window.Names, (std::vector<std::string>{"Harald", "Gyda"}));
  EXPECT_EQ(otherWindow.Names, (std::vector<std::string>{"Gyda", "Harald"}));

  ASSERT_TRUE(visit->Invite(Named(*visit, "Gyda"), Err));
  settle();
  ASSERT_TRUE(other->AnswerInvite(TAnswer::Accept, Err));
  settle();
  ASSERT_TRUE(visit->SendText("Hei, Gyda! Har du jern?", Err));
  settle();
  EXPECT_EQ(other->Player()->Text, "Hei, Gyda! Har du jern?");
  EXPECT_EQ(otherWindow.Events.back(), TMerchantEvent::TextArrived);

  visit->Close();
  settle();
  EXPECT_EQ(otherWindow.Names, (std::vector<std::string>{"Gyda"}));
  EXPECT_EQ(otherWindow.Events.back(), TMerchantEvent::Dismissed);
  EXPECT_EQ(other->Player()->State, S::Idle);
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_TRUE(otherMessages.Messages.empty());
}

}  // namespace
}  // namespace fjordheim
