#include "core/trade/in_memory_network.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace fjordheim {
namespace {

struct TRecorder : TConnectionListener {
  void ConnectionEstablished(TConnectionId c) override { Log.push_back("established " + std::to_string(c)); }
  void ConnectionError(TConnectionId c, const std::string& d) override {
    Log.push_back("error " + std::to_string(c) + " " + d);
  }
  void DataArrived(TConnectionId c, std::string_view bytes) override {
    Arrivals[c].push_back(std::string(bytes));
  }
  void ConnectionClosed(TConnectionId c) override { Log.push_back("closed " + std::to_string(c)); }
  void ConnectionRequested(TConnectionId listener) override {
    while (const auto c = Port->Accept(listener)) Accepted.push_back(*c);
  }
  TConnectionPort* Port = nullptr;
  std::vector<std::string> Log;
  std::map<TConnectionId, std::vector<std::string>> Arrivals;
  std::vector<TConnectionId> Accepted;
};

struct InMemoryNetwork : ::testing::Test {
  void SetUp() override {
    for (auto [recorder, host] : {std::pair{&A, "a"}, std::pair{&B, "b"}}) {
      recorder->Port = &Network.Host(host);
      recorder->Port->SetListener(recorder);
    }
  }
  TInMemoryNetwork Network;
  TRecorder A;
  TRecorder B;
};

TEST_F(InMemoryNetwork, NothingMovesUntilDeliveredAndWritesInFlightArriveJoined) {
  const TListenResult listening = B.Port->Listen(0);
  ASSERT_TRUE(listening.Listener);
  EXPECT_GT(listening.Port, 0);
  const TConnectionId call = A.Port->Connect("b", listening.Port);
  EXPECT_TRUE(A.Log.empty());
  Network.Deliver();
  EXPECT_EQ(A.Log, std::vector<std::string>{"established " + std::to_string(call)});
  ASSERT_EQ(B.Accepted.size(), 1U);
  EXPECT_EQ(B.Port->PeerAddress(B.Accepted[0]), "a");

  A.Port->Send(call, "one ");
  A.Port->Send(call, "two");
  Network.Deliver();
  EXPECT_EQ(B.Arrivals[B.Accepted[0]], std::vector<std::string>{"one two"});

  Network.SetPieceSize(3);
  B.Port->Send(B.Accepted[0], "abcdefg");
  B.Port->Close(B.Accepted[0]);
  Network.Deliver();
  EXPECT_EQ(A.Arrivals[call], (std::vector<std::string>{"abc", "def", "g"}));
  EXPECT_EQ(A.Log.back(), "closed " + std::to_string(call));
  EXPECT_EQ(Network.OpenConnections(), 0U);
}

TEST_F(InMemoryNetwork, ATakenOrMissingListenerIsAnError) {
  ASSERT_TRUE(B.Port->Listen(5555).Listener);
  const TListenResult again = B.Port->Listen(5555);
  EXPECT_FALSE(again.Listener);
  EXPECT_FALSE(again.Error.empty());
  EXPECT_TRUE(A.Port->Listen(5555).Listener) << "another host has its own ports";

  const TConnectionId call = A.Port->Connect("b", 6000);
  Network.Deliver();
  EXPECT_EQ(A.Log, std::vector<std::string>{"error " + std::to_string(call) + " Connection refused"});
}

TEST_F(InMemoryNetwork, WhatWasSentBeforeTheCloseStillArrivesAndClosedEndsHearNothing) {
  const auto listener = *B.Port->Listen(1).Listener;
  B.Port->SetListener(nullptr);
  const TConnectionId call = A.Port->Connect("b", 1);
  Network.Deliver();
  A.Port->Send(call, "before close");
  A.Port->Close(call);
  A.Port->Send(call, "after close");
  B.Port->SetListener(&B);
  const auto accepted = B.Port->Accept(listener);
  ASSERT_TRUE(accepted);
  Network.Deliver();
  EXPECT_EQ(B.Arrivals[*accepted], std::vector<std::string>{"before close"});
  EXPECT_EQ(B.Log, std::vector<std::string>{"closed " + std::to_string(*accepted)});
  EXPECT_TRUE(A.Log.size() == 1U);
}

}  // namespace
}  // namespace fjordheim
