#include "core/trade/cpu_merchant.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <set>
#include <vector>

#include "core/trade/manual_scheduler.h"
#include "core/trade/user_merchant.h"

namespace fjordheim {
namespace {

using S = TMerchantState;

struct CpuFixture : ::testing::Test {
  TManualScheduler Scheduler;
  TRandom Rng{42};
  TTrade Village;
  TTrade CpuStore;
  TUserMerchant Player{&Village, "Høvding", Scheduler};
  std::unique_ptr<TCPUMerchant> Cpu;
  std::int32_t Err = 0;

  void Make(TTrade cpuStore) {
    CpuStore = cpuStore;
    Cpu = std::make_unique<TCPUMerchant>(&CpuStore, "Ragnvald", Scheduler, Rng);
  }

  // The player invites; the computer merchant accepts a second later.
  void Trading() {
    Player.SetState(S::InviteSent);
    ASSERT_TRUE(Player.Invite(*Cpu, Err));
    Scheduler.Advance(1000);
    ASSERT_EQ(Player.State, S::MayPropose);
  }
};

TEST(SortBySurplus, PutsShortagesFirstAndKeepsKindOrderAmongEquals) {
  const TKindOrder order = SortBySurplus(TTrade{{2, 0, 5, 0, 1, 0}, {0, 3, 0, 1, 1, 0}});
  // surpluses 2, -3, 5, -1, 0, 0
  EXPECT_EQ(order.Kinds, (std::array<int, 6>{1, 3, 4, 5, 0, 2}));
  EXPECT_EQ(order.ShortageCount, 2);
  EXPECT_EQ(SortBySurplus(TTrade{}).Kinds, (std::array<int, 6>{0, 1, 2, 3, 4, 5}));
}

TEST_F(CpuFixture, JudgesByShortagesAndSpareUnits) {
  Make(TTrade{{0, 2, 0, 1, 0, 0}, {1, 0, 0, 1, 0, 0}});
  Trading();
  EXPECT_EQ(Cpu->ShortageScore({}), -6);
  EXPECT_EQ(Cpu->ShortageScore({0, 0, 0, -3, 0, 0}), -6 - 24);
  // One silver it lacks for one spare amber: 6 - 1.
  EXPECT_EQ(Cpu->Evaluate({1, -1, 0, 0, 0, 0}), 5);
  EXPECT_EQ(Cpu->Judge({1, -1, 0, 0, 0, 0}), TAnswer::Accept);
  EXPECT_EQ(Cpu->Evaluate({}), 0);
  EXPECT_EQ(Cpu->Judge({}), TAnswer::Accept);
  // Its only iron, which it needs, for six units of kinds it does not lack: worth 0 but a
  // deeper shortage, so declined; seven are accepted.
  EXPECT_EQ(Cpu->Evaluate({0, 0, 6, -1, 0, 0}), 0);
  EXPECT_EQ(Cpu->Judge({0, 0, 6, -1, 0, 0}), TAnswer::Decline);
  EXPECT_EQ(Cpu->Judge({0, 0, 7, -1, 0, 0}), TAnswer::Accept);
  EXPECT_EQ(Cpu->Judge({0, -1, 0, 0, 0, 0}), TAnswer::Decline);
}

TEST_F(CpuFixture, AnswersEveryStepOneSecondLaterAndCarriesOutTheTradeOnBothStores) {
  Village = TTrade{{0, 0, 5, 0, 0, 0}, {0, 0, 0, 2, 0, 0}};
  Make(TTrade{{0, 0, 0, 4, 0, 0}, {0, 0, 3, 0, 0, 0}});
  Scheduler.Advance(1000);  // the first tick finds it idle
  EXPECT_FALSE(Cpu->TimerEnabled());
  Player.SetState(S::InviteSent);
  ASSERT_TRUE(Player.Invite(*Cpu, Err));
  Scheduler.Advance(999);
  EXPECT_EQ(Cpu->State, S::InviteReceived);
  Scheduler.Advance(1);
  EXPECT_EQ(Cpu->State, S::AwaitingProposal);
  ASSERT_TRUE(Player.Propose({0, 0, -3, 2, 0, 0}, Err));
  Scheduler.Advance(1000);
  EXPECT_EQ(Village.Goods, (TGoodsCounts{0, 0, 2, 2, 0, 0}));
  EXPECT_EQ(CpuStore.Goods, (TGoodsCounts{0, 0, 3, 2, 0, 0}));
  EXPECT_EQ(Cpu->State, S::MayPropose);
  // A second after answering it has its turn: it wants nothing more and leaves.
  Scheduler.Advance(1000);
  EXPECT_EQ(Cpu->State, S::Idle);
  EXPECT_EQ(Player.State, S::Idle);
  EXPECT_TRUE(Scheduler.IsIdle());
}

TEST_F(CpuFixture, AMerchantThatWantsNothingAcceptsJudgesAndThenDismisses) {
  Village = TTrade{{3, 0, 0, 0, 0, 0}};
  Make(TTrade{{3, 0, 0, 0, 0, 12}});
  Trading();
  ASSERT_TRUE(Player.Propose({0, 0, 0, 0, 0, 1}, Err));  // one weapon for nothing
  Scheduler.Advance(1000);
  EXPECT_EQ(Player.State, S::AwaitingProposal);
  EXPECT_EQ(Village.Goods[5], 0);
  // Its counter-offer: a silver for the weapon.
  Scheduler.Advance(1000);
  EXPECT_EQ(Player.Proposal, (TProposal{-1, 0, 0, 0, 0, 1}));
  ASSERT_TRUE(Player.AnswerProposal(TAnswer::Accept, Err));
  EXPECT_EQ(Village.Goods, (TGoodsCounts{2, 0, 0, 0, 0, 1}));
  // The empty proposal is worth nothing and accepted; then with nothing on the table and
  // nothing wanted it leaves.
  ASSERT_TRUE(Player.Propose({}, Err));
  Scheduler.Advance(1000);
  EXPECT_EQ(Player.State, S::AwaitingProposal);
  Scheduler.Advance(1000);
  EXPECT_EQ(Player.State, S::Idle);
  EXPECT_EQ(Cpu->State, S::Idle);
}

TEST_F(CpuFixture, MakeOfferAsksForWhatItLacksAgainstWhatThePartnerLacksMost) {
  Village = TTrade{{0, 0, 0, 2, 0, 0}, {0, 5, 0, 0, 0, 0}};
  Make(TTrade{{4, 2, 0, 0, 0, 0}, {0, 0, 0, 3, 0, 0}});
  Trading();
  TProposal p{};
  ASSERT_TRUE(Cpu->MakeOffer(p));
  EXPECT_EQ(p, (TProposal{0, -2, 0, 2, 0, 0}));
  Village.Goods = {};
  p = {};
  EXPECT_FALSE(Cpu->MakeOffer(p));  // the partner holds nothing it lacks
}

TEST_F(CpuFixture, ACounterOfferRaisesTheDeclinedProposalUntilItWouldAccept) {
  Village = TTrade{{20, 0, 0, 0, 0, 0}};
  Make(TTrade{{5, 0, 0, 20, 0, 0}, {0, 0, 0, 20, 0, 0}});
  Trading();
  TProposal p{0, 0, 0, -2, 0, 0};
  ASSERT_TRUE(Cpu->CounterOffer(p));
  // One iron back (worth 8) and seven silver.
  EXPECT_EQ(p, (TProposal{7, 0, 0, -1, 0, 0}));
  EXPECT_EQ(Cpu->Judge(p), TAnswer::Accept);
}

TEST_F(CpuFixture, ACounterOfferThatNeedsMoreThanTenUnitsDismisses) {
  Village = TTrade{{40, 0, 5, 5, 0, 0}};
  Make(TTrade{{5, 0, 1, 1, 0, 0}, {0, 0, 1, 1, 0, 0}});
  Trading();
  TProposal p{0, 0, -1, -1, 0, 0};
  EXPECT_FALSE(Cpu->CounterOffer(p));
  // Played through: the player proposes it, it declines, then leaves a second later.
  ASSERT_TRUE(Player.Propose({0, 0, 1, 1, 0, 0}, Err));
  Scheduler.Advance(1000);
  EXPECT_EQ(Player.State, S::AwaitingProposal);
  Scheduler.Advance(1000);
  EXPECT_EQ(Player.State, S::Idle);
  EXPECT_EQ(Village.Goods, (TGoodsCounts{40, 0, 5, 5, 0, 0}));
}

TEST_F(CpuFixture, EquallyGoodUnitsArePickedAtRandom) {
  Village = TTrade{{9, 9, 0, 0, 0, 0}};
  std::set<TProposal> seen;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    Rng.Seed(seed);
    Make(TTrade{{5, 5, 1, 0, 0, 0}, {0, 0, 1, 0, 0, 0}});
    Trading();
    TProposal p{0, 0, -1, 0, 0, 0};
    ASSERT_TRUE(Cpu->CounterOffer(p));
    EXPECT_EQ(p[0] + p[1], 7);
    seen.insert(p);
    ASSERT_TRUE(Player.Dismiss(Err));
  }
  EXPECT_GT(seen.size(), 2U);
}

TEST_F(CpuFixture, ADestroyedMerchantNeverTicks) {
  Make(TTrade{{}});
  Player.SetState(S::InviteSent);
  ASSERT_TRUE(Player.Invite(*Cpu, Err));
  Cpu.reset();
  EXPECT_EQ(Player.State, S::Idle);
  EXPECT_EQ(Scheduler.PendingTimers(), 0U);
  Scheduler.Advance(5000);
}

TEST_F(CpuFixture, AProposalItCannotPayIsDeclinedWhateverItIsWorth) {
  Village = TTrade{{3, 0, 9, 0, 0, 0}};
  Make(TTrade{{0, 0, 0, 1, 0, 0}, {9, 0, 0, 0, 0, 0}});
  Trading();
  // Two iron for five silver it badly lacks: neither side holds what it would give.
  ASSERT_TRUE(Player.Propose({-5, 0, 0, 2, 0, 0}, Err));
  Scheduler.Advance(1000);
  EXPECT_EQ(Player.State, S::AwaitingProposal);
  EXPECT_EQ(Village.Goods, (TGoodsCounts{3, 0, 9, 0, 0, 0}));
  EXPECT_EQ(CpuStore.Goods, (TGoodsCounts{0, 0, 0, 1, 0, 0}));
  // Its own offer then starts afresh rather than from the exchange nobody could carry out.
  Scheduler.Advance(1000);
  EXPECT_EQ(Player.State, S::ProposalReceived);
  EXPECT_EQ(Player.Proposal, (TProposal{-3, 0, 0, 1, 0, 0}));
}

TEST_F(CpuFixture, AnAbsurdProposalIsDeclinedAndAnsweredWithAFreshOffer) {
  Village = TTrade{{3, 0, 9, 0, 0, 0}};
  Make(TTrade{{0, 0, 0, 1, 0, 0}, {9, 0, 0, 0, 0, 0}});
  Trading();
  const std::int32_t huge = std::numeric_limits<std::int32_t>::max();
  ASSERT_TRUE(Player.Propose({-huge, huge, std::numeric_limits<std::int32_t>::min(), huge, 0, 0}, Err));
  Scheduler.Advance(2000);
  EXPECT_EQ(Village.Goods, (TGoodsCounts{3, 0, 9, 0, 0, 0}));
  EXPECT_EQ(Player.State, S::ProposalReceived);
  EXPECT_EQ(Player.Proposal, (TProposal{-3, 0, 0, 1, 0, 0}));
}

}  // namespace
}  // namespace fjordheim
