#include "tools/market-server/market_server.h"

#include <QTcpSocket>
#include <QTimer>
#include <chrono>

namespace fjordheim {

namespace {

// The system's send buffer of each connection, fixed instead of growing with the traffic: a game
// that stops reading then soon shows as unsent output and meets the cap, and a thousand
// connections do not tie up the system's memory.
constexpr int KernelSendBufferBytes = 64 * 1024;

// Output is handed to the system at once when this much waits, not only when the event loop comes
// round again, so that what counts as unsent is what the game has not taken yet.
constexpr qint64 FlushBytes = 4 * 1024;

}  // namespace

TMarketServer::TMarketServer(TMarketLimits limits, std::optional<TRoster> roster, TMarketLog& log, QObject* parent)
    : QObject(parent), FLog(log), FLoginTime(limits.LoginTime), FRules(*this, limits, std::move(roster)) {
  FServer.setMaxPendingConnections(static_cast<int>(std::min<std::size_t>(limits.MaxClients, 10000)));
  connect(&FServer, &QTcpServer::newConnection, this, &TMarketServer::AcceptPending);
}

TMarketServer::~TMarketServer() {
  for (const auto& [connection, socket] : FSockets) {
    socket->disconnect(this);
    socket->abort();
    delete socket;
  }
}

bool TMarketServer::Listen(const QHostAddress& address, quint16 port) { return FServer.listen(address, port); }

void TMarketServer::AcceptPending() {
  while (QTcpSocket* socket = FServer.nextPendingConnection()) {
    const TConnectionId connection = ++FLastConnection;
    socket->setParent(nullptr);
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, KernelSendBufferBytes);
    FSockets.emplace(connection, socket);
    connect(socket, &QTcpSocket::readyRead, this, [this, connection] { ReadFrom(connection); });
    connect(socket, &QTcpSocket::disconnected, this, [this, connection] { LoseConnection(connection); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, connection] { LoseConnection(connection); });
    if (!FRules.Open(connection, ShownAddress(socket->peerAddress()).toStdString())) continue;
    QTimer::singleShot(FLoginTime, this, [this, connection] {
      FRules.LoginTimeUp(connection);
      FlushTouched();
    });
    // Bytes that came with the connection are waiting already, and no readyRead follows for them.
    if (socket->bytesAvailable() > 0) ReadFrom(connection);
  }
  FlushTouched();
}

void TMarketServer::ReadFrom(TConnectionId connection) {
  const auto found = FSockets.find(connection);
  if (found == FSockets.end()) return;
  const QByteArray bytes = found->second->readAll();
  FRules.Receive(connection, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  FlushTouched();
}

void TMarketServer::LoseConnection(TConnectionId connection) {
  // What the game sent just before it went (a LOGOUT, say) still counts.
  if (const auto found = FSockets.find(connection); found != FSockets.end() && found->second->bytesAvailable() > 0) {
    ReadFrom(connection);
  }
  QTcpSocket* socket = Forget(connection);
  if (socket == nullptr) return;
  socket->deleteLater();
  FRules.Closed(connection);
  FlushTouched();
}

std::size_t TMarketServer::Send(TConnectionId connection, std::string_view bytes) {
  const auto found = FSockets.find(connection);
  if (found == FSockets.end()) return 0;
  QTcpSocket* socket = found->second;
  if (socket->bytesToWrite() == 0) FTouched.push_back(connection);
  socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (socket->bytesToWrite() > FlushBytes) socket->flush();
  return static_cast<std::size_t>(socket->bytesToWrite());
}

// The rules have forgotten the connection already, so the socket's own closing signals must not
// reach them again.
void TMarketServer::Close(TConnectionId connection) {
  QTcpSocket* socket = Forget(connection);
  if (socket == nullptr) return;
  socket->abort();
  socket->deleteLater();
}

QTcpSocket* TMarketServer::Forget(TConnectionId connection) {
  const auto found = FSockets.find(connection);
  if (found == FSockets.end()) return nullptr;
  QTcpSocket* socket = found->second;
  FSockets.erase(found);
  socket->disconnect(this);
  return socket;
}

// One write to the system per connection and step: a fan-out to a thousand games does not wait for
// the event loop to come round to each socket.
void TMarketServer::FlushTouched() {
  for (const TConnectionId connection : FTouched) {
    if (const auto found = FSockets.find(connection); found != FSockets.end()) found->second->flush();
  }
  FTouched.clear();
}

void TMarketServer::Report(const TMarketLogEntry& event) { FLog.Write(event, std::chrono::system_clock::now()); }

QString ShownAddress(const QHostAddress& address) {
  bool isIPv4 = false;
  const quint32 ipv4 = address.toIPv4Address(&isIPv4);
  return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}

}  // namespace fjordheim
