#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/common/translation.h"
#include "core/trade/client.h"
#include "core/trade/connection_port.h"
#include "core/trade/cpu_merchant.h"
#include "core/trade/local_market.h"
#include "core/trade/market_settings.h"
#include "core/trade/scheduler.h"
#include "core/trade/user_merchant.h"

namespace fjordheim {

inline constexpr const char* NoMarketChosenText = TrMark("Du har ikke valgt noe marked.");

/// Whether a market was opened, and if not what to tell the player.
struct TMarketOpening {
  bool Opened = false;
  std::string Message;
};

/// One visit of the chief to a market, driven by the market window: the markets to choose
/// from, the computer merchants made fresh from the settings, the player's merchant on the
/// village's own store, the market itself and whether a trade was concluded.
///
/// Teardown runs in this order: the player leaves the market (the window hears it at once),
/// the window handles its pending events, then Close frees the market, the player's merchant
/// (which dismisses a partner it still has), the network client and the computer merchants with
/// their stores.
class TMarketVisit {
 public:
  /// Makes every computer merchant of the settings with its own store; their timers run on
  /// scheduler and their choices draw from random.
  TMarketVisit(TMarketSettings settings, TScheduler& scheduler, TRandom& random);
  TMarketVisit(const TMarketVisit&) = delete;
  TMarketVisit& operator=(const TMarketVisit&) = delete;
  /// Closes the visit if the window did not.
  ~TMarketVisit();

  /// Lets network markets open: the connections to the market server and the other players go
  /// through connections, and what the network has to say to the player goes to messages. Without
  /// it a network market is not opened.
  void UseNetwork(TConnectionPort& connections, TMessageSink& messages);

  /// The names of the markets for the choice dialog, in the order of the settings file.
  std::vector<std::string> MarketNames() const;

  /// Opens market number index (from 0) for the chief: makes the player's merchant with the
  /// chief's name and face on the village's store, fills a local market with its computer
  /// merchants drawn at random without repetition (as many as there are, at most), clears
  /// the traded flag and lets the player enter. Events go to the two listeners. An index
  /// past the list gives "Du har ikke valgt noe marked."; a visit opens only once.
  TMarketOpening Open(std::size_t index, const std::string& chiefName, std::int32_t chiefFace, TTrade& village,
                      TMerchantListener* merchantWindow, TMarketListener* marketWindow);

  /// The clock the merchants' timers and events run on.
  TScheduler& Scheduler() const { return FScheduler; }

  /// True from a successful Open until Close.
  bool IsOpen() const { return FMarket != nullptr; }
  /// The market entry opened; only while open.
  const TMarketData& OpenedMarket() const { return FSettings.Markets.at(FOpenedIndex); }
  /// True when the chat field belongs on the trading view (network markets).
  bool ShowsChat() const { return IsOpen() && OpenedMarket().IsNetwork(); }

  /// The player's merchant, or null when no market is open.
  TUserMerchant* Player() const { return FPlayer.get(); }
  /// The market with everyone present, or null when no market is open.
  TMarket* Market() const { return FMarket.get(); }

  /// The player invites a merchant present at the market.
  bool Invite(TMerchant& other, std::int32_t& err);
  /// The player answers the invitation he received.
  bool AnswerInvite(TAnswer answer, std::int32_t& err);
  /// The player proposes deltas, seen from the village's side.
  bool Propose(const TProposal& deltas, std::int32_t& err);
  /// The player answers the proposal on the table; an acceptance that either store cannot
  /// carry out is sent as a decline.
  bool AnswerProposal(TAnswer answer, std::int32_t& err);
  /// Why the player cannot accept the proposal on the table ("Du har ikke nok sølv til dette
  /// byttet."), or empty when he can.
  std::string AcceptRefusal() const;
  /// The player ends the trade.
  bool Dismiss(std::int32_t& err);
  /// The player sends a chat line to his partner.
  bool SendText(const std::string& text, std::int32_t& err);

  /// True when an accepted proposal changed the village's store during this visit.
  bool Traded() const;

  /// The player leaves the market; the market window hears it before this returns.
  void LeaveMarket();
  /// Leaves if not yet done, then frees the market, the player's merchant, the network client and
  /// the computer merchants, in that order.
  void Close();

 private:
  void FillLocalMarket(std::int32_t wanted);
  void OpenNetworkMarket(const TMarketData& data);
  bool Refuse(std::int32_t& err) const;

  TMarketSettings FSettings;
  TScheduler& FScheduler;
  TRandom& FRandom;
  std::vector<std::unique_ptr<TTrade>> FCPUStores;
  std::vector<std::unique_ptr<TCPUMerchant>> FCPUMerchants;
  std::unique_ptr<TUserMerchant> FPlayer;
  std::unique_ptr<TLocalMarket> FMarket;
  TConnectionPort* FConnections = nullptr;
  TMessageSink* FNetworkMessages = nullptr;
  std::unique_ptr<TClient> FClient;
  std::size_t FOpenedIndex = 0;
  bool FWasOpened = false;
  bool FPlayerLeft = false;
  bool FTradedBeforeClose = false;
};

}  // namespace fjordheim
