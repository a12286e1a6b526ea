#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/common/random.h"
#include "core/trade/merchant.h"
#include "core/trade/scheduler.h"

namespace fjordheim {

/// The six goods kinds in some order, and how many of the first are in shortage.
struct TKindOrder {
  std::array<int, GoodsKindCount> Kinds{};
  int ShortageCount = 0;
};

/// What PickIncrement found: the kind whose one more unit serves best.
struct TIncrement {
  bool Found = false;
  int Kind = 0;
};

/// A merchant played by the computer. It acts only on its one-shot timer, a second after
/// something reached it: it accepts every invitation, judges proposals by how they change its
/// shortages and spare units, and proposes by itself or raises a declined proposal until it
/// would accept it, dismissing the partner when it has nothing more to offer.
class TCPUMerchant : public TMerchant {
 public:
  /// The answer delay in milliseconds.
  static constexpr std::int32_t TimerInterval = 1000;

  /// Works on store (owned by the caller); the timer starts at once, and its first tick
  /// finds the merchant idle. Ties between equally good units are broken with random.
  TCPUMerchant(TTrade* store, std::string name, TScheduler& scheduler, TRandom& random);
  ~TCPUMerchant() override;

  bool ReceiveInvite(TMerchant& from, std::int32_t& err) override;
  bool ReceiveProposal(const TProposal& deltas, std::int32_t& err) override;
  bool ReceiveInviteAnswer(TAnswer answer, std::int32_t& err) override;
  bool AnswerProposal(TAnswer answer, std::int32_t& err) override;

  /// The merchant's one act, a second after its timer was started.
  void Tick();
  /// True while a tick is pending.
  bool TimerEnabled() const { return FTimer != 0; }

  /// The steepening cost of the shortages left after proposal p: a shortage of n units
  /// scores -n(5 + n); 0 or below.
  std::int64_t ShortageScore(const TProposal& p) const;
  /// How much better off p leaves this merchant: spare units count one each, and each
  /// shortage unit removed weighs more than the one before.
  std::int64_t Evaluate(const TProposal& p) const;
  /// Accept what makes this merchant better off, or equal without a deeper shortage.
  TAnswer Judge(const TProposal& p) const;
  /// An offer from the all-zero p: the shortage kind whose covering serves best, asked for in
  /// full as far as the partner holds it, against as many own spare units, what the partner
  /// lacks most first. False when the merchant wants nothing or can give nothing.
  bool MakeOffer(TProposal& p) const;
  /// The best single unit to ask for in addition to p; equally good units are chosen
  /// between at random.
  TIncrement PickIncrement(TProposal& p) const;
  /// Raises the declined p one unit at a time until it would be accepted; false when that
  /// takes more than 10 units or no unit helps.
  bool CounterOffer(TProposal& p) const;

 private:
  void StartTimer();
  void ProposeOrLeave();
  const TTrade& PartnerStore() const;
  std::int32_t OwnSurplus(int kind) const;

  TScheduler& FScheduler;
  TRandom& FRandom;
  TTimerId FTimer = 0;
};

/// The kinds ordered by the store's surplus, lowest first; a bubble sort that swaps only on
/// a strictly lower later kind, so equal surpluses keep kind order.
TKindOrder SortBySurplus(const TTrade& store);

}  // namespace fjordheim
