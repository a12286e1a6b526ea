#include "core/trade/merchant.h"

#include <limits>
#include <utility>

namespace fjordheim {

namespace {

constexpr std::int64_t LargestCount = 65535;

bool Succeed(std::int32_t& err) {
  err = 0;
  return true;
}

bool Fail(std::int32_t& err) {
  err = MerchantStateError;
  return false;
}

}  // namespace

TProposal Negated(const TProposal& deltas) {
  TProposal negated{};
  // The lowest 32-bit value has no negation; no store could carry out such an exchange anyway.
  for (int k = 0; k < GoodsKindCount; ++k) {
    negated[k] = deltas[k] == std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::max() : -deltas[k];
  }
  return negated;
}

bool IsEmptyProposal(const TProposal& deltas) {
  for (const std::int32_t value : deltas) {
    if (value != 0) return false;
  }
  return true;
}

TMerchant::TMerchant(TTrade* store, std::string name) : Store(store), Name(std::move(name)) {}

TMerchant::~TMerchant() {
  if (Partner == nullptr) return;
  std::int32_t err = 0;
  Dismiss(err);
  Partner = nullptr;
}

void TMerchant::SetState(TMerchantState state) { State = state; }

bool TMerchant::ReceiveInvite(TMerchant& from, std::int32_t& err) {
  if (State != TMerchantState::Idle) {
    from.ReceiveInviteAnswer(TAnswer::Busy, err);
    return Fail(err);
  }
  Partner = &from;
  SetState(TMerchantState::InviteReceived);
  return Succeed(err);
}

bool TMerchant::ReceiveDismiss(std::int32_t& err) {
  Partner = nullptr;
  SetState(TMerchantState::Idle);
  return Succeed(err);
}

bool TMerchant::ReceiveProposal(const TProposal& deltas, std::int32_t& err) {
  if (State != TMerchantState::AwaitingProposal) return Fail(err);
  Proposal = deltas;
  SetState(TMerchantState::ProposalReceived);
  return Succeed(err);
}

bool TMerchant::ReceiveInviteAnswer(TAnswer answer, std::int32_t& err) {
  if (State != TMerchantState::InviteSent) return Fail(err);
  if (answer == TAnswer::Accept) {
    SetState(TMerchantState::MayPropose);
  } else {
    Partner = nullptr;
    SetState(TMerchantState::Idle);
  }
  return Succeed(err);
}

// Both sides add their own view of the same exchange, so an acceptance this store cannot carry
// out is taken as a decline: a count never wraps and the two stores stay consistent.
bool TMerchant::ReceiveProposalAnswer(TAnswer answer, std::int32_t& err) {
  if (State != TMerchantState::ProposalSent) return Fail(err);
  if (answer == TAnswer::Accept && StoreCanCarryOut(Proposal)) {
    ExecuteTrade();
  } else {
    ClearProposal();
  }
  SetState(TMerchantState::AwaitingProposal);
  return Succeed(err);
}

bool TMerchant::ReceiveText(const std::string& text, std::int32_t& err) {
  Text = text;
  return Succeed(err);
}

bool TMerchant::SendText(const std::string& text, std::int32_t& err) {
  if (Partner == nullptr) return Fail(err);
  return Partner->ReceiveText(text, err);
}

// A merchant with a partner would leave that partner pointing at it, so it must dismiss first.
bool TMerchant::Invite(TMerchant& m, std::int32_t& err) {
  if (Partner != nullptr || &m == this) return Fail(err);
  if (!m.ReceiveInvite(*this, err)) {
    SetState(TMerchantState::Idle);
    return false;
  }
  Partner = &m;
  SetState(TMerchantState::InviteSent);
  return true;
}

bool TMerchant::Dismiss(std::int32_t& err) {
  if (Partner == nullptr) return Fail(err);
  if (!Partner->ReceiveDismiss(err)) return false;
  Partner = nullptr;
  SetState(TMerchantState::Idle);
  return true;
}

bool TMerchant::Propose(const TProposal& deltas, std::int32_t& err) {
  if (Partner == nullptr) return Fail(err);
  Proposal = deltas;
  if (!Partner->ReceiveProposal(Negated(deltas), err)) return false;
  SetState(TMerchantState::ProposalSent);
  return true;
}

bool TMerchant::AnswerInvite(TAnswer answer, std::int32_t& err) {
  if (Partner == nullptr) return Fail(err);
  if (!Partner->ReceiveInviteAnswer(answer, err)) return false;
  if (answer == TAnswer::Accept) {
    SetState(TMerchantState::AwaitingProposal);
  } else {
    Partner = nullptr;
    SetState(TMerchantState::Idle);
  }
  return true;
}

bool TMerchant::AnswerProposal(TAnswer answer, std::int32_t& err) {
  if (Partner == nullptr) return Fail(err);
  if (answer == TAnswer::Accept && !TradeCanBeCarriedOut()) answer = TAnswer::Decline;
  if (!Partner->ReceiveProposalAnswer(answer, err)) return false;
  if (answer == TAnswer::Accept) ExecuteTrade();
  SetState(TMerchantState::MayPropose);
  return true;
}

bool TMerchant::StoreCanCarryOut(const TProposal& deltas) const {
  for (int k = 0; k < GoodsKindCount; ++k) {
    const std::int64_t held = Store != nullptr ? Store->Goods[k] : 0;
    const std::int64_t after = held + deltas[k];
    if (after < 0 || after > LargestCount) return false;
  }
  return true;
}

bool TMerchant::TradeCanBeCarriedOut() const {
  if (!StoreCanCarryOut(Proposal)) return false;
  return Partner == nullptr || Partner->StoreCanCarryOut(Negated(Proposal));
}

void TMerchant::ExecuteTrade() {
  if (Store != nullptr && StoreCanCarryOut(Proposal)) {
    for (int k = 0; k < GoodsKindCount; ++k) {
      Store->Goods[k] = static_cast<std::uint16_t>(Store->Goods[k] + Proposal[k]);
    }
  }
  ClearProposal();
}

void TMerchant::ClearProposal() { Proposal.fill(0); }

}  // namespace fjordheim
