#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/message_sink.h"
#include "core/common/translation.h"
#include "core/common/throttled_message_sink.h"
#include "core/trade/connection_port.h"
#include "core/trade/lifeline.h"
#include "core/trade/merchant.h"
#include "core/trade/message_framer.h"
#include "core/trade/net_merchant.h"

namespace fjordheim {

class TNetMarket;
struct TPeerMessage;
struct TServerMessage;

/// The game's side of a network market: the link to the market server, which says who is present,
/// and the peer links to the other players' games, over which the trades run. It owns every
/// connection of one market visit and the merchants standing in for the other players.
///
/// Nothing a peer sends is trusted: a message must come from the player at the other end of its
/// link and be addressed to our own merchant, or it is refused with "From ID not found: " or
/// "To ID not found: ". Messages for the player go to the sink given, one box at a time: of one
/// arrival of data only the first is shown and the others counted, and what comes while a box is
/// open is counted too.
class TClient : private TConnectionListener {
 public:
  /// The settings' default port for other players' connections.
  static constexpr std::int32_t DefaultListenPort = 5555;
  /// Further incoming links held at once while one trade runs; more are closed at once.
  static constexpr std::size_t MaxExtraLinks = 8;

  /// Not connected yet; the market server is at address:port.
  TClient(TNetMarket& market, std::string address, std::int32_t port, TConnectionPort& connections,
          TMessageSink& messages);
  ~TClient() override;
  TClient(const TClient&) = delete;
  TClient& operator=(const TClient&) = delete;

  /// The player's merchant that logged in; null after Logout.
  TMerchant* LocalMerchant = nullptr;
  /// The link to the market server is open.
  bool Connected = false;
  std::string ServerAddress;
  std::int32_t ServerPort = 0;
  TNetMarket& Market;
  /// The port to listen on for other players; 0 lets the system choose one.
  std::int32_t ListenPort = DefaultListenPort;

  /// Connects to the market server and starts listening for other players.
  void Connect();
  /// Closes the server link and stops listening.
  void Disconnect();
  /// Logs the merchant in: at once when connected, else once the connection is made.
  void Login(TMerchant& merchant);
  /// Logs out, ends a trade with another player, and lets every other player leave the market.
  void Logout();

  /// Opens a peer link to invitee's game; the invitation goes out once it is open.
  bool SendInvite(TMerchant& inviter, TNetMerchant& invitee);
  /// Messages from our player to the player that to stands in for, on the peer link.
  void SendInviteAnswer(TNetMerchant& to, TAnswer answer);
  void SendDismiss(TNetMerchant& to);
  /// deltas are seen from to; the message carries the proposer's view.
  void SendProposal(TNetMerchant& to, const TProposal& deltas);
  void SendProposalAnswer(TNetMerchant& to, TAnswer answer);
  void SendTextMessage(TNetMerchant& to, const std::string& text);

  /// The other players present, in the order they came.
  std::size_t RemoteMerchantCount() const { return FRemote.size(); }
  TNetMerchant& RemoteMerchant(std::size_t index) const { return *FRemote.at(index).Merchant; }
  /// The port other players reach this game on, once listening.
  std::optional<std::int32_t> ListeningPort() const { return FListeningPort; }

 private:
  struct TRemote {
    std::unique_ptr<TTrade> Store;
    std::unique_ptr<TNetMerchant> Merchant;
  };
  struct TPeerLink {
    explicit TPeerLink(TConnectionId id) : Id(id) {}
    TConnectionId Id;
    TMessageFramer Framer{TFraming::PeerLink};
    /// The player at the other end, once known; messages from anyone else are refused.
    TNetMerchant* Counterpart = nullptr;
  };

  void ConnectionEstablished(TConnectionId connection) override;
  void ConnectionError(TConnectionId connection, const std::string& description) override;
  void DataArrived(TConnectionId connection, std::string_view bytes) override;
  void ConnectionClosed(TConnectionId connection) override;
  void ConnectionRequested(TConnectionId listener) override;

  void HandleArrival(TConnectionId connection, std::string_view bytes);
  void StartListening();
  void SendLogin();
  void Send(TConnectionId connection, const std::string& bytes);
  void Show(const std::string& text);

  void ServerDataArrived(std::string_view bytes);
  void HandleServerMessage(const TServerMessage& message);
  void LoginAccepted(std::int32_t id);
  void RemoteEntered(const TServerMessage& message);
  void RemoteLeft(std::int32_t id);
  void LoseServer();
  void LoseMarket();

  void PeerDataArrived(std::string_view bytes);
  void HandlePeerText(const std::string& text);
  void HandlePeerMessage(const TPeerMessage& message);
  void ReplayPeerMessage(TNetMerchant& from, const TPeerMessage& message);
  void ExtraDataArrived(TPeerLink& link, std::string_view bytes);
  TNetMerchant* FindRemote(std::int32_t id) const;
  bool IsOurMerchant(std::int32_t id) const;
  void ClosePeerLink();
  void LosePeerLink();
  void CloseExtraLink(TConnectionId connection);
  void PromoteExtraLink(TConnectionId connection);
  TPeerLink* FindExtraLink(TConnectionId connection);
  void FreeRemote(std::size_t index);
  std::int32_t OurId() const;
  TMerchant* Player() const;

  TConnectionPort& FConnections;
  TThrottledMessageSink FMessages;
  std::optional<TConnectionId> FServer;
  TMessageFramer FServerFramer{TFraming::ServerLink};
  std::optional<TConnectionId> FListener;
  std::optional<std::int32_t> FListeningPort;
  std::optional<TPeerLink> FPeer;
  std::vector<TPeerLink> FExtra;
  std::vector<TRemote> FRemote;
  TMerchant* FInviter = nullptr;
  TLifeWatch FInviterWatch;
  TNetMerchant* FInvitee = nullptr;
  TMerchant* FPlayer = nullptr;
  TLifeWatch FPlayerWatch;
  /// The player has been told that the market server is gone; he is not told again on leaving.
  bool FServerLossTold = false;
};

/// The player's message when the market server closed the link while he was at the market.
inline constexpr const char* ServerLostText = TrMark("Forbindelsen til markedet er brutt. Du kan ikke invitere flere her.");

/// The player's message when other players cannot reach this game.
std::string ListenFailedText(std::int32_t port, const std::string& description);

}  // namespace fjordheim
