#include "tools/market-server/market_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace fjordheim {
namespace {

// Records what the rules send and close, and lets a test make a connection stop reading.
class TFakeConnections : public TMarketRulesPort {
 public:
  std::size_t Send(TConnectionId connection, std::string_view bytes) override {
    EXPECT_FALSE(Closed.contains(connection)) << "sent to closed connection " << connection;
    Sent[connection] += bytes;
    Unsent[connection] += NotReading.contains(connection) ? bytes.size() : 0;
    return Unsent[connection];
  }
  void Close(TConnectionId connection) override {
    EXPECT_TRUE(Closed.insert(connection).second) << "closed twice: " << connection;
  }
  void Report(const TMarketLogEntry& event) override { Events.push_back(event); }

  // Everything sent to the connection since the last look.
  std::string Take(TConnectionId connection) { return std::exchange(Sent[connection], {}); }

  std::map<TConnectionId, std::string> Sent;
  std::map<TConnectionId, std::size_t> Unsent;
  std::set<TConnectionId> NotReading;
  std::set<TConnectionId> Closed;
  std::vector<TMarketLogEntry> Events;
};

// The name is as it travels: Windows-1252.
std::string Login(int port, int image, const std::string& name) {
  return "LOGIN PORT " + std::to_string(port) + " IMAGE " + std::to_string(image) + " NAME " + name + " ENDMESSAGE";
}

class MarketRules : public ::testing::Test {
 protected:
  explicit MarketRules(TMarketLimits limits = {}, std::optional<TRoster> roster = std::nullopt)
      : Rules(Net, limits, std::move(roster)) {}

  // Opens connection n from 10.0.0.n and logs a player in on it; forgets what he was sent.
  void Arrive(TConnectionId connection, const std::string& name) {
    Rules.Open(connection, "10.0.0." + std::to_string(connection));
    Rules.Receive(connection, Login(5550 + static_cast<int>(connection), static_cast<int>(connection), name));
    Net.Take(connection);
  }

