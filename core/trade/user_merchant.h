#pragma once

#include <string>

#include "core/trade/merchant.h"
#include "core/trade/merchant_listener.h"
#include "core/trade/scheduler.h"

namespace fjordheim {

/// The player's merchant. It negotiates by the common rules and tells the market window of
/// every successful receive through a posted event.
class TUserMerchant : public TMerchant {
 public:
  /// Works on the village's own store; events go through scheduler.
  TUserMerchant(TTrade* store, std::string name, TScheduler& scheduler);

  /// Sets the market window that hears the events (null for none). A window destroyed
  /// without unsetting itself is simply no longer told anything.
  void SetNotifyWindow(TMerchantListener* window);
  /// The market window that hears the events; null when none is set or it is gone.
  TMerchantListener* NotifyWindow() const;

  bool ReceiveInvite(TMerchant& from, std::int32_t& err) override;
  bool ReceiveDismiss(std::int32_t& err) override;
  bool ReceiveProposal(const TProposal& deltas, std::int32_t& err) override;
  bool ReceiveInviteAnswer(TAnswer answer, std::int32_t& err) override;
  bool ReceiveProposalAnswer(TAnswer answer, std::int32_t& err) override;
  bool ReceiveText(const std::string& text, std::int32_t& err) override;
  /// As the common rule; an accepted proposal that moved goods is counted.
  bool AnswerProposal(TAnswer answer, std::int32_t& err) override;

  /// How many accepted proposals have moved goods in or out of the store, from either side;
  /// an accepted empty proposal is no trade.
  std::int32_t TradesCarriedOut() const { return FTradesCarriedOut; }

 private:
  void Notify(TMerchantEvent event);

  TScheduler& FScheduler;
  TMerchantListener* FNotifyWindow = nullptr;
  TLifeWatch FNotifyWindowWatch;
  std::int32_t FTradesCarriedOut = 0;
};

}  // namespace fjordheim
