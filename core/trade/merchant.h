#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/trade/lifeline.h"
#include "core/trade/trade.h"

namespace fjordheim {

/// Where a merchant stands in a negotiation; stored as one byte.
enum class TMerchantState : std::uint8_t {
  Idle = 0,              ///< free, no partner
  InviteSent = 1,        ///< invited the partner, waiting for the answer
  MayPropose = 2,        ///< in a trade, this merchant's turn to propose
  ProposalSent = 3,      ///< proposed, waiting for the answer
  AwaitingProposal = 4,  ///< in a trade, waiting for the partner's proposal
  ProposalReceived = 5,  ///< must answer the partner's proposal
  InviteReceived = 6,    ///< invited by the partner, must answer
};

/// An answer to an invitation or a proposal; Busy only answers invitations.
enum class TAnswer : std::uint8_t { Accept = 0, Decline = 1, Busy = 2 };

/// An exchange of goods seen from one side: positive = units this side receives, negative =
/// units it gives, one value per goods kind.
using TProposal = std::array<std::int32_t, GoodsKindCount>;

/// The error of a call that the receiving merchant's state does not allow.
inline constexpr std::int32_t MerchantStateError = -3;

/// A party at a market. Two merchants negotiate by calling each other directly: one invites,
/// the other answers; then they take turns proposing and answering until one dismisses the
/// other. The receive operations are called by the partner, the others by the merchant's
/// owner. Every operation that can fail returns false with err = MerchantStateError and
/// changes nothing on the receiving side; on success err is 0.
class TMerchant {
 public:
  /// Works on store (not owned), which may be null for a merchant without goods.
  TMerchant(TTrade* store, std::string name);
  TMerchant(const TMerchant&) = delete;
  TMerchant& operator=(const TMerchant&) = delete;
  /// Dismisses a partner it still has; the store is left alone.
  virtual ~TMerchant();

  /// Picture number ("face" + number, "trade" + number).
  std::int32_t ImageNo = 0;
  TMerchantState State = TMerchantState::Idle;
  TTrade* Store = nullptr;
  /// The market server's id of this merchant; -1 at a local market.
  std::int32_t Id = -1;
  std::string Name;
  /// The exchange on the table, seen from this side.
  TProposal Proposal{};
  /// The last chat line received.
  std::string Text;
  /// The merchant negotiated with, or null.
  TMerchant* Partner = nullptr;

  /// Stores the state, nothing else.
  virtual void SetState(TMerchantState state);

  /// from invites this merchant: allowed when Idle; otherwise from gets Busy at once.
  virtual bool ReceiveInvite(TMerchant& from, std::int32_t& err);
  /// The partner ends the trade or the invitation; always allowed.
  virtual bool ReceiveDismiss(std::int32_t& err);
  /// The partner proposes deltas (seen from this side); allowed when AwaitingProposal.
  virtual bool ReceiveProposal(const TProposal& deltas, std::int32_t& err);
  /// The invited partner answers; allowed when InviteSent.
  virtual bool ReceiveInviteAnswer(TAnswer answer, std::int32_t& err);
  /// The partner answers this merchant's proposal; allowed when ProposalSent. An accepted
  /// proposal that this merchant's store cannot carry out counts as declined.
  virtual bool ReceiveProposalAnswer(TAnswer answer, std::int32_t& err);
  /// A chat line arrives; always allowed.
  virtual bool ReceiveText(const std::string& text, std::int32_t& err);

  /// Sends a chat line to the partner.
  virtual bool SendText(const std::string& text, std::int32_t& err);
  /// Invites m; on failure this merchant is Idle again. Refused while it has a partner.
  virtual bool Invite(TMerchant& m, std::int32_t& err);
  /// Ends the trade with the partner.
  virtual bool Dismiss(std::int32_t& err);
  /// Proposes deltas (seen from this side); the partner receives them negated.
  virtual bool Propose(const TProposal& deltas, std::int32_t& err);
  /// Answers the partner's invitation; Accept lets the inviter propose first.
  virtual bool AnswerInvite(TAnswer answer, std::int32_t& err);
  /// Answers the partner's proposal; the turn to propose passes to this merchant. An
  /// acceptance of a proposal that either store cannot carry out is sent as a decline.
  virtual bool AnswerProposal(TAnswer answer, std::int32_t& err);

  /// True when the store can give and take deltas without a count leaving 0 to 65535.
  bool StoreCanCarryOut(const TProposal& deltas) const;
  /// True when both this store and the partner's can carry out the proposal on the table.
  bool TradeCanBeCarriedOut() const;

  /// A watch that expires when this merchant is destroyed.
  TLifeWatch LifeWatch() const { return FLifeline.Watch(); }

 protected:
  /// Adds the proposal to the store and clears it; a proposal the store cannot carry out
  /// changes nothing.
  void ExecuteTrade();
  void ClearProposal();

 private:
  TLifeline FLifeline;
};

/// The partner's view of an exchange: every value negated.
TProposal Negated(const TProposal& deltas);

/// True when every value is 0.
bool IsEmptyProposal(const TProposal& deltas);

}  // namespace fjordheim
