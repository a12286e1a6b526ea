#include "core/trade/net_merchant.h"

#include "core/trade/client.h"

namespace fjordheim {

TNetMerchant::TNetMerchant(TTrade* store, std::string name, std::string ip, std::int32_t port, TClient& client)
    : TMerchant(store, std::move(name)), IP(std::move(ip)), Port(port), Client(client) {}

// A merchant that refused the invitation has already answered Busy; opening a link to that player
// as well would cut the link a trade in progress may be using.
bool TNetMerchant::ReceiveInvite(TMerchant& from, std::int32_t& err) {
  if (!TMerchant::ReceiveInvite(from, err)) return false;
  return Client.SendInvite(from, *this);
}

bool TNetMerchant::ReceiveDismiss(std::int32_t& err) {
  Client.SendDismiss(*this);
  return TMerchant::ReceiveDismiss(err);
}

bool TNetMerchant::ReceiveProposal(const TProposal& deltas, std::int32_t& err) {
  Client.SendProposal(*this, deltas);
  TMerchant::ReceiveProposal(deltas, err);
  return true;
}

bool TNetMerchant::ReceiveInviteAnswer(TAnswer answer, std::int32_t& err) {
  Client.SendInviteAnswer(*this, answer);
  TMerchant::ReceiveInviteAnswer(answer, err);
  return true;
}

bool TNetMerchant::ReceiveProposalAnswer(TAnswer answer, std::int32_t& err) {
  Client.SendProposalAnswer(*this, answer);
  TMerchant::ReceiveProposalAnswer(answer, err);
  return true;
}

bool TNetMerchant::ReceiveText(const std::string& text, std::int32_t& err) {
  Client.SendTextMessage(*this, text);
  TMerchant::ReceiveText(text, err);
  return true;
}

}  // namespace fjordheim
