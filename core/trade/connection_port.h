#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fjordheim {

/// Names one connection or one listening socket of a connection port; never reused.
using TConnectionId = std::uint64_t;

/// What a connection port tells its user. Events come later from the event loop, never inside a
/// call to the port, and never for a connection or listener that the user has closed.
class TConnectionListener {
 public:
  virtual ~TConnectionListener() = default;

  /// An outgoing connection is open; bytes may be sent.
  virtual void ConnectionEstablished(TConnectionId connection) = 0;
  /// A connection could not be made or broke; description is the socket's own. It is gone.
  virtual void ConnectionError(TConnectionId connection, const std::string& description) = 0;
  /// Bytes arrived: any piece of what the other side sent, or several of its writes at once.
  virtual void DataArrived(TConnectionId connection, std::string_view bytes) = 0;
  /// The other side closed the connection. It is gone.
  virtual void ConnectionClosed(TConnectionId connection) = 0;
  /// Someone wants to connect to a listening socket; Accept takes the connection.
  virtual void ConnectionRequested(TConnectionId listener) = 0;
};

/// A listening socket, or why there is none.
struct TListenResult {
  /// Empty when listening failed.
  std::optional<TConnectionId> Listener;
  /// The port listened on: the one asked for, or the one the system chose for port 0.
  std::int32_t Port = 0;
  /// The socket's own description of the failure.
  std::string Error;
};

/// TCP as the game uses it, declared here so that the trade rules run over real sockets in the
/// game and over an in-memory network in tests. Everything happens on the one thread of the game.
class TConnectionPort {
 public:
  virtual ~TConnectionPort() = default;

  /// Who hears the events of every connection of this port; null silences them.
  virtual void SetListener(TConnectionListener* listener) = 0;

  /// Starts connecting to host:port; ConnectionEstablished or ConnectionError follows.
  virtual TConnectionId Connect(const std::string& host, std::int32_t port) = 0;

  /// Listens on port, 0 meaning any free port.
  virtual TListenResult Listen(std::int32_t port) = 0;

  /// Takes the next connection waiting on a listener; empty when none waits.
  virtual std::optional<TConnectionId> Accept(TConnectionId listener) = 0;

  /// Queues bytes on an open connection; never blocks. Ignored for a connection that is not open.
  virtual void Send(TConnectionId connection, std::string_view bytes) = 0;

  /// Closes a connection (what was sent still goes out) or a listener; no event follows for it.
  virtual void Close(TConnectionId id) = 0;

  /// The address of the other end of an open connection; empty when unknown.
  virtual std::string PeerAddress(TConnectionId connection) const = 0;
};

}  // namespace fjordheim
