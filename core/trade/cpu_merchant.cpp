#include "core/trade/cpu_merchant.h"

#include <algorithm>
#include <utility>

namespace fjordheim {

namespace {

// A counter-offer that needs more added units than this is given up.
constexpr int MostCounterUnits = 10;

const TTrade EmptyStore{};

std::int64_t ShortageOf(std::int64_t surplus) { return surplus < 0 ? surplus * (5 - surplus) : 0; }

}  // namespace

TKindOrder SortBySurplus(const TTrade& store) {
  TKindOrder order;
  for (int k = 0; k < GoodsKindCount; ++k) order.Kinds[k] = k;
  const auto surplus = [&store](int kind) { return store.Surplus(static_cast<TGoodsKind>(kind)); };
  for (int pass = 0; pass < GoodsKindCount - 1; ++pass) {
    for (int i = 0; i + 1 < GoodsKindCount - pass; ++i) {
      if (surplus(order.Kinds[i + 1]) < surplus(order.Kinds[i])) std::swap(order.Kinds[i], order.Kinds[i + 1]);
    }
  }
  for (const int kind : order.Kinds) {
    if (surplus(kind) < 0) ++order.ShortageCount;
  }
  return order;
}

TCPUMerchant::TCPUMerchant(TTrade* store, std::string name, TScheduler& scheduler, TRandom& random)
    : TMerchant(store, std::move(name)), FScheduler(scheduler), FRandom(random) {
  StartTimer();
}

TCPUMerchant::~TCPUMerchant() {
  if (FTimer != 0) FScheduler.CancelTimer(FTimer);
  FTimer = 0;
}

bool TCPUMerchant::ReceiveInvite(TMerchant& from, std::int32_t& err) {
  if (!TMerchant::ReceiveInvite(from, err)) return false;
  StartTimer();
  return true;
}

bool TCPUMerchant::ReceiveProposal(const TProposal& deltas, std::int32_t& err) {
  if (!TMerchant::ReceiveProposal(deltas, err)) return false;
  StartTimer();
  return true;
}

bool TCPUMerchant::ReceiveInviteAnswer(TAnswer answer, std::int32_t& err) {
  if (!TMerchant::ReceiveInviteAnswer(answer, err)) return false;
  StartTimer();
  return true;
}

bool TCPUMerchant::AnswerProposal(TAnswer answer, std::int32_t& err) {
  if (!TMerchant::AnswerProposal(answer, err)) return false;
  StartTimer();
  return true;
}

// Starting a running timer leaves it running, so one start gives exactly one tick.
void TCPUMerchant::StartTimer() {
  if (FTimer != 0) return;
  FTimer = FScheduler.StartTimer(TimerInterval, [this, self = LifeWatch()] {
    if (IsAlive(self)) Tick();
  });
}

void TCPUMerchant::Tick() {
  FTimer = 0;
  std::int32_t err = 0;
  switch (State) {
    case TMerchantState::InviteReceived:
      AnswerInvite(TAnswer::Accept, err);
      break;
    case TMerchantState::ProposalReceived:
      AnswerProposal(TradeCanBeCarriedOut() ? Judge(Proposal) : TAnswer::Decline, err);
      break;
    case TMerchantState::MayPropose:
      ProposeOrLeave();
      break;
    default:
      break;
  }
}

// An empty proposal means the last trade went through or nothing was proposed yet; anything
// else is the partner's declined proposal, which the merchant tries to raise. A proposal that
// neither store could carry out is no ground for a counter-offer: the merchant starts afresh.
void TCPUMerchant::ProposeOrLeave() {
  TProposal p = Proposal;
  if (!TradeCanBeCarriedOut()) p = TProposal{};
  const bool ready = IsEmptyProposal(p) ? MakeOffer(p) : CounterOffer(p);
  std::int32_t err = 0;
  if (ready) {
    Propose(p, err);
  } else {
    Dismiss(err);
  }
}

const TTrade& TCPUMerchant::PartnerStore() const {
  if (Partner == nullptr || Partner->Store == nullptr) return EmptyStore;
  return *Partner->Store;
}

std::int32_t TCPUMerchant::OwnSurplus(int kind) const {
  return Store != nullptr ? Store->Surplus(static_cast<TGoodsKind>(kind)) : 0;
}

std::int64_t TCPUMerchant::ShortageScore(const TProposal& p) const {
  std::int64_t score = 0;
  for (int k = 0; k < GoodsKindCount; ++k) score += ShortageOf(static_cast<std::int64_t>(OwnSurplus(k)) + p[k]);
  return score;
}

std::int64_t TCPUMerchant::Evaluate(const TProposal& p) const {
  std::int64_t value = 0;
  for (int k = 0; k < GoodsKindCount; ++k) {
    const std::int64_t before = OwnSurplus(k);
    const std::int64_t after = before + p[k];
    if (after > 0) value += after;
    if (before > 0) value -= before;
  }
  return value + ShortageScore(p) - ShortageScore(TProposal{});
}

TAnswer TCPUMerchant::Judge(const TProposal& p) const {
  const std::int64_t value = Evaluate(p);
  if (value > 0) return TAnswer::Accept;
  if (value < 0) return TAnswer::Decline;
  return ShortageScore(p) < ShortageScore(TProposal{}) ? TAnswer::Decline : TAnswer::Accept;
}

bool TCPUMerchant::MakeOffer(TProposal& p) const {
  const TKindOrder own = SortBySurplus(Store != nullptr ? *Store : EmptyStore);
  if (own.ShortageCount == 0) return false;
  const TTrade& partner = PartnerStore();
  std::int64_t best = 0;
  int chosen = 0;
  std::int32_t amount = 0;
  for (int i = 0; i < own.ShortageCount; ++i) {
    const int k = own.Kinds[i];
    const std::int32_t wanted = std::max(0, std::min(-OwnSurplus(k), static_cast<std::int32_t>(partner.Goods[k])));
    p[k] += wanted;
    const std::int64_t value = Evaluate(p);
    if (value > best) {
      best = value;
      chosen = k;
      amount = wanted;
    }
    p[k] -= wanted;
  }
  if (best == 0) return false;
  p[chosen] += amount;
  std::int32_t given = 0;
  for (const int k : SortBySurplus(partner).Kinds) {
    const std::int32_t spare = OwnSurplus(k);
    if (spare <= 0) continue;
    const std::int32_t g = std::max(0, std::min(amount - given, spare));
    given += g;
    p[k] -= g;
  }
  return std::any_of(p.begin(), p.end(), [](std::int32_t value) { return value < 0; });
}

TIncrement TCPUMerchant::PickIncrement(TProposal& p) const {
  TIncrement pick;
  const TTrade& partner = PartnerStore();
  std::int64_t best = Evaluate(p);
  for (int k = 0; k < GoodsKindCount; ++k) {
    const std::int64_t ownHeld = Store != nullptr ? Store->Goods[k] : 0;
    if (static_cast<std::int64_t>(partner.Goods[k]) <= p[k] || ownHeld <= -static_cast<std::int64_t>(p[k])) continue;
    p[k] += 1;
    if (p[k] != 0) {
      const std::int64_t value = Evaluate(p);
      if (value > best || (value == best && FRandom.Random(2) == 0)) {
        pick = TIncrement{true, k};
        best = value;
      }
    }
    p[k] -= 1;
  }
  return pick;
}

bool TCPUMerchant::CounterOffer(TProposal& p) const {
  int count = 0;
  do {
    const TIncrement pick = PickIncrement(p);
    if (!pick.Found) return false;
    p[pick.Kind] += 1;
    ++count;
  } while (Judge(p) != TAnswer::Accept && count <= MostCounterUnits);
  return count <= MostCounterUnits;
}

}  // namespace fjordheim
