#include "gui/trade/qt_connection_port.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace fjordheim {

namespace {

// A closed connection still hands over what was sent; a partner that never takes it is cut off.
constexpr int LingerMs = 10000;

// Counts the calls of the port, so that an event Qt raises during one is held back.
class TCallScope {
 public:
  explicit TCallScope(int& depth) : FDepth(depth) { ++FDepth; }
  ~TCallScope() { --FDepth; }
  TCallScope(const TCallScope&) = delete;
  TCallScope& operator=(const TCallScope&) = delete;

 private:
  int& FDepth;
};

// The other side as the game shows and publishes it: IPv4 in its plain form even when the socket
// sees it mapped into IPv6.
std::string ShownAddress(const QHostAddress& address) {
  bool isIPv4 = false;
  const quint32 ipv4 = address.toIPv4Address(&isIPv4);
  return (isIPv4 ? QHostAddress(ipv4).toString() : address.toString()).toStdString();
}

// Lets a socket that is no longer ours finish sending, then frees it.
void Retire(QTcpSocket* socket) {
  if (socket->state() == QAbstractSocket::UnconnectedState) {
    socket->deleteLater();
    return;
  }
  QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  QObject::connect(socket, &QTcpSocket::errorOccurred, socket, &QObject::deleteLater);
  QTimer::singleShot(LingerMs, socket, [socket] {
    socket->abort();
    socket->deleteLater();
  });
  socket->disconnectFromHost();
}

}  // namespace

TQtConnectionPort::TQtConnectionPort(QObject* parent) : QObject(parent) {}

TQtConnectionPort::~TQtConnectionPort() {
  for (const auto& [connection, socket] : FSockets) {
    socket->disconnect(this);
    socket->abort();
    delete socket;
  }
}

TConnectionId TQtConnectionPort::Connect(const std::string& host, std::int32_t port) {
  const TCallScope call(FCallDepth);
  auto* socket = new QTcpSocket;
  const TConnectionId connection = Adopt(socket);
  connect(socket, &QTcpSocket::connected, this, [this, connection] {
    Tell(connection, [connection](TConnectionListener& listener) { listener.ConnectionEstablished(connection); });
  });
  if (port < 0 || port > 65535) {
    Forget(connection)->deleteLater();
    Tell(connection, [connection](TConnectionListener& listener) { listener.ConnectionError(connection, "Invalid port"); });
    return connection;
  }
  socket->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
  return connection;
}

TListenResult TQtConnectionPort::Listen(std::int32_t port) {
  const TCallScope call(FCallDepth);
  TListenResult result;
  if (port < 0 || port > 65535) {
    result.Error = "Invalid port";
    return result;
  }
  auto server = std::make_unique<QTcpServer>();
  if (!server->listen(QHostAddress::Any, static_cast<quint16>(port))) {
    result.Error = server->errorString().toStdString();
    return result;
  }
  const TConnectionId listener = ++FLastId;
  connect(server.get(), &QTcpServer::newConnection, this, [this, listener] {
    Tell(listener, [listener](TConnectionListener& events) { events.ConnectionRequested(listener); });
  });
  result.Listener = listener;
  result.Port = server->serverPort();
  FServers.emplace(listener, std::move(server));
  return result;
}

std::optional<TConnectionId> TQtConnectionPort::Accept(TConnectionId listener) {
  const TCallScope call(FCallDepth);
  const auto found = FServers.find(listener);
  if (found == FServers.end()) return std::nullopt;
  QTcpSocket* socket = found->second->nextPendingConnection();
  if (socket == nullptr) return std::nullopt;
  socket->setParent(nullptr);
  const TConnectionId connection = Adopt(socket);
  // What the caller sent before the game took the call is waiting already.
  if (socket->bytesAvailable() > 0) Arrived(connection);
  return connection;
}

