#include "gui/trade/qt_connection_port.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTest>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fjordheim {
namespace {

constexpr int TimeoutMs = 10000;

// Writes down every event of a port, and notices one that comes while a call of the port runs.
class TRecordingListener : public TConnectionListener {
 public:
  void ConnectionEstablished(TConnectionId connection) override { Note("established", connection); }
  void ConnectionError(TConnectionId connection, const std::string& description) override {
    Note("error", connection);
    Errors[connection] = description;
  }
  void DataArrived(TConnectionId connection, std::string_view bytes) override {
    Note("data", connection);
    Received[connection] += bytes;
    if (OnData) OnData(connection);
  }
  void ConnectionClosed(TConnectionId connection) override { Note("closed", connection); }
  void ConnectionRequested(TConnectionId listener) override { Note("requested", listener); }

  bool Saw(const std::string& event, TConnectionId id) const {
    return std::find(Events.begin(), Events.end(), event + " " + std::to_string(id)) != Events.end();
  }
  bool WaitFor(const std::string& event, TConnectionId id) {
    return QTest::qWaitFor([&] { return Saw(event, id); }, TimeoutMs);
  }

  std::vector<std::string> Events;
  std::map<TConnectionId, std::string> Received;
  std::map<TConnectionId, std::string> Errors;
  bool InsideCall = false;
  bool EventInsideCall = false;
  /// Runs after each arrival is written down, as the game's handler would.
  std::function<void(TConnectionId)> OnData;

 private:
  void Note(const std::string& event, TConnectionId id) {
    EventInsideCall = EventInsideCall || InsideCall;
    Events.push_back(event + " " + std::to_string(id));
  }
};

// Two games on one machine: one listens on a port the system chooses, the other calls it.
class QtConnectionPort : public ::testing::Test {
 protected:
  QtConnectionPort() {
    Game.SetListener(&Heard);
    Caller.SetListener(&CallerHeard);
  }

  // Connects the caller to the game; returns the caller's and the game's ids of the connection.
  std::pair<TConnectionId, TConnectionId> Call() {
    const TListenResult listening = Game.Listen(0);
    EXPECT_TRUE(listening.Listener.has_value()) << listening.Error;
    EXPECT_GT(listening.Port, 0);
    const TConnectionId outgoing = Caller.Connect("127.0.0.1", listening.Port);
    EXPECT_TRUE(CallerHeard.WaitFor("established", outgoing));
    EXPECT_TRUE(Heard.WaitFor("requested", *listening.Listener));
    Heard.InsideCall = true;
    const std::optional<TConnectionId> incoming = Game.Accept(*listening.Listener);
    Heard.InsideCall = false;
    EXPECT_TRUE(incoming.has_value());
    return {outgoing, incoming.value_or(0)};
  }

  TRecordingListener Heard;
  TRecordingListener CallerHeard;
  TQtConnectionPort Game;
  TQtConnectionPort Caller;
};

TEST_F(QtConnectionPort, CarriesBytesBothWaysExactlyAndTellsTheCloseToTheOtherSide) {
  const auto [outgoing, incoming] = Call();
  EXPECT_EQ(Game.PeerAddress(incoming), "127.0.0.1");
  const std::string chat = "TEXTMESSAGE 1 2 Hei p\xE5 deg, bl\xE5" "b\xE6r og r\xF8kt fisk ENDMESSAGE";
  Caller.Send(outgoing, chat);
  Game.Send(incoming, "ANSWERPROP 2 1 A ");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Heard.Received[incoming].size() == chat.size(); }, TimeoutMs));
  ASSERT_TRUE(QTest::qWaitFor([&] { return CallerHeard.Received[outgoing] == "ANSWERPROP 2 1 A "; }, TimeoutMs));
  EXPECT_EQ(Heard.Received[incoming], chat);

  // What was sent before the close still arrives, then the close.
  const std::string big(1 << 20, 'x');
  Caller.Send(outgoing, big);
  Caller.Close(outgoing);
  ASSERT_TRUE(Heard.WaitFor("closed", incoming));
  EXPECT_EQ(Heard.Received[incoming].size(), chat.size() + big.size());
  QTest::qWait(50);
  EXPECT_FALSE(CallerHeard.Saw("closed", outgoing));
  EXPECT_FALSE(CallerHeard.Saw("error", outgoing));
  EXPECT_FALSE(Heard.EventInsideCall);
  EXPECT_EQ(Game.OpenCount(), 1U);
}

