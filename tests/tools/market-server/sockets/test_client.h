#pragma once

#include <QByteArray>
#include <QTcpSocket>
#include <QTest>
#include <functional>
#include <string>

namespace fjordheim {

// Every wait of these tests ends after this long at the latest.
inline constexpr int TestTimeoutMs = 10000;

/// Waits, running the event loop, until the condition holds or the time is up.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = TestTimeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}

/// A game's end of the server link, as bytes: it writes what it is told and keeps what arrives.
class TTestClient {
 public:
  explicit TTestClient(quint16 port) {
    QObject::connect(&Socket, &QTcpSocket::readyRead, [this] { Received += Socket.readAll(); });
    Socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    Socket.waitForConnected(TestTimeoutMs);
  }

  void Write(const std::string& bytes) {
    Socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    Socket.flush();
  }

  /// Waits until what arrived holds the text (and returns whether it does).
  bool WaitFor(const std::string& text) {
    return WaitUntil([&] { return Received.contains(QByteArray::fromStdString(text)); });
  }

  /// Waits until the server closes the connection.
  bool WaitClosed() { return WaitUntil([&] { return Socket.state() == QAbstractSocket::UnconnectedState; }); }

  /// What arrived since the last look.
  std::string Take() { return std::exchange(Received, {}).toStdString(); }

  QTcpSocket Socket;
  QByteArray Received;
};

inline std::string TestLogin(int port, const std::string& name) {
  return "LOGIN PORT " + std::to_string(port) + " IMAGE 1 NAME " + name + " ENDMESSAGE";
}

}  // namespace fjordheim
