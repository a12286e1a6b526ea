#pragma once

#include <cstdint>
#include <string>

#include "core/trade/merchant.h"

namespace fjordheim {

class TClient;

/// A player at a network market, here on behalf of that player's game. Whatever our side does to
/// it (invite, propose, answer, dismiss, chat) goes over the peer link as a message; what that
/// player does arrives as messages and the client replays it through this merchant's own
/// operations, so both games run the same negotiation, each holding a copy of the other's store.
class TNetMerchant : public TMerchant {
 public:
  /// Works on store (owned by the client's list); that player listens at ip:port.
  TNetMerchant(TTrade* store, std::string name, std::string ip, std::int32_t port, TClient& client);

  /// Where that player's game listens for other players.
  std::string IP;
  std::int32_t Port = 0;
  TClient& Client;

  /// Opens the peer link and sends the invitation once the base rule let it in.
  bool ReceiveInvite(TMerchant& from, std::int32_t& err) override;
  /// Sends "DISMISS", then the base rule.
  bool ReceiveDismiss(std::int32_t& err) override;
  /// Sends "PROPOSE", then the base rule; always true.
  bool ReceiveProposal(const TProposal& deltas, std::int32_t& err) override;
  /// Sends "ANSWERINV", then the base rule; always true.
  bool ReceiveInviteAnswer(TAnswer answer, std::int32_t& err) override;
  /// Sends "ANSWERPROP", then the base rule; always true.
  bool ReceiveProposalAnswer(TAnswer answer, std::int32_t& err) override;
  /// Sends "TEXTMESSAGE", then the base rule; always true.
  bool ReceiveText(const std::string& text, std::int32_t& err) override;
};

}  // namespace fjordheim