TEST_F(QtConnectionPort, BytesThatCameBeforeTheAcceptArriveAfterItAndNeverDuringIt) {
  const TListenResult listening = Game.Listen(0);
  ASSERT_TRUE(listening.Listener);
  const TConnectionId outgoing = Caller.Connect("127.0.0.1", listening.Port);
  ASSERT_TRUE(CallerHeard.WaitFor("established", outgoing));
  Caller.Send(outgoing, "INVITE 1 2 0 0 0 0 0 0 0 0 0 0 0 0 ENDMESSAGE");
  ASSERT_TRUE(Heard.WaitFor("requested", *listening.Listener));
  QTest::qWait(100);
  Heard.InsideCall = true;
  const std::optional<TConnectionId> incoming = Game.Accept(*listening.Listener);
  Heard.InsideCall = false;
  ASSERT_TRUE(incoming);
  EXPECT_FALSE(Game.Accept(*listening.Listener).has_value());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Heard.Received[*incoming].empty(); }, TimeoutMs));
  EXPECT_EQ(Heard.Received[*incoming], "INVITE 1 2 0 0 0 0 0 0 0 0 0 0 0 0 ENDMESSAGE");
  EXPECT_FALSE(Heard.EventInsideCall);
}

// A game that opens a modal box while it handles one event still hears the events behind it:
// two callers' words wait for the accept, and the second arrives while the box of the first is open.
TEST_F(QtConnectionPort, EventsBehindOneThatOpensABoxArriveWhileItIsOpen) {
  const TListenResult listening = Game.Listen(0);
  ASSERT_TRUE(listening.Listener);
  const TConnectionId one = Caller.Connect("127.0.0.1", listening.Port);
  const TConnectionId two = Caller.Connect("127.0.0.1", listening.Port);
  ASSERT_TRUE(CallerHeard.WaitFor("established", one));
  ASSERT_TRUE(CallerHeard.WaitFor("established", two));
  Caller.Send(one, "first");
  Caller.Send(two, "second");
  ASSERT_TRUE(Heard.WaitFor("requested", *listening.Listener));
  QTest::qWait(200);
  std::optional<TConnectionId> first;
  std::optional<TConnectionId> second;
  {
    Heard.InsideCall = true;
    first = Game.Accept(*listening.Listener);
    second = Game.Accept(*listening.Listener);
    Heard.InsideCall = false;
  }
  ASSERT_TRUE(first && second);
  bool heardWhileOpen = false;
  bool boxOpened = false;
  Heard.OnData = [&](TConnectionId connection) {
    if (boxOpened) return;
    boxOpened = true;
    const TConnectionId other = connection == *first ? *second : *first;
    heardWhileOpen = QTest::qWaitFor([&] { return !Heard.Received[other].empty(); }, 3000);
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Heard.Received[*first].empty() && !Heard.Received[*second].empty(); },
                              TimeoutMs));
  EXPECT_TRUE(boxOpened);
  EXPECT_TRUE(heardWhileOpen);
  EXPECT_FALSE(Heard.EventInsideCall);
}

TEST_F(QtConnectionPort, ATakenPortAndAnUnreachablePlayerAreReportedWithTheSocketsOwnWords) {
  QTcpServer taken;
  ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
  const TListenResult refused = Game.Listen(taken.serverPort());
  EXPECT_FALSE(refused.Listener.has_value());
  EXPECT_FALSE(refused.Error.empty());

  // Nobody listens on the port the taken server had once it is gone.
  const quint16 empty = taken.serverPort();
  taken.close();
  const TConnectionId nowhere = Caller.Connect("127.0.0.1", empty);
  ASSERT_TRUE(CallerHeard.WaitFor("error", nowhere));
  EXPECT_EQ(CallerHeard.Errors[nowhere], "Connection refused");
  const TConnectionId badPort = Caller.Connect("127.0.0.1", 70000);
  ASSERT_TRUE(CallerHeard.WaitFor("error", badPort));
  EXPECT_EQ(Caller.OpenCount(), 0U);
}

TEST_F(QtConnectionPort, NothingIsHeardOfAConnectionOnceTheGameHasClosedIt) {
  const auto [outgoing, incoming] = Call();
  Caller.Send(outgoing, "DISMISS 1 2 ENDMESSAGE");
  Caller.Close(outgoing);
  Game.Close(incoming);
  QTest::qWait(200);
  EXPECT_FALSE(Heard.Saw("data", incoming));
  EXPECT_FALSE(Heard.Saw("closed", incoming));
  EXPECT_FALSE(CallerHeard.Saw("closed", outgoing));
  Game.Send(incoming, "ignored");
  EXPECT_TRUE(Game.PeerAddress(incoming).empty());
}

}  // namespace
}  // namespace fjordheim
