#pragma once

#include <cstdint>

#include "core/trade/manual_scheduler.h"
#include "core/trade/merchant.h"
#include "core/trade/user_merchant.h"

namespace fjordheim {

/// How one negotiation ended.
struct TNegotiation {
  /// Accepted proposals that moved goods.
  int Trades = 0;
  /// Proposals made by either side.
  int Rounds = 0;
  /// The merchant ended it (or declined the invitation).
  bool DismissedByMerchant = false;
  /// The chief ended it: nothing new to propose, or the rounds ran out.
  bool DismissedByChief = false;
  /// Both sides waited for each other with nothing pending: a negotiation that hangs.
  bool Stalled = false;
};

/// A simple chief at the market, as the simulator and the tests play him: he asks for what
/// the village lacks against its spare goods, accepts what raises the village's demand
/// coverage, never proposes the same exchange twice, and leaves when he has nothing new.
class TTradingChief {
 public:
  /// No negotiation runs to more proposals than this.
  static constexpr int MaxRounds = 40;

  /// Invites partner and plays the negotiation to its end, moving the clock from one timer to
  /// the next; the partner must be idle and on the same scheduler.
  static TNegotiation Negotiate(TUserMerchant& chief, TMerchant& partner, TManualScheduler& scheduler);

  /// What the village lacks most, as far as the partner can spare it and the village has as
  /// many spare units to give, the kinds the partner lacks most first; seen from the village.
  static TProposal ProposalFor(const TTrade& village, const TTrade& partner);

  /// Accept when the village's demand coverage rises and the store can pay.
  static TAnswer Judge(const TTrade& village, const TProposal& deltas);
};

}  // namespace fjordheim
