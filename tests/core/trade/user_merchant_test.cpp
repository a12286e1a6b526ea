#include "core/trade/user_merchant.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "core/trade/manual_scheduler.h"

namespace fjordheim {
namespace {

using S = TMerchantState;
using E = TMerchantEvent;

struct TRecordingListener : TMerchantListener {
  void MerchantEvent(TMerchantEvent event, TUserMerchant& merchant) override {
    Events.push_back(event);
    StatesSeen.push_back(merchant.State);
  }
  std::vector<TMerchantEvent> Events;
  std::vector<TMerchantState> StatesSeen;
};

struct UserFixture : ::testing::Test {
  TManualScheduler Scheduler;
  TRecordingListener Window;
  TTrade Village;
  TTrade OtherStore;
  std::unique_ptr<TUserMerchant> Player = std::make_unique<TUserMerchant>(&Village, "Høvding", Scheduler);
  TMerchant Other{&OtherStore, "Other"};
  std::int32_t Err = 0;

  void SetUp() override { Player->SetNotifyWindow(&Window); }

  void OtherInvitesPlayer() {
    Other.SetState(S::InviteSent);
    ASSERT_TRUE(Other.Invite(*Player, Err));
  }
};

TEST_F(UserFixture, EventsArriveOnlyAfterTheCallChainHasReturned) {
  OtherInvitesPlayer();
  EXPECT_TRUE(Window.Events.empty());
  EXPECT_EQ(Scheduler.RunPosted(), 1U);
  EXPECT_EQ(Window.Events, (std::vector<E>{E::Invited}));
  EXPECT_EQ(Window.StatesSeen.back(), S::InviteReceived);
}

TEST_F(UserFixture, EveryReceiveGivesItsEventCode) {
  OtherInvitesPlayer();
  ASSERT_TRUE(Player->AnswerInvite(TAnswer::Accept, Err));
  Village.Goods = {0, 0, 5, 0, 0, 0};
  OtherStore.Goods = {0, 0, 0, 5, 0, 0};
  ASSERT_TRUE(Other.Propose({0, 0, 3, -2, 0, 0}, Err));
  ASSERT_TRUE(Player->AnswerProposal(TAnswer::Decline, Err));
  ASSERT_TRUE(Player->Propose({0, 0, -3, 2, 0, 0}, Err));
  ASSERT_TRUE(Other.AnswerProposal(TAnswer::Accept, Err));
  ASSERT_TRUE(Other.Propose({0, 0, 1, 0, 0, 0}, Err));
  ASSERT_TRUE(Player->AnswerProposal(TAnswer::Accept, Err));
  ASSERT_TRUE(Player->Propose({0, 0, 0, 1, 0, 0}, Err));
  ASSERT_TRUE(Other.AnswerProposal(TAnswer::Decline, Err));
  ASSERT_TRUE(Other.SendText("takk", Err));
  ASSERT_TRUE(Other.Dismiss(Err));
  Scheduler.RunPosted();
  EXPECT_EQ(Window.Events, (std::vector<E>{E::Invited, E::ProposalArrived, E::ProposalAccepted, E::ProposalArrived,
                                           E::ProposalDeclined, E::TextArrived, E::Dismissed}));
  EXPECT_EQ(static_cast<int>(E::TextArrived), 9);
  EXPECT_EQ(Village.Goods, (TGoodsCounts{0, 0, 1, 2, 0, 0}));
  EXPECT_EQ(Player->Text, "takk");
  EXPECT_EQ(Player->TradesCarriedOut(), 2);
}

TEST_F(UserFixture, InvitationAnswersGiveAcceptedDeclinedOrBusy) {
  for (const auto& [answer, event] : {std::pair{TAnswer::Accept, E::InviteAccepted}, std::pair{TAnswer::Decline, E::InviteDeclined},
                                      std::pair{TAnswer::Busy, E::InviteBusy}}) {
    TMerchant invited(&OtherStore, "Invited");
    Window.Events.clear();
    Player->SetState(S::InviteSent);
    ASSERT_TRUE(Player->Invite(invited, Err));
    ASSERT_TRUE(invited.AnswerInvite(answer, Err));
    Scheduler.RunPosted();
    EXPECT_EQ(Window.Events, (std::vector<E>{event}));
    if (answer == TAnswer::Accept) {
      ASSERT_TRUE(Player->Dismiss(Err));
    }
  }
}

TEST_F(UserFixture, AnInvitationToABusyMerchantReachesThePlayerAsBusy) {
  TMerchant busy(&OtherStore, "Busy");
  busy.SetState(S::MayPropose);
  Player->SetState(S::InviteSent);
  EXPECT_FALSE(Player->Invite(busy, Err));
  EXPECT_EQ(Player->State, S::Idle);
  Scheduler.RunPosted();
  EXPECT_EQ(Window.Events, (std::vector<E>{E::InviteBusy}));
}

TEST_F(UserFixture, ARefusedReceiveGivesNoEvent) {
  EXPECT_FALSE(Player->ReceiveProposal({1, 0, 0, 0, 0, 0}, Err));
  EXPECT_FALSE(Player->ReceiveInviteAnswer(TAnswer::Accept, Err));
  EXPECT_EQ(Scheduler.RunPosted(), 0U);
}

TEST_F(UserFixture, QueuedEventsAreDroppedWhenTheWindowOrTheMerchantIsGone) {
  auto window = std::make_unique<TRecordingListener>();
  Player->SetNotifyWindow(window.get());
  OtherInvitesPlayer();
  window.reset();
  EXPECT_EQ(Scheduler.RunPosted(), 1U);
  EXPECT_EQ(Player->NotifyWindow(), nullptr);
  ASSERT_TRUE(Other.SendText("ingen hører", Err));
  EXPECT_EQ(Scheduler.RunPosted(), 0U);

  Player->SetNotifyWindow(&Window);
  ASSERT_TRUE(Other.Dismiss(Err));
  Other.SetState(S::InviteSent);
  ASSERT_TRUE(Other.Invite(*Player, Err));
  // Destroying the player's merchant dismisses the partner before the queued events run.
  Player.reset();
  EXPECT_EQ(Other.State, S::Idle);
  Scheduler.RunPosted();
  EXPECT_TRUE(Window.Events.empty());
}

}  // namespace
}  // namespace fjordheim
