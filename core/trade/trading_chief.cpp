#include "core/trade/trading_chief.h"

#include <algorithm>
#include <set>

#include "core/trade/cpu_merchant.h"

namespace fjordheim {

namespace {

const TTrade NoGoods{};

const TTrade& StoreOf(const TMerchant* merchant) {
  return merchant != nullptr && merchant->Store != nullptr ? *merchant->Store : NoGoods;
}

// One step of the chief: propose, answer, or leave. False when he has ended the trade.
bool ChiefActs(TUserMerchant& chief, std::set<TProposal>& proposed, TNegotiation& result) {
  std::int32_t err = 0;
  if (chief.State == TMerchantState::ProposalReceived) {
    chief.AnswerProposal(TTradingChief::Judge(StoreOf(&chief), chief.Proposal), err);
    return true;
  }
  const TProposal offer = TTradingChief::ProposalFor(StoreOf(&chief), StoreOf(chief.Partner));
  if (result.Rounds >= TTradingChief::MaxRounds || !proposed.insert(offer).second) {
    chief.Dismiss(err);
    result.DismissedByChief = true;
    return false;
  }
  ++result.Rounds;
  chief.Propose(offer, err);
  return true;
}

}  // namespace

// A merchant declines what deepens its own shortages or takes more than it gives, so the chief
// asks only for units the partner can spare, and for no more than he has spare units to give,
// his deepest shortages first.
TProposal TTradingChief::ProposalFor(const TTrade& village, const TTrade& partner) {
  const auto surplus = [&village](int kind) { return village.Surplus(static_cast<TGoodsKind>(kind)); };
  std::int32_t spare = 0;
  for (int k = 0; k < GoodsKindCount; ++k) spare += std::max(0, surplus(k));
  TProposal p{};
  std::int32_t asked = 0;
  for (const int k : SortBySurplus(village).Kinds) {
    const std::int32_t wanted = std::min({-surplus(k), partner.Surplus(static_cast<TGoodsKind>(k)), spare - asked});
    if (wanted <= 0) continue;
    p[k] += wanted;
    asked += wanted;
  }
  std::int32_t given = 0;
  for (const int k : SortBySurplus(partner).Kinds) {
    const std::int32_t g = std::min(asked - given, std::max(0, surplus(k)));
    given += g;
    p[k] -= g;
  }
  return p;
}

TAnswer TTradingChief::Judge(const TTrade& village, const TProposal& deltas) {
  TTrade after = village;
  for (int k = 0; k < GoodsKindCount; ++k) {
    const std::int64_t count = static_cast<std::int64_t>(village.Goods[k]) + deltas[k];
    if (count < 0 || count > 65535) return TAnswer::Decline;
    after.Goods[k] = static_cast<std::uint16_t>(count);
  }
  return after.DemandCoverage() > village.DemandCoverage() ? TAnswer::Accept : TAnswer::Decline;
}

// The merchant acts only on its timer, so whenever the chief has to wait the clock moves to
// the next timer; a wait with no timer left is a negotiation that hangs.
TNegotiation TTradingChief::Negotiate(TUserMerchant& chief, TMerchant& partner, TManualScheduler& scheduler) {
  TNegotiation result;
  const std::int32_t tradesBefore = chief.TradesCarriedOut();
  std::set<TProposal> proposed;
  std::int32_t err = 0;
  chief.SetState(TMerchantState::InviteSent);
  chief.Invite(partner, err);
  // Every proposal is followed by at most a few waits; this bounds a merchant that misbehaves.
  for (int step = 0; step < 8 * MaxRounds && chief.State != TMerchantState::Idle; ++step) {
    const TMerchantState state = chief.State;
    if (state == TMerchantState::MayPropose || state == TMerchantState::ProposalReceived) {
      if (state == TMerchantState::ProposalReceived) ++result.Rounds;
      if (!ChiefActs(chief, proposed, result)) break;
      scheduler.RunPosted();
    } else if (!scheduler.RunNextTimer()) {
      result.Stalled = true;
      break;
    }
  }
  if (chief.State != TMerchantState::Idle && !result.Stalled) {
    chief.Dismiss(err);
    result.DismissedByChief = true;
  }
  result.DismissedByMerchant = !result.DismissedByChief && !result.Stalled;
  result.Trades = chief.TradesCarriedOut() - tradesBefore;
  return result;
}

}  // namespace fjordheim