void TQtConnectionPort::Send(TConnectionId connection, std::string_view bytes) {
  const TCallScope call(FCallDepth);
  const auto found = FSockets.find(connection);
  if (found == FSockets.end() || found->second->state() != QAbstractSocket::ConnectedState) return;
  found->second->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void TQtConnectionPort::Close(TConnectionId id) {
  const TCallScope call(FCallDepth);
  if (!FPending.empty()) FClosed.insert(id);
  if (QTcpSocket* socket = Forget(id)) {
    Retire(socket);
    return;
  }
  FServers.erase(id);
}

std::string TQtConnectionPort::PeerAddress(TConnectionId connection) const {
  const auto found = FSockets.find(connection);
  if (found == FSockets.end() || found->second->state() != QAbstractSocket::ConnectedState) return {};
  return ShownAddress(found->second->peerAddress());
}

TConnectionId TQtConnectionPort::Adopt(QTcpSocket* socket) {
  const TConnectionId connection = ++FLastId;
  FSockets.emplace(connection, socket);
  connect(socket, &QTcpSocket::readyRead, this, [this, connection] { Arrived(connection); });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, connection] { Failed(connection); });
  connect(socket, &QTcpSocket::disconnected, this, [this, connection] { Ended(connection); });
  return connection;
}

// The bytes are read at once and handed on when no call of the port is running. The game may open a
// modal box while it handles them; Qt then reads on into the socket's buffer without announcing it
// again, so whatever came meanwhile is handed on here too.
void TQtConnectionPort::Arrived(TConnectionId connection) {
  for (;;) {
    const auto found = FSockets.find(connection);
    if (found == FSockets.end()) return;
    const QByteArray bytes = found->second->readAll();
    if (bytes.isEmpty()) return;
    Tell(connection, [connection, bytes](TConnectionListener& listener) {
      listener.DataArrived(connection, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
  }
}

void TQtConnectionPort::Failed(TConnectionId connection) {
  const auto found = FSockets.find(connection);
  if (found == FSockets.end()) return;
  // The other side closing is no failure: the socket says so with an error first.
  if (found->second->error() == QAbstractSocket::RemoteHostClosedError) {
    Ended(connection);
    return;
  }
  const std::string description = found->second->errorString().toStdString();
  Arrived(connection);
  QTcpSocket* socket = Forget(connection);
  // The game may have closed it already on reading its last bytes.
  if (socket == nullptr) return;
  socket->deleteLater();
  Tell(connection,
       [connection, description](TConnectionListener& listener) { listener.ConnectionError(connection, description); });
}

void TQtConnectionPort::Ended(TConnectionId connection) {
  Arrived(connection);
  QTcpSocket* socket = Forget(connection);
  if (socket == nullptr) return;
  socket->deleteLater();
  Tell(connection, [connection](TConnectionListener& listener) { listener.ConnectionClosed(connection); });
}

QTcpSocket* TQtConnectionPort::Forget(TConnectionId connection) {
  const auto found = FSockets.find(connection);
  if (found == FSockets.end()) return nullptr;
  QTcpSocket* socket = found->second;
  FSockets.erase(found);
  socket->disconnect(this);
  return socket;
}

// Events keep their order: one that arises inside a call, or while earlier ones wait, waits too.
void TQtConnectionPort::Tell(TConnectionId id, std::function<void(TConnectionListener&)> event) {
  if (FCallDepth == 0 && FPending.empty()) {
    if (FListener != nullptr) event(*FListener);
    return;
  }
  FPending.push_back({id, std::move(event)});
  if (FPending.size() == 1) QMetaObject::invokeMethod(this, &TQtConnectionPort::DeliverPending, Qt::QueuedConnection);
}

// A held event for a connection the game has closed since is dropped: none follows a Close. The
// next delivery is queued before this one runs, so that the events behind it still arrive while
// this one waits for a modal box the game opened.
void TQtConnectionPort::DeliverPending() {
  if (FPending.empty()) return;
  TPendingEvent pending = std::move(FPending.front());
  FPending.pop_front();
  if (!FPending.empty()) QMetaObject::invokeMethod(this, &TQtConnectionPort::DeliverPending, Qt::QueuedConnection);
  if (FListener != nullptr && !FClosed.contains(pending.Id)) pending.Event(*FListener);
  if (FPending.empty()) FClosed.clear();
}

}  // namespace fjordheim
