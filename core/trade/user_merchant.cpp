#include "core/trade/user_merchant.h"

#include <utility>

namespace fjordheim {

TUserMerchant::TUserMerchant(TTrade* store, std::string name, TScheduler& scheduler)
    : TMerchant(store, std::move(name)), FScheduler(scheduler) {}

bool TUserMerchant::ReceiveInvite(TMerchant& from, std::int32_t& err) {
  if (!TMerchant::ReceiveInvite(from, err)) return false;
  Notify(TMerchantEvent::Invited);
  return true;
}

bool TUserMerchant::ReceiveDismiss(std::int32_t& err) {
  if (!TMerchant::ReceiveDismiss(err)) return false;
  Notify(TMerchantEvent::Dismissed);
  return true;
}

bool TUserMerchant::ReceiveProposal(const TProposal& deltas, std::int32_t& err) {
  if (!TMerchant::ReceiveProposal(deltas, err)) return false;
  Notify(TMerchantEvent::ProposalArrived);
  return true;
}

bool TUserMerchant::ReceiveInviteAnswer(TAnswer answer, std::int32_t& err) {
  if (!TMerchant::ReceiveInviteAnswer(answer, err)) return false;
  switch (answer) {
    case TAnswer::Accept: Notify(TMerchantEvent::InviteAccepted); break;
    case TAnswer::Decline: Notify(TMerchantEvent::InviteDeclined); break;
    case TAnswer::Busy: Notify(TMerchantEvent::InviteBusy); break;
  }
  return true;
}

bool TUserMerchant::ReceiveProposalAnswer(TAnswer answer, std::int32_t& err) {
  const bool carriedOut = answer == TAnswer::Accept && StoreCanCarryOut(Proposal);
  const bool goodsMoved = carriedOut && !IsEmptyProposal(Proposal);
  if (!TMerchant::ReceiveProposalAnswer(answer, err)) return false;
  if (goodsMoved) ++FTradesCarriedOut;
  Notify(carriedOut ? TMerchantEvent::ProposalAccepted : TMerchantEvent::ProposalDeclined);
  return true;
}

bool TUserMerchant::ReceiveText(const std::string& text, std::int32_t& err) {
  if (!TMerchant::ReceiveText(text, err)) return false;
  Notify(TMerchantEvent::TextArrived);
  return true;
}

bool TUserMerchant::AnswerProposal(TAnswer answer, std::int32_t& err) {
  const bool goodsMoved = answer == TAnswer::Accept && TradeCanBeCarriedOut() && !IsEmptyProposal(Proposal);
  if (!TMerchant::AnswerProposal(answer, err)) return false;
  if (goodsMoved) ++FTradesCarriedOut;
  return true;
}

void TUserMerchant::SetNotifyWindow(TMerchantListener* window) {
  FNotifyWindow = window;
  FNotifyWindowWatch = window != nullptr ? window->LifeWatch() : TLifeWatch();
}

TMerchantListener* TUserMerchant::NotifyWindow() const {
  return IsAlive(FNotifyWindowWatch) ? FNotifyWindow : nullptr;
}

// The window is fixed when the event is posted, as a window message is addressed when sent;
// the event is dropped if the merchant or the window is gone by the time it is delivered.
void TUserMerchant::Notify(TMerchantEvent event) {
  TMerchantListener* window = NotifyWindow();
  if (window == nullptr) return;
  FScheduler.Post([this, event, window, self = LifeWatch(), windowWatch = FNotifyWindowWatch] {
    if (IsAlive(self) && IsAlive(windowWatch)) window->MerchantEvent(event, *this);
  });
}

}  // namespace fjordheim