  TFakeConnections Net;
  TMarketRules Rules;
};

TEST_F(MarketRules, ThreePlayersComingAndGoingHearOfEachOtherButNeverOfThemselves) {
  Rules.Open(1, "10.0.0.1");
  Rules.Receive(1, Login(5555, 3, "Astrid"));
  EXPECT_EQ(Net.Take(1), "LOGINACCEPT ID 1 ENDMESSAGE");

  Rules.Open(2, "10.0.0.2");
  Rules.Receive(2, Login(5555, 7, "Bj\xF8rn Jernside"));
  EXPECT_EQ(Net.Take(2),
            "LOGINACCEPT ID 2 ENDMESSAGE"
            "ENTERED ID 1 IP 10.0.0.1 PORT 5555 IMAGE 3 NAME Astrid ENDMESSAGE");
  EXPECT_EQ(Net.Take(1), "ENTERED ID 2 IP 10.0.0.2 PORT 5555 IMAGE 7 NAME Bj\xF8rn Jernside ENDMESSAGE");

  Rules.Open(3, "10.0.0.3");
  Rules.Receive(3, Login(6000, 0, "Cecilie"));
  EXPECT_EQ(Net.Take(3),
            "LOGINACCEPT ID 3 ENDMESSAGE"
            "ENTERED ID 1 IP 10.0.0.1 PORT 5555 IMAGE 3 NAME Astrid ENDMESSAGE"
            "ENTERED ID 2 IP 10.0.0.2 PORT 5555 IMAGE 7 NAME Bj\xF8rn Jernside ENDMESSAGE");
  const std::string cecilie = "ENTERED ID 3 IP 10.0.0.3 PORT 6000 IMAGE 0 NAME Cecilie ENDMESSAGE";
  EXPECT_EQ(Net.Take(1), cecilie);
  EXPECT_EQ(Net.Take(2), cecilie);

  // LOGOUT comes without a terminator; the player may log in again and gets a new id.
  Rules.Receive(2, "LOGOUT");
  EXPECT_EQ(Net.Take(1), "LEFT ID 2 ENDMESSAGE");
  EXPECT_EQ(Net.Take(3), "LEFT ID 2 ENDMESSAGE");
  EXPECT_EQ(Net.Take(2), "");
  Rules.Receive(2, Login(5555, 7, "Bj\xF8rn"));
  EXPECT_TRUE(Net.Take(2).starts_with("LOGINACCEPT ID 4 ENDMESSAGE"));
  EXPECT_EQ(Rules.PlayerCount(), 3U);
  EXPECT_TRUE(Net.Closed.empty());
}

TEST_F(MarketRules, EveryPlayerLeavesExactlyOnceHoweverHeGoes) {
  Arrive(1, "Astrid");
  Arrive(2, "Bj\xF8rn");
  Arrive(3, "Cecilie");
  Net.Take(1);
  Net.Take(2);

  Rules.Receive(2, "LOGOUT");
  Rules.Receive(2, "LOGOUT");
  Rules.Closed(2);
  Rules.Closed(2);
  Rules.Closed(3);
  Rules.Receive(3, "LOGOUT");
  EXPECT_EQ(Net.Take(1), "LEFT ID 2 ENDMESSAGE" "LEFT ID 3 ENDMESSAGE");
  EXPECT_EQ(Rules.PlayerCount(), 1U);
  EXPECT_EQ(Rules.ConnectionCount(), 1U);
  ASSERT_EQ(Net.Events.size(), 5U);
  EXPECT_EQ(Net.Events[3].Kind, TMarketLogEntry::TKind::Logout);
  EXPECT_EQ(Net.Events[4].Kind, TMarketLogEntry::TKind::Drop);
  EXPECT_EQ(Net.Events[4].Name, "Cecilie");
  EXPECT_EQ(Net.Events[4].Present, 1U);
}

TEST_F(MarketRules, ALoginArrivesWholeHoweverItIsSplitAndTwoMessagesInOneWriteBothCount) {
  Arrive(1, "Astrid");
  const std::string login = Login(5555, 2, "Bj\xF8rn");
  for (std::size_t cut = 1; cut < login.size(); ++cut) {
    const TConnectionId connection = 100 + cut;
    Rules.Open(connection, "10.0.0.2");
    Rules.Receive(connection, login.substr(0, cut));
    ASSERT_EQ(Net.Take(connection), "") << cut;
    Rules.Receive(connection, login.substr(cut) + "LOGOUT");
    ASSERT_TRUE(Net.Take(connection).starts_with("LOGINACCEPT ID ")) << cut;
    ASSERT_EQ(Rules.PlayerCount(), 1U) << cut;
  }
  // Astrid heard each of them come and go: ids 2 to login.size().
  const std::string heard = Net.Take(1);
  EXPECT_EQ(heard.find("ENTERED ID 2 "), 0U);
  EXPECT_TRUE(heard.ends_with("LEFT ID " + std::to_string(login.size()) + " ENDMESSAGE"));
}

TEST_F(MarketRules, BadInputClosesThatConnectionOnlyAndIsReported) {
  Arrive(1, "Astrid");
  Arrive(2, "Bj\xF8rn");
  Net.Take(1);
  Rules.Receive(2, Login(5555, 2, "Bj\xF8rn igjen"));
  EXPECT_TRUE(Net.Closed.contains(2));
  EXPECT_EQ(Net.Take(1), "LEFT ID 2 ENDMESSAGE");

  Rules.Open(3, "10.0.0.3");
  Rules.Receive(3, "HELLO THERE ENDMESSAGE");
  Rules.Open(4, "10.0.0.4");
  Rules.Receive(4, "LOGIN PORT 99999999999 IMAGE 1 NAME X ENDMESSAGE");
  Rules.Open(5, "10.0.0.5");
  Rules.Receive(5, std::string(3000, 'A'));
  EXPECT_FALSE(Net.Closed.contains(5));
  Rules.Receive(5, std::string(3000, 'A'));
  EXPECT_TRUE(Net.Closed.contains(3));
  EXPECT_TRUE(Net.Closed.contains(4));
  EXPECT_TRUE(Net.Closed.contains(5));

  EXPECT_EQ(Net.Take(1), "");
  EXPECT_EQ(Rules.PlayerCount(), 1U);
  EXPECT_EQ(Rules.ConnectionCount(), 1U);
  ASSERT_GE(Net.Events.size(), 6U);
  EXPECT_EQ(Net.Events[2].Kind, TMarketLogEntry::TKind::Drop);
  EXPECT_EQ(Net.Events[2].Reason, "a second LOGIN on one connection");
  for (std::size_t i = 3; i < 6; ++i) EXPECT_EQ(Net.Events[i].Kind, TMarketLogEntry::TKind::Refusal);
  EXPECT_EQ(Net.Events[3].Reason, "Unknown message: HELLO");
  EXPECT_EQ(Net.Events[3].Address, "10.0.0.3");
}

TEST_F(MarketRules, WhenTheTimeToLogInIsUpOnlyAConnectionWithoutALoginIsClosed) {
  Arrive(1, "Astrid");
  Rules.Open(2, "10.0.0.2");
  Rules.LoginTimeUp(1);
  Rules.LoginTimeUp(2);
  Rules.LoginTimeUp(2);
  EXPECT_FALSE(Net.Closed.contains(1));
  EXPECT_TRUE(Net.Closed.contains(2));
  EXPECT_EQ(Net.Take(1), "") << "nobody hears of a connection that never came in";
  ASSERT_EQ(Net.Events.size(), 2U);
  EXPECT_EQ(Net.Events[1].Kind, TMarketLogEntry::TKind::Refusal);
  EXPECT_EQ(Net.Events[1].Reason, "no LOGIN within 30 s");
}

TEST_F(MarketRules, TheOthersAreToldTheAddressOfTheConnectionAndACleanShortName) {
  Arrive(1, "Astrid");
  Rules.Open(2, "10.0.0.2");
  const std::string longName(100, 'x');
  Rules.Receive(2, "LOGIN PORT 5555 IMAGE 1 NAME Eve\x01\x1B IP 6.6.6.6 PORT 1 " + longName + " ENDMESSAGE");
  const std::string told = Net.Take(1);
  const std::string expectedName = "Eve IP 6.6.6.6 PORT 1 " + std::string(64 - 22, 'x');
  EXPECT_EQ(told, "ENTERED ID 2 IP 10.0.0.2 PORT 5555 IMAGE 1 NAME " + expectedName + " ENDMESSAGE");
  EXPECT_EQ(Net.Events.back().Name, expectedName);
}

class MarketRulesWithRoster : public MarketRules {
 protected:
  MarketRulesWithRoster() : MarketRules({}, TRoster::FromText("\xEF\xBB\xBF# 5B\nAstrid\r\n\n  Bjørn  \n")) {}
};

TEST_F(MarketRulesWithRoster, OnlyTheNamesOfTheRosterComeInAndNobodyHearsOfTheOthers) {
  Arrive(1, "Astrid");
  Arrive(2, "Bj\xF8rn");
  EXPECT_EQ(Rules.PlayerCount(), 2U);
  Net.Take(1);
  Rules.Open(3, "10.0.0.3");
  Rules.Receive(3, Login(5555, 1, "Mallory"));
  Rules.Open(4, "10.0.0.4");
  Rules.Receive(4, Login(5555, 1, "# 5B"));
  EXPECT_EQ(Net.Take(3), "");
  EXPECT_EQ(Net.Take(1), "");
  EXPECT_TRUE(Net.Closed.contains(3));
  EXPECT_TRUE(Net.Closed.contains(4));
  EXPECT_EQ(Net.Events[2].Kind, TMarketLogEntry::TKind::Refusal);
  EXPECT_EQ(Net.Events[2].Name, "Mallory");
  EXPECT_EQ(Net.Events[2].Reason, "not on the roster");
  EXPECT_EQ(DescribeLogEntry(Net.Events[2]), "refused Mallory from 10.0.0.3: not on the roster, 2 present");
}

class MarketRulesSmall : public MarketRules {
 protected:
  MarketRulesSmall() : MarketRules(TMarketLimits{3, 200}) {}
};

TEST_F(MarketRulesSmall, AFullMarketAndASlowReaderAreTurnedAwayWhileTheOthersGoOn) {
  Arrive(1, "Astrid");
  Arrive(2, "Bj\xF8rn");
  Net.Take(1);
  Net.NotReading.insert(1);
  Rules.Open(3, "10.0.0.3");
  EXPECT_FALSE(Rules.Open(4, "10.0.0.4"));
  EXPECT_TRUE(Net.Closed.contains(4));
  EXPECT_EQ(Net.Events.back().Reason, "the market is full (3 connections)");

  // Astrid reads nothing; the ENTERED and LEFT for her pile up until she is dropped, while Bjørn
  // hears every one.
  for (int round = 0; round < 4 && !Net.Closed.contains(1); ++round) {
    Rules.Receive(3, Login(5555, 1, "Cecilie"));
    Rules.Receive(3, "LOGOUT");
  }
  EXPECT_TRUE(Net.Closed.contains(1));
  const std::string bjorn = Net.Take(2);
  EXPECT_NE(bjorn.find("LEFT ID 1 ENDMESSAGE"), std::string::npos);
  EXPECT_EQ(bjorn.find("LEFT ID 1 ENDMESSAGE"), bjorn.rfind("LEFT ID 1 ENDMESSAGE"));
  Rules.Receive(3, Login(5555, 1, "Cecilie"));
  EXPECT_TRUE(Net.Take(2).starts_with("ENTERED ID "));
  EXPECT_EQ(Rules.PlayerCount(), 2U);
  EXPECT_TRUE(Rules.Open(4, "10.0.0.4"));
}

}  // namespace
}  // namespace fjordheim
