#include "core/trade/market_visit.h"

#include <utility>

#include "core/trade/net_market.h"
#include "core/trade/trade_reason.h"

namespace fjordheim {

namespace {

constexpr const char* NetworkUnavailableText = TrMark("Nettmarkedet kan ikke nås fra denne utgaven av spillet.");

}  // namespace

TMarketVisit::TMarketVisit(TMarketSettings settings, TScheduler& scheduler, TRandom& random)
    : FSettings(std::move(settings)), FScheduler(scheduler), FRandom(random) {
  for (const TCPUMerchantData& data : FSettings.CPUMerchants) {
    FCPUStores.push_back(std::make_unique<TTrade>(data.Store));
    auto merchant = std::make_unique<TCPUMerchant>(FCPUStores.back().get(), data.Name, FScheduler, FRandom);
    merchant->ImageNo = data.ImageNo;
    FCPUMerchants.push_back(std::move(merchant));
  }
}

TMarketVisit::~TMarketVisit() { Close(); }

std::vector<std::string> TMarketVisit::MarketNames() const {
  std::vector<std::string> names;
  for (const TMarketData& market : FSettings.Markets) names.push_back(market.Name);
  return names;
}

TMarketOpening TMarketVisit::Open(std::size_t index, const std::string& chiefName, std::int32_t chiefFace,
                                  TTrade& village, TMerchantListener* merchantWindow, TMarketListener* marketWindow) {
  if (index >= FSettings.Markets.size()) return TMarketOpening{false, NoMarketChosenText};
  if (FWasOpened) return TMarketOpening{};
  const TMarketData& data = FSettings.Markets[index];
  if (data.IsNetwork() && FConnections == nullptr) return TMarketOpening{false, NetworkUnavailableText};
  FWasOpened = true;
  FOpenedIndex = index;
  FPlayer = std::make_unique<TUserMerchant>(&village, chiefName, FScheduler);
  FPlayer->ImageNo = chiefFace;
  FPlayer->SetNotifyWindow(merchantWindow);
  if (data.IsNetwork()) {
    OpenNetworkMarket(data);
  } else {
    FMarket = std::make_unique<TLocalMarket>(FScheduler);
  }
  FMarket->SetNotifyWindow(marketWindow);
  if (!data.IsNetwork()) FillLocalMarket(data.CPUMerchants);
  std::int32_t err = 0;
  FMarket->Enter(*FPlayer, err);
  return TMarketOpening{true, {}};
}

void TMarketVisit::UseNetwork(TConnectionPort& connections, TMessageSink& messages) {
  FConnections = &connections;
  FNetworkMessages = &messages;
}

// The player enters a network market by logging in at its server; the others present come as the
// server names them.
void TMarketVisit::OpenNetworkMarket(const TMarketData& data) {
  auto market = std::make_unique<TNetMarket>(FScheduler);
  FClient = std::make_unique<TClient>(*market, data.IP, data.Port, *FConnections, *FNetworkMessages);
  FClient->ListenPort = FSettings.ListenPort;
  market->Client = FClient.get();
  FMarket = std::move(market);
}

// Drawn from a shrinking copy of the list, so no merchant comes twice; when more are asked
// for than there are, everyone comes.
void TMarketVisit::FillLocalMarket(std::int32_t wanted) {
  std::vector<TCPUMerchant*> remaining;
  for (const auto& merchant : FCPUMerchants) remaining.push_back(merchant.get());
  std::int32_t err = 0;
  for (std::int32_t i = 0; i < wanted && !remaining.empty(); ++i) {
    const auto at = remaining.begin() + FRandom.Random(static_cast<std::int32_t>(remaining.size()));
    FMarket->Enter(**at, err);
    remaining.erase(at);
  }
}

bool TMarketVisit::Refuse(std::int32_t& err) const {
  err = MerchantStateError;
  return false;
}

// The player's merchant is set to InviteSent before the call, so that a busy answer given
// during the call finds it waiting for one.
bool TMarketVisit::Invite(TMerchant& other, std::int32_t& err) {
  if (!IsOpen() || &other == FPlayer.get() || !FMarket->IsPresent(other)) return Refuse(err);
  if (FPlayer->State != TMerchantState::Idle || FPlayer->Partner != nullptr) return Refuse(err);
  FPlayer->SetState(TMerchantState::InviteSent);
  return FPlayer->Invite(other, err);
}

bool TMarketVisit::AnswerInvite(TAnswer answer, std::int32_t& err) {
  if (!IsOpen()) return Refuse(err);
  return FPlayer->AnswerInvite(answer, err);
}

bool TMarketVisit::Propose(const TProposal& deltas, std::int32_t& err) {
  if (!IsOpen()) return Refuse(err);
  return FPlayer->Propose(deltas, err);
}

bool TMarketVisit::AnswerProposal(TAnswer answer, std::int32_t& err) {
  if (!IsOpen()) return Refuse(err);
  return FPlayer->AnswerProposal(answer, err);
}

std::string TMarketVisit::AcceptRefusal() const {
  if (!IsOpen() || FPlayer->Store == nullptr) return {};
  const TTrade* partner = FPlayer->Partner != nullptr ? FPlayer->Partner->Store : nullptr;
  return UnpayableReason(*FPlayer->Store, partner, FPlayer->Proposal);
}

bool TMarketVisit::Dismiss(std::int32_t& err) {
  if (!IsOpen()) return Refuse(err);
  return FPlayer->Dismiss(err);
}

bool TMarketVisit::SendText(const std::string& text, std::int32_t& err) {
  if (!IsOpen()) return Refuse(err);
  return FPlayer->SendText(text, err);
}

bool TMarketVisit::Traded() const {
  return FTradedBeforeClose || (FPlayer != nullptr && FPlayer->TradesCarriedOut() > 0);
}

void TMarketVisit::LeaveMarket() {
  if (!IsOpen() || FPlayerLeft) return;
  FPlayerLeft = true;
  std::int32_t err = 0;
  FMarket->Leave(*FPlayer, err);
}

void TMarketVisit::Close() {
  LeaveMarket();
  FTradedBeforeClose = Traded();
  FMarket.reset();
  FPlayer.reset();
  FClient.reset();
  FCPUMerchants.clear();
  FCPUStores.clear();
}

}  // namespace fjordheim
