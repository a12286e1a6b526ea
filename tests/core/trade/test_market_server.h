#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/trade/client_message.h"
#include "core/trade/connection_port.h"
#include "core/trade/message_framer.h"
#include "core/trade/server_message.h"

namespace fjordheim {

// The market server as small as it can be: ids count up from 1, a newcomer hears of everyone
// present and everyone present hears of him, with the address his connection comes from.
class TTestMarketServer : public TConnectionListener {
 public:
  static constexpr std::int32_t Port = 5556;

  explicit TTestMarketServer(TConnectionPort& connections) : FConnections(connections) {
    FConnections.SetListener(this);
    FConnections.Listen(Port);
  }

  /// The server stops: every game's link is closed.
  void Stop() {
    for (const auto& [connection, player] : FPlayers) FConnections.Close(connection);
    FPlayers.clear();
  }

  std::size_t LoggedIn() const {
    std::size_t count = 0;
    for (const auto& [id, player] : FPlayers) count += player.Id > 0 ? 1 : 0;
    return count;
  }

 private:
  struct TPlayer {
    TMessageFramer Framer{TFraming::ServerLink};
    std::int32_t Id = 0;
    std::int32_t Port = 0;
    std::int32_t ImageNo = 0;
    std::string Name;
    std::string Address;
  };

  void ConnectionEstablished(TConnectionId) override {}
  void ConnectionError(TConnectionId connection, const std::string&) override { Drop(connection); }
  void ConnectionClosed(TConnectionId connection) override { Drop(connection); }
  void ConnectionRequested(TConnectionId listener) override {
    while (const auto connection = FConnections.Accept(listener)) FPlayers[*connection];
  }

  void DataArrived(TConnectionId connection, std::string_view bytes) override {
    for (const std::string& text : FPlayers[connection].Framer.Feed(bytes)) {
      const auto read = ReadClientMessage(text);
      if (!read.Message) continue;
      if (read.Message->Kind == TClientMessageKind::Logout) {
        Leave(connection);
      } else {
        Join(connection, *read.Message);
      }
    }
  }

  void Join(TConnectionId connection, const TClientMessage& login) {
    TPlayer& player = FPlayers[connection];
    player.Id = ++FLastId;
    player.Port = login.Port;
    player.ImageNo = login.ImageNo;
    player.Name = login.Name;
    player.Address = FConnections.PeerAddress(connection);
    FConnections.Send(connection, BuildLoginAccept(player.Id));
    for (const auto& [other, present] : FPlayers) {
      if (other == connection || present.Id == 0) continue;
      FConnections.Send(connection, Entered(present));
      FConnections.Send(other, Entered(player));
    }
  }

  void Leave(TConnectionId connection) {
    TPlayer& player = FPlayers[connection];
    if (player.Id == 0) return;
    for (const auto& [other, present] : FPlayers) {
      if (other != connection && present.Id != 0) FConnections.Send(other, BuildLeft(player.Id));
    }
    player.Id = 0;
  }

  void Drop(TConnectionId connection) {
    Leave(connection);
    FPlayers.erase(connection);
  }

  static std::string Entered(const TPlayer& player) {
    return BuildEntered(player.Id, player.Address, player.Port, player.ImageNo, player.Name);
  }

  TConnectionPort& FConnections;
  std::map<TConnectionId, TPlayer> FPlayers;
  std::int32_t FLastId = 0;
};

}  // namespace fjordheim
