#include "tools/market-server/market_server.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <sstream>

#include "tests/tools/market-server/sockets/test_client.h"

namespace fjordheim {
namespace {

class MarketServer : public ::testing::Test {
 protected:
  void Start(TMarketLimits limits = {}, std::optional<TRoster> roster = std::nullopt) {
    Server = std::make_unique<TMarketServer>(limits, std::move(roster), Log);
    ASSERT_TRUE(Server->Listen(QHostAddress::LocalHost, 0)) << Server->ErrorString().toStdString();
  }

  std::unique_ptr<TTestClient> Arrive(const std::string& name, int listenPort) {
    auto client = std::make_unique<TTestClient>(Server->Port());
    client->Write(TestLogin(listenPort, name));
    EXPECT_TRUE(client->WaitFor("LOGINACCEPT ID "));
    return client;
  }

  std::ostringstream Console;
  TMarketLog Log{Console};
  std::unique_ptr<TMarketServer> Server;
};

TEST_F(MarketServer, ThreePlayersComeAndGoInOrderAndADropIsOneLeft) {
  Start();
  auto astrid = Arrive("Astrid", 5001);
  auto bjorn = Arrive("Bj\xF8rn", 5002);
  ASSERT_TRUE(bjorn->WaitFor("NAME Astrid ENDMESSAGE"));
  EXPECT_EQ(bjorn->Take(),
            "LOGINACCEPT ID 2 ENDMESSAGE"
            "ENTERED ID 1 IP 127.0.0.1 PORT 5001 IMAGE 1 NAME Astrid ENDMESSAGE");
  ASSERT_TRUE(astrid->WaitFor("ENTERED ID 2 "));
  EXPECT_EQ(astrid->Take(),
            "LOGINACCEPT ID 1 ENDMESSAGE"
            "ENTERED ID 2 IP 127.0.0.1 PORT 5002 IMAGE 1 NAME Bj\xF8rn ENDMESSAGE");

  auto cecilie = Arrive("Cecilie", 5003);
  ASSERT_TRUE(cecilie->WaitFor("NAME Bj\xF8rn ENDMESSAGE"));
  EXPECT_EQ(cecilie->Take(),
            "LOGINACCEPT ID 3 ENDMESSAGE"
            "ENTERED ID 1 IP 127.0.0.1 PORT 5001 IMAGE 1 NAME Astrid ENDMESSAGE"
            "ENTERED ID 2 IP 127.0.0.1 PORT 5002 IMAGE 1 NAME Bj\xF8rn ENDMESSAGE");

  // Cecilie's game breaks off; Bjørn says LOGOUT, which has no terminator.
  cecilie->Socket.abort();
  ASSERT_TRUE(astrid->WaitFor("LEFT ID 3 ENDMESSAGE"));
  bjorn->Write("LOGOUT");
  ASSERT_TRUE(astrid->WaitFor("LEFT ID 2 ENDMESSAGE"));
  bjorn->Socket.disconnectFromHost();
  ASSERT_TRUE(WaitUntil([&] { return Server->ConnectionCount() == 1; }));
  auto dag = Arrive("Dag", 5004);
  ASSERT_TRUE(astrid->WaitFor("ENTERED ID 4 "));
  EXPECT_EQ(astrid->Take(),
            "ENTERED ID 3 IP 127.0.0.1 PORT 5003 IMAGE 1 NAME Cecilie ENDMESSAGE"
            "LEFT ID 3 ENDMESSAGE"
            "LEFT ID 2 ENDMESSAGE"
            "ENTERED ID 4 IP 127.0.0.1 PORT 5004 IMAGE 1 NAME Dag ENDMESSAGE");
  EXPECT_EQ(Server->PlayerCount(), 2U);
  EXPECT_NE(Console.str().find("dropped #3 Cecilie from 127.0.0.1: connection closed, 2 present"), std::string::npos);
  EXPECT_NE(Console.str().find("logout  #2 Bj\xC3\xB8rn from 127.0.0.1, 1 present"), std::string::npos);
}

TEST_F(MarketServer, ALoginSplitAcrossWritesAndTwoMessagesInOneWriteAreBothRead) {
  Start();
  auto astrid = Arrive("Astrid", 5001);
  TTestClient bjorn(Server->Port());
  const std::string login = TestLogin(5002, "Bj\xF8rn");
  for (std::size_t at = 0; at < login.size(); at += 7) {
    bjorn.Write(login.substr(at, 7));
    QTest::qWait(2);
  }
  ASSERT_TRUE(bjorn.WaitFor("LOGINACCEPT ID 2 ENDMESSAGE"));
  TTestClient cecilie(Server->Port());
  cecilie.Write(TestLogin(5003, "Cecilie") + "LOGOUT");
  ASSERT_TRUE(astrid->WaitFor("LEFT ID 3 ENDMESSAGE"));
  EXPECT_EQ(astrid->Take(),
            "LOGINACCEPT ID 1 ENDMESSAGE"
            "ENTERED ID 2 IP 127.0.0.1 PORT 5002 IMAGE 1 NAME Bj\xF8rn ENDMESSAGE"
            "ENTERED ID 3 IP 127.0.0.1 PORT 5003 IMAGE 1 NAME Cecilie ENDMESSAGE"
            "LEFT ID 3 ENDMESSAGE");
}

TEST_F(MarketServer, RefusesNamesOffTheRosterAndClosesOnBadInput) {
  Start({}, TRoster::FromText("Astrid\n"));
  auto astrid = Arrive("Astrid", 5001);
  TTestClient mallory(Server->Port());
  mallory.Write(TestLogin(5002, "Mallory"));
  EXPECT_TRUE(mallory.WaitClosed());
  TTestClient noisy(Server->Port());
  noisy.Write(std::string(5000, 'x'));
  EXPECT_TRUE(noisy.WaitClosed());
  TTestClient stranger(Server->Port());
  stranger.Write("HELLO THERE ENDMESSAGE");
  EXPECT_TRUE(stranger.WaitClosed());
  EXPECT_EQ(mallory.Take() + noisy.Take() + stranger.Take(), "");
  EXPECT_EQ(astrid->Take(), "LOGINACCEPT ID 1 ENDMESSAGE");
  EXPECT_NE(Console.str().find("refused Mallory from 127.0.0.1: not on the roster"), std::string::npos);
  EXPECT_NE(Console.str().find("refused from 127.0.0.1: a message longer than 4096 bytes"), std::string::npos);
  EXPECT_NE(Console.str().find("refused from 127.0.0.1: Unknown message: HELLO"), std::string::npos);
}

// A game that stops reading, with a receive buffer as small as the system allows.
class TStuckReader {
 public:
  explicit TStuckReader(quint16 port) : FSocket(::socket(AF_INET, SOCK_STREAM, 0)) {
    const int smallest = 1;
    ::setsockopt(FSocket, SOL_SOCKET, SO_RCVBUF, &smallest, sizeof smallest);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Connected = ::connect(FSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~TStuckReader() { ::close(FSocket); }
  void Write(const std::string& bytes) { Written = ::write(FSocket, bytes.data(), bytes.size()) > 0; }

  bool Connected = false;
  bool Written = false;

 private:
  int FSocket;
};

TEST_F(MarketServer, AClientThatStopsReadingIsDroppedWhileTheOthersStillHearEveryone) {
  Start(TMarketLimits{10, 16 * 1024});
  auto astrid = Arrive("Astrid", 5001);
  TStuckReader stuck(Server->Port());
  ASSERT_TRUE(stuck.Connected);
  stuck.Write(TestLogin(5002, "Sovende"));
  ASSERT_TRUE(astrid->WaitFor("ENTERED ID 2 "));

  // A busy pupil comes and goes over and over until the stuck one has missed too much.
  TTestClient busy(Server->Port());
  constexpr int Rounds = 50;
  std::string rounds;
  for (int i = 0; i < Rounds; ++i) rounds += TestLogin(5003, std::string(64, 'b')) + "LOGOUT";
  const auto dropped = [&] { return Console.str().find("dropped #2 Sovende") != std::string::npos; };
  for (int burst = 0; burst < 200 && !dropped(); ++burst) {
    busy.Write(rounds);
    ASSERT_TRUE(WaitUntil([&] { return busy.Received.count("LOGINACCEPT") == Rounds; }));
    busy.Received.clear();
  }
  EXPECT_NE(Console.str().find("dropped #2 Sovende from 127.0.0.1: stopped reading"), std::string::npos);
  EXPECT_EQ(Server->ConnectionCount(), 2U);

  auto cecilie = Arrive("Cecilie", 5004);
  ASSERT_TRUE(astrid->WaitFor("PORT 5004 IMAGE 1 NAME Cecilie ENDMESSAGE"));
  const std::string heard = astrid->Take();
  EXPECT_EQ(heard.find("LEFT ID 2 ENDMESSAGE"), heard.rfind("LEFT ID 2 ENDMESSAGE"));
  EXPECT_NE(heard.find("LEFT ID 2 ENDMESSAGE"), std::string::npos);
}

TEST_F(MarketServer, AFullMarketClosesTheNextConnection) {
  Start(TMarketLimits{2, 64 * 1024});
  auto astrid = Arrive("Astrid", 5001);
  auto bjorn = Arrive("Bj\xF8rn", 5002);
  TTestClient third(Server->Port());
  EXPECT_TRUE(third.WaitClosed());
  EXPECT_NE(Console.str().find("refused from 127.0.0.1: the market is full (2 connections)"), std::string::npos);
}

// A connection that never logs in would hold one of the market's places for good.
TEST_F(MarketServer, AConnectionThatDoesNotLogInInTimeIsClosedAndThePlayersStay) {
  TMarketLimits limits;
  limits.LoginTime = std::chrono::milliseconds(300);
  Start(limits);
  TTestClient silent(Server->Port());
  TTestClient halfLogin(Server->Port());
  halfLogin.Write("LOGIN PORT 5003 IMAGE 1 NA");
  auto astrid = Arrive("Astrid", 5001);
  EXPECT_TRUE(silent.WaitClosed());
  EXPECT_TRUE(halfLogin.WaitClosed());
  EXPECT_EQ(Server->ConnectionCount(), 1U);
  EXPECT_EQ(Server->PlayerCount(), 1U);
  EXPECT_NE(Console.str().find("refused from 127.0.0.1: no LOGIN within"), std::string::npos) << Console.str();
  auto bjorn = Arrive("Bj\xF8rn", 5002);
  EXPECT_TRUE(astrid->WaitFor("ENTERED ID 2 "));
  EXPECT_EQ(Server->PlayerCount(), 2U) << "a player who logged in is never timed out";
}

}  // namespace
}  // namespace fjordheim
