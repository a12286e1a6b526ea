#include "core/trade/server_message.h"

#include <gtest/gtest.h>

#include "core/trade/client_message.h"
#include "core/trade/message_framer.h"

namespace fjordheim {
namespace {

std::string OnlyMessage(const std::string& bytes) {
  TMessageFramer framer(TFraming::ServerLink);
  const auto messages = framer.Feed(bytes);
  EXPECT_EQ(messages.size(), 1U) << bytes;
  return messages.empty() ? std::string() : messages.front();
}

TEST(ServerLink, GameAndServerWriteTheirMessagesByteForByte) {
  EXPECT_EQ(BuildLogin(5555, 3, "Bjørn Åsesønn"), "LOGIN PORT 5555 IMAGE 3 NAME Bj\xF8rn \xC5ses\xF8nn ENDMESSAGE");
  EXPECT_EQ(BuildLogout(), "LOGOUT");
  EXPECT_EQ(BuildLoginAccept(12), "LOGINACCEPT ID 12 ENDMESSAGE");
  EXPECT_EQ(BuildEntered(4, "192.168.1.20", 5555, 7, "Ragnhild Ø"),
            "ENTERED ID 4 IP 192.168.1.20 PORT 5555 IMAGE 7 NAME Ragnhild \xD8 ENDMESSAGE");
  EXPECT_EQ(BuildLeft(4), "LEFT ID 4 ENDMESSAGE");
}

TEST(ServerLink, TheGameReadsWhatTheServerWrites) {
  const auto accept = ReadServerMessage(OnlyMessage(BuildLoginAccept(2147483647)));
  ASSERT_TRUE(accept.Message) << accept.Problem;
  EXPECT_EQ(accept.Message->Kind, TServerMessageKind::LoginAccept);
  EXPECT_EQ(accept.Message->Id, 2147483647);

  const auto entered = ReadServerMessage(OnlyMessage(BuildEntered(4, "10.1.2.3", 6001, 9, "Gudrun på Haug ")));
  ASSERT_TRUE(entered.Message) << entered.Problem;
  EXPECT_EQ(entered.Message->Kind, TServerMessageKind::Entered);
  EXPECT_EQ(entered.Message->Id, 4);
  EXPECT_EQ(entered.Message->Address, "10.1.2.3");
  EXPECT_EQ(entered.Message->Port, 6001);
  EXPECT_EQ(entered.Message->ImageNo, 9);
  EXPECT_EQ(entered.Message->Name, "Gudrun på Haug ");

  const auto left = ReadServerMessage(OnlyMessage(BuildLeft(0)));
  ASSERT_TRUE(left.Message);
  EXPECT_EQ(left.Message->Kind, TServerMessageKind::Left);
  EXPECT_EQ(left.Message->Id, 0);
}

TEST(ServerLink, TheGameRefusesWhatItDoesNotTakeWithOneMessage) {
  const struct {
    const char* Message;
    const char* Problem;
  } cases[] = {
      {"LOGIN PORT 1 IMAGE 1 NAME x", "Message not allowed: LOGIN"},
      {"UNKNOWN ID 1", "Unknown message: UNKNOWN"},
      {"HELLO there", "Unknown message: HELLO"},
      {"LEFT", "Unknown message: "},
      {"", "Unknown message: "},
      {"loginaccept ID 1", "Unknown message: loginaccept"},
      {"LOGINACCEPT 5", "LOGINACCEPT: Wrong parameters"},
      {"LOGINACCEPT ", "LOGINACCEPT: Wrong parameters"},
      {"LOGINACCEPT ID", "LOGINACCEPT: Wrong parameters"},
      {"LOGINACCEPT ID x5", "LOGINACCEPT: Ugyldig tall: x5"},
      {"LEFT ID -1", "LEFT: Ugyldig tall: -1"},
      {"LEFT ID 4294967297", "LEFT: Ugyldig tall: 4294967297"},
      {"ENTERED ID 1 IP a PORT 65536 IMAGE 0 NAME x", "ENTERED: Ugyldig tall: 65536"},
      {"ENTERED ID 1 IP a PORT 1 IMAGE -2 NAME x", "ENTERED: Ugyldig tall: -2"},
      {"ENTERED ID 1 PORT 1 IP a IMAGE 0 NAME x", "ENTERED: Wrong parameters"},
      {"ENTERED ID 1 IP a PORT 1 IMAGE 0", "ENTERED: Wrong parameters"},
  };
  for (const auto& c : cases) {
    const auto read = ReadServerMessage(c.Message);
    EXPECT_FALSE(read.Message) << c.Message;
    EXPECT_EQ(read.Problem, c.Problem) << c.Message;
  }
}

TEST(ServerLink, NamesAreCappedCleanedAndCannotEndTheMessageEarly) {
  const std::string longName(100, 'k');
  const auto entered = ReadServerMessage("ENTERED ID 1 IP a PORT 1 IMAGE 0 NAME " + longName);
  ASSERT_TRUE(entered.Message);
  EXPECT_EQ(entered.Message->Name, std::string(MaxNameBytes, 'k'));

  EXPECT_EQ(BuildLogin(1, 0, "Eirik\nENDMESSAGE LEFT ID 1"), "LOGIN PORT 1 IMAGE 0 NAME Eirik ENDMESSAGE");
  const auto login = ReadClientMessage(OnlyMessage(BuildLogin(1, 0, "Eirik\nENDMESSAGE LEFT ID 1")));
  ASSERT_TRUE(login.Message);
  EXPECT_EQ(login.Message->Name, "Eirik");
  EXPECT_EQ(BuildLogin(1, 0, "Tor 😀"), "LOGIN PORT 1 IMAGE 0 NAME Tor ? ENDMESSAGE");

  const auto address = ReadServerMessage(OnlyMessage(BuildEntered(1, "h\xC3\xB8st", 1, 0, "x")));
  ASSERT_TRUE(address.Message);
  EXPECT_EQ(address.Message->Address, "høst");
}

TEST(ServerLink, TheServerReadsLoginAndLogoutAndNothingElse) {
  const auto login = ReadClientMessage(OnlyMessage(BuildLogin(40123, 5, "Åse")));
  ASSERT_TRUE(login.Message) << login.Problem;
  EXPECT_EQ(login.Message->Kind, TClientMessageKind::Login);
  EXPECT_EQ(login.Message->Port, 40123);
  EXPECT_EQ(login.Message->ImageNo, 5);
  EXPECT_EQ(login.Message->Name, "Åse");

  const auto logout = ReadClientMessage(OnlyMessage(BuildLogout()));
  ASSERT_TRUE(logout.Message);
  EXPECT_EQ(logout.Message->Kind, TClientMessageKind::Logout);

  EXPECT_EQ(ReadClientMessage("LOGINACCEPT ID 1").Problem, "Unknown message: LOGINACCEPT");
  EXPECT_EQ(ReadClientMessage("LOGOUT now").Problem, "Unknown message: LOGOUT");
  EXPECT_EQ(ReadClientMessage("LOGIN PORT 99999 IMAGE 0 NAME a").Problem, "LOGIN: Ugyldig tall: 99999");
  EXPECT_EQ(ReadClientMessage("LOGIN PORT 1 NAME a").Problem, "LOGIN: Wrong parameters");
}

}  // namespace
}  // namespace fjordheim
