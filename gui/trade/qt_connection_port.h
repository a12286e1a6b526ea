#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "core/trade/connection_port.h"

class QTcpServer;
class QTcpSocket;

namespace fjordheim {

/// The game's TCP on Qt: QTcpSocket for the connections to the market server and to other
/// players, QTcpServer for the players who call. Lives on the game's thread; its events come from
/// the event loop, and one that arises inside a call to the port waits until the call is over.
class TQtConnectionPort : public QObject, public TConnectionPort {
  Q_OBJECT

 public:
  explicit TQtConnectionPort(QObject* parent = nullptr);
  ~TQtConnectionPort() override;

  void SetListener(TConnectionListener* listener) override { FListener = listener; }
  TConnectionId Connect(const std::string& host, std::int32_t port) override;
  TListenResult Listen(std::int32_t port) override;
  std::optional<TConnectionId> Accept(TConnectionId listener) override;
  void Send(TConnectionId connection, std::string_view bytes) override;
  void Close(TConnectionId id) override;
  std::string PeerAddress(TConnectionId connection) const override;

  /// Connections and listeners open now.
  std::size_t OpenCount() const { return FSockets.size() + FServers.size(); }

 private:
  TConnectionId Adopt(QTcpSocket* socket);
  void Arrived(TConnectionId connection);
  void Failed(TConnectionId connection);
  void Ended(TConnectionId connection);
  QTcpSocket* Forget(TConnectionId connection);
  void Tell(TConnectionId id, std::function<void(TConnectionListener&)> event);
  void DeliverPending();

  struct TPendingEvent {
    TConnectionId Id = 0;
    std::function<void(TConnectionListener&)> Event;
  };

  TConnectionListener* FListener = nullptr;
  std::map<TConnectionId, QTcpSocket*> FSockets;
  std::map<TConnectionId, std::unique_ptr<QTcpServer>> FServers;
  TConnectionId FLastId = 0;
  /// Above 0 while a call of the port runs.
  int FCallDepth = 0;
  /// Events held back until the running call is over, in the order they arose.
  std::deque<TPendingEvent> FPending;
  /// Closed while events were held; theirs are dropped.
  std::set<TConnectionId> FClosed;
};

}  // namespace fjordheim
