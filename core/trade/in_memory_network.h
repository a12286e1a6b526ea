#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/trade/connection_port.h"

namespace fjordheim {

/// Machines joined by TCP in memory, for tests and fuzzing: each host has a connection port, and
/// nothing moves until Deliver runs the events in the order they arose. Bytes in flight on one
/// connection are joined into one arrival, and cut into pieces when a piece size is set, as TCP
/// may do.
class TInMemoryNetwork {
 public:
  class TPort;

  TInMemoryNetwork();
  ~TInMemoryNetwork();
  TInMemoryNetwork(const TInMemoryNetwork&) = delete;
  TInMemoryNetwork& operator=(const TInMemoryNetwork&) = delete;

  /// The connection port of the host with this address; made when first asked for.
  TConnectionPort& Host(const std::string& address);

  /// Runs the pending events, including those they cause, until none is left; returns how many ran.
  std::size_t Deliver();

  /// Runs the events pending now, not those they cause; returns how many ran.
  std::size_t DeliverOnce();

  /// Arrivals hold at most this many bytes; 0 means no limit.
  void SetPieceSize(std::size_t bytes) { FPieceSize = bytes; }

  /// How many connections are open at either end.
  std::size_t OpenConnections() const;

 private:
  struct TEnd;
  struct TListening;

  void Post(std::function<void()> event);
  TConnectionId Connect(TPort& from, const std::string& host, std::int32_t port);
  TListenResult Listen(TPort& port, std::int32_t portNumber);
  std::optional<TConnectionId> Accept(TConnectionId listener);
  void Send(TConnectionId connection, std::string_view bytes);
  void Close(TConnectionId id);
  std::string PeerAddress(TConnectionId connection) const;
  void ScheduleArrival(TConnectionId receiver);
  void Arrive(TConnectionId receiver);
  void NoticeClose(TConnectionId receiver);
  void Refuse(TConnectionId connection);
  TEnd* FindEnd(TConnectionId id);
  const TEnd* FindEnd(TConnectionId id) const;
  std::int32_t FreePort(const std::string& host) const;

  std::map<std::string, std::unique_ptr<TPort>> FHosts;
  std::map<TConnectionId, TEnd> FEnds;
  std::map<TConnectionId, TListening> FListening;
  std::deque<std::function<void()>> FEvents;
  std::size_t FPieceSize = 0;
  TConnectionId FLastId = 0;
};

}  // namespace fjordheim
