#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <chrono>
#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "tools/market-server/market_log.h"
#include "tools/market-server/market_rules.h"

class QTcpSocket;

namespace fjordheim {

/// The classroom market server on real sockets: accepts the games' connections, hands what they
/// send to the market's rules and writes what the rules send. Runs on the thread of its event loop.
class TMarketServer : public QObject, private TMarketRulesPort {
  Q_OBJECT

 public:
  TMarketServer(TMarketLimits limits, std::optional<TRoster> roster, TMarketLog& log, QObject* parent = nullptr);
  ~TMarketServer() override;

  /// Starts listening; false with ErrorString() when the port cannot be had.
  bool Listen(const QHostAddress& address, quint16 port);

  QString ErrorString() const { return FServer.errorString(); }

  /// The port listened on (the one the system chose when 0 was asked for).
  quint16 Port() const { return FServer.serverPort(); }

  std::size_t PlayerCount() const { return FRules.PlayerCount(); }
  std::size_t ConnectionCount() const { return FRules.ConnectionCount(); }

 private:
  std::size_t Send(TConnectionId connection, std::string_view bytes) override;
  void Close(TConnectionId connection) override;
  void Report(const TMarketLogEntry& event) override;

  void AcceptPending();
  void ReadFrom(TConnectionId connection);
  void LoseConnection(TConnectionId connection);
  QTcpSocket* Forget(TConnectionId connection);
  void FlushTouched();

  TMarketLog& FLog;
  std::chrono::milliseconds FLoginTime;
  QTcpServer FServer;
  std::unordered_map<TConnectionId, QTcpSocket*> FSockets;
  TConnectionId FLastConnection = 0;
  /// Connections written to in the current step; each is handed to the system once at its end.
  std::vector<TConnectionId> FTouched;
  TMarketRules FRules;
};

/// The address as the games are told it: an IPv4 address in its plain form, even when the
/// server listens on both families and sees it mapped into IPv6.
QString ShownAddress(const QHostAddress& address);

}  // namespace fjordheim
