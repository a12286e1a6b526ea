#include "core/trade/merchant.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace fjordheim {
namespace {

using S = TMerchantState;

struct Pair {
  TTrade AStore;
  TTrade BStore;
  std::unique_ptr<TMerchant> A = std::make_unique<TMerchant>(&AStore, "A");
  std::unique_ptr<TMerchant> B = std::make_unique<TMerchant>(&BStore, "B");

  void Trading() {
    std::int32_t err = 1;
    A->SetState(S::InviteSent);
    ASSERT_TRUE(A->Invite(*B, err));
    ASSERT_TRUE(B->AnswerInvite(TAnswer::Accept, err));
    ASSERT_EQ(err, 0);
  }
};

TEST(MerchantNegotiation, RunsFromInvitationThroughAnAcceptedProposalToDismissal) {
  Pair p;
  EXPECT_EQ(p.A->Id, -1);
  EXPECT_EQ(p.A->ImageNo, 0);
  std::int32_t err = 7;
  p.A->SetState(S::InviteSent);
  ASSERT_TRUE(p.A->Invite(*p.B, err));
  EXPECT_EQ(err, 0);
  EXPECT_EQ(p.A->State, S::InviteSent);
  EXPECT_EQ(p.B->State, S::InviteReceived);
  EXPECT_EQ(p.B->Partner, p.A.get());

  ASSERT_TRUE(p.B->AnswerInvite(TAnswer::Accept, err));
  EXPECT_EQ(p.A->State, S::MayPropose);
  EXPECT_EQ(p.B->State, S::AwaitingProposal);

  p.AStore.Goods = {0, 0, 5, 0, 0, 0};
  p.BStore.Goods = {0, 0, 0, 4, 0, 0};
  ASSERT_TRUE(p.A->Propose({0, 0, -3, 2, 0, 0}, err));
  EXPECT_EQ(p.A->State, S::ProposalSent);
  EXPECT_EQ(p.B->State, S::ProposalReceived);
  EXPECT_EQ(p.B->Proposal, (TProposal{0, 0, 3, -2, 0, 0}));

  ASSERT_TRUE(p.B->AnswerProposal(TAnswer::Accept, err));
  EXPECT_EQ(p.AStore.Goods, (TGoodsCounts{0, 0, 2, 2, 0, 0}));
  EXPECT_EQ(p.BStore.Goods, (TGoodsCounts{0, 0, 3, 2, 0, 0}));
  EXPECT_EQ(p.A->State, S::AwaitingProposal);
  EXPECT_EQ(p.B->State, S::MayPropose);
  EXPECT_TRUE(IsEmptyProposal(p.A->Proposal));
  EXPECT_TRUE(IsEmptyProposal(p.B->Proposal));

  ASSERT_TRUE(p.B->Dismiss(err));
  EXPECT_EQ(p.A->State, S::Idle);
  EXPECT_EQ(p.B->State, S::Idle);
  EXPECT_EQ(p.A->Partner, nullptr);
  EXPECT_EQ(p.B->Partner, nullptr);
}

TEST(MerchantNegotiation, DeclinedProposalStaysWithTheAnswererAndIsClearedAtTheProposer) {
  Pair p;
  p.Trading();
  std::int32_t err = 0;
  p.AStore.Goods = {1, 0, 0, 0, 0, 0};
  ASSERT_TRUE(p.A->Propose({-1, 0, 0, 0, 0, 0}, err));
  ASSERT_TRUE(p.B->AnswerProposal(TAnswer::Decline, err));
  EXPECT_EQ(p.B->Proposal, (TProposal{1, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(IsEmptyProposal(p.A->Proposal));
  EXPECT_EQ(p.AStore.Goods[0], 1);
  EXPECT_EQ(p.BStore.Goods[0], 0);
  EXPECT_EQ(p.B->State, S::MayPropose);
  EXPECT_EQ(p.A->State, S::AwaitingProposal);
}

TEST(MerchantNegotiation, CallsTheReceiverDoesNotExpectFailWithTheStateError) {
  Pair p;
  std::int32_t err = 0;
  EXPECT_FALSE(p.B->ReceiveProposal({1, 0, 0, 0, 0, 0}, err));
  EXPECT_EQ(err, MerchantStateError);
  EXPECT_FALSE(p.B->ReceiveInviteAnswer(TAnswer::Accept, err));
  EXPECT_FALSE(p.B->ReceiveProposalAnswer(TAnswer::Accept, err));
  EXPECT_EQ(p.B->State, S::Idle);
  EXPECT_TRUE(IsEmptyProposal(p.B->Proposal));
  // Without a partner nothing can be sent anywhere.
  EXPECT_FALSE(p.A->Dismiss(err));
  EXPECT_FALSE(p.A->Propose({1, 0, 0, 0, 0, 0}, err));
  EXPECT_FALSE(p.A->AnswerInvite(TAnswer::Accept, err));
  EXPECT_FALSE(p.A->AnswerProposal(TAnswer::Accept, err));
  EXPECT_FALSE(p.A->SendText("hei", err));
  EXPECT_EQ(err, MerchantStateError);
  // Chat and dismissal reach a merchant in any state.
  EXPECT_TRUE(p.B->ReceiveText("god dag", err));
  EXPECT_EQ(p.B->Text, "god dag");
  EXPECT_TRUE(p.B->ReceiveDismiss(err));
  EXPECT_EQ(err, 0);
}

TEST(MerchantNegotiation, InvitingABusyMerchantGivesTheInviterBusyAndChangesNothingElse) {
  Pair p;
  p.Trading();
  TTrade cStore;
  TMerchant c(&cStore, "C");
  std::int32_t err = 0;
  c.SetState(S::InviteSent);
  EXPECT_FALSE(c.Invite(*p.B, err));
  EXPECT_EQ(err, MerchantStateError);
  EXPECT_EQ(c.State, S::Idle);
  EXPECT_EQ(c.Partner, nullptr);
  EXPECT_EQ(p.B->State, S::AwaitingProposal);
  EXPECT_EQ(p.B->Partner, p.A.get());
  EXPECT_EQ(p.A->State, S::MayPropose);
}

TEST(MerchantNegotiation, DecliningAnInvitationFreesBothSides) {
  for (const TAnswer answer : {TAnswer::Decline, TAnswer::Busy}) {
    Pair p;
    std::int32_t err = 0;
    p.A->SetState(S::InviteSent);
    ASSERT_TRUE(p.A->Invite(*p.B, err));
    ASSERT_TRUE(p.B->AnswerInvite(answer, err));
    EXPECT_EQ(p.A->State, S::Idle);
    EXPECT_EQ(p.B->State, S::Idle);
    EXPECT_EQ(p.A->Partner, nullptr);
    EXPECT_EQ(p.B->Partner, nullptr);
  }
}

TEST(MerchantNegotiation, AMerchantWithAPartnerCannotInviteAnotherOrItself) {
  Pair p;
  p.Trading();
  TTrade cStore;
  TMerchant c(&cStore, "C");
  std::int32_t err = 0;
  EXPECT_FALSE(p.A->Invite(c, err));
  EXPECT_EQ(p.A->Partner, p.B.get());
  EXPECT_EQ(p.A->State, S::MayPropose);
  EXPECT_EQ(c.State, S::Idle);
  EXPECT_FALSE(c.Invite(c, err));
  EXPECT_EQ(c.Partner, nullptr);
}

TEST(MerchantNegotiation, DestroyingAMerchantDismissesItsPartner) {
  Pair p;
  p.Trading();
  p.A.reset();
  EXPECT_EQ(p.B->State, S::Idle);
  EXPECT_EQ(p.B->Partner, nullptr);
  Pair q;
  std::int32_t err = 0;
  q.A->SetState(S::InviteSent);
  ASSERT_TRUE(q.A->Invite(*q.B, err));
  q.B.reset();
  EXPECT_EQ(q.A->State, S::Idle);
  EXPECT_EQ(q.A->Partner, nullptr);
}

TEST(TradeNeverWraps, AProposalTheGiverCannotPayIsDeclinedAndBothStoresStay) {
  Pair p;
  p.Trading();
  std::int32_t err = 0;
  p.AStore.Goods = {0, 0, 2, 0, 0, 0};
  p.BStore.Goods = {0, 0, 0, 9, 0, 0};
  // A offers three furs it does not have; B's acceptance is sent as a decline.
  ASSERT_TRUE(p.A->Propose({0, 0, -3, 2, 0, 0}, err));
  EXPECT_FALSE(p.B->TradeCanBeCarriedOut());
  ASSERT_TRUE(p.B->AnswerProposal(TAnswer::Accept, err));
  EXPECT_EQ(p.AStore.Goods, (TGoodsCounts{0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(p.BStore.Goods, (TGoodsCounts{0, 0, 0, 9, 0, 0}));
  EXPECT_EQ(p.B->Proposal, (TProposal{0, 0, 3, -2, 0, 0}));
  // Now B offers ten iron though it holds nine.
  ASSERT_TRUE(p.B->Propose({0, 0, 0, -10, 0, 0}, err));
  ASSERT_TRUE(p.A->AnswerProposal(TAnswer::Accept, err));
  EXPECT_EQ(p.AStore.Goods, (TGoodsCounts{0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(p.BStore.Goods, (TGoodsCounts{0, 0, 0, 9, 0, 0}));
}

TEST(TradeNeverWraps, ACountPast65535IsRefusedAndAnAcceptanceTheProposerCannotCarryIsADecline) {
  Pair p;
  p.Trading();
  std::int32_t err = 0;
  p.AStore.Goods = {65535, 0, 0, 0, 0, 0};
  p.BStore.Goods = {1, 0, 0, 0, 0, 0};
  ASSERT_TRUE(p.A->Propose({1, 0, 0, 0, 0, 0}, err));
  ASSERT_TRUE(p.B->AnswerProposal(TAnswer::Accept, err));
  EXPECT_EQ(p.AStore.Goods[0], 65535);
  EXPECT_EQ(p.BStore.Goods[0], 1);
  // An acceptance that arrives for a proposal this store cannot carry out (a peer that does
  // not check) is taken as a decline.
  ASSERT_TRUE(p.B->Propose({-1, 0, 0, 0, 0, 0}, err));
  p.BStore.Goods[0] = 0;
  EXPECT_TRUE(p.B->ReceiveProposalAnswer(TAnswer::Accept, err));
  EXPECT_EQ(p.BStore.Goods[0], 0);
  EXPECT_EQ(p.B->State, S::AwaitingProposal);
  EXPECT_TRUE(IsEmptyProposal(p.B->Proposal));
  EXPECT_EQ(Negated({std::numeric_limits<std::int32_t>::min(), 0, 0, 0, 0, 0})[0], std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace fjordheim
