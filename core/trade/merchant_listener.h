#pragma once

#include <cstdint>

#include "core/trade/lifeline.h"

namespace fjordheim {

class TUserMerchant;

/// What happened to the player's merchant; the values are the market window's event codes.
enum class TMerchantEvent : std::uint8_t {
  Invited = 0,           ///< a merchant invites the player
  InviteAccepted = 1,    ///< the invited merchant accepted
  InviteDeclined = 2,    ///< the invited merchant declined
  InviteBusy = 3,        ///< the invited merchant was busy
  ProposalArrived = 4,   ///< a proposal arrived (in the merchant's Proposal)
  ProposalAccepted = 5,  ///< the player's proposal was accepted and carried out
  ProposalDeclined = 6,  ///< the player's proposal was declined
  Dismissed = 7,         ///< the partner ended the trade
  TextArrived = 9,       ///< a chat line arrived (in the merchant's Text)
};

/// The market window as the player's merchant sees it. Events arrive through the scheduler,
/// after the chain of merchant calls that caused them has returned, and never after the
/// listener or the merchant has been destroyed.
class TMerchantListener {
 public:
  virtual ~TMerchantListener() = default;

  /// One event of the player's merchant.
  virtual void MerchantEvent(TMerchantEvent event, TUserMerchant& merchant) = 0;

  /// A watch that expires when this listener is destroyed.
  TLifeWatch LifeWatch() const { return FLifeline.Watch(); }

 private:
  TLifeline FLifeline;
};

}  // namespace fjordheim
