#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "core/trade/connection_port.h"
#include "core/trade/message_framer.h"
#include "tools/market-server/market_log_entry.h"
#include "tools/market-server/roster.h"

namespace fjordheim {

/// What the market's rules ask of the connections: the market server gives it sockets, tests a
/// recording fake.
class TMarketRulesPort {
 public:
  virtual ~TMarketRulesPort() = default;
  /// Queues bytes for the connection and returns how many of its bytes are still unsent.
  virtual std::size_t Send(TConnectionId connection, std::string_view bytes) = 0;
  /// Closes the connection at once; the rules have already forgotten it.
  virtual void Close(TConnectionId connection) = 0;
  /// Tells the teacher what happened.
  virtual void Report(const TMarketLogEntry& event) = 0;
};

/// The limits a market runs with.
struct TMarketLimits {
  /// Connections held at once; one more is closed as soon as it opens.
  std::size_t MaxClients = 1000;
  /// Unsent bytes a connection may pile up before it counts as not reading and is dropped, so that
  /// one slow client never holds the others up or fills the server's memory.
  std::size_t MaxUnsentBytes = 256 * 1024;
  /// Time a connection has to log in; one that says nothing would hold a place at a full market.
  std::chrono::milliseconds LoginTime{30000};

  /// Limits for so many connections: a newcomer's list of everyone present, told at once, stays
  /// well below the cap.
  static TMarketLimits ForClients(std::size_t maxClients);
};

/// The market server's rules, without sockets: who is present, which id each player gets (counted
/// up from 1, never given twice), and who is told ENTERED and LEFT (everyone but the player
/// himself, LEFT exactly once per player).
class TMarketRules {
 public:
  TMarketRules(TMarketRulesPort& port, TMarketLimits limits, std::optional<TRoster> roster);

  /// A connection came from the address; false when the market is full and it was closed.
  bool Open(TConnectionId connection, std::string address);

  /// Bytes arrived on the connection: every whole message among them is handled.
  void Receive(TConnectionId connection, std::string_view bytes);

  /// The other side closed the connection, or it broke; the others hear LEFT if he was in.
  void Closed(TConnectionId connection);

  /// The connection's time to log in has passed: one that has not is closed.
  void LoginTimeUp(TConnectionId connection);

  /// Players logged in now.
  std::size_t PlayerCount() const { return FPlayers.size(); }

  /// Connections held now, logged in or not.
  std::size_t ConnectionCount() const { return FConnections.size(); }

 private:
  struct TConnection {
    explicit TConnection(std::string address) : Address(std::move(address)) {}
    std::string Address;
    TMessageFramer Framer{TFraming::ServerLink};
    /// Set while the player is logged in.
    std::int32_t Id = 0;
    std::string Name;
    /// The ENTERED that tells others about this player.
    std::string Entered;
  };

  void Handle(TConnectionId connection, TConnection& state, std::string_view message);
  void Login(TConnectionId connection, TConnection& state, std::int32_t port, std::int32_t imageNo, std::string name);
  void Logout(TConnection& state);
  void TellOthersLeft(const TConnection& state);
  void Send(TConnectionId connection, std::string_view bytes);
  void End(TConnectionId connection, std::string reason);
  void DropSlowReaders();
  void Report(TMarketLogEntry::TKind kind, const TConnection& state, std::string reason);

  TMarketRulesPort& FPort;
  TMarketLimits FLimits;
  std::optional<TRoster> FRoster;
  std::map<TConnectionId, TConnection> FConnections;
  /// The players present, by id: the order they came in.
  std::map<std::int32_t, TConnectionId> FPlayers;
  std::int32_t FLastId = 0;
  /// Connections whose unsent output passed the cap, dropped once the current step is done.
  std::set<TConnectionId> FSlowReaders;
};

}  // namespace fjordheim
