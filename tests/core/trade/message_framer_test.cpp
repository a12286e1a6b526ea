#include "core/trade/message_framer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fjordheim {
namespace {

using TMessages = std::vector<std::string>;

TMessages FeedInPieces(TFraming framing, const std::string& bytes, const std::vector<std::size_t>& cuts) {
  TMessageFramer framer(framing);
  TMessages messages;
  std::size_t from = 0;
  std::vector<std::size_t> ends = cuts;
  ends.push_back(bytes.size());
  for (const std::size_t end : ends) {
    for (std::string& message : framer.Feed(bytes.substr(from, end - from))) messages.push_back(std::move(message));
    from = end;
  }
  EXPECT_EQ(framer.PendingBytes(), 0U);
  return messages;
}

const std::string ServerStream =
    "LOGINACCEPT ID 7 ENDMESSAGEENTERED ID 3 IP 10.0.0.5 PORT 5555 IMAGE 2 NAME Sigrid den vise ENDMESSAGE"
    "LEFT ID 3 ENDMESSAGE";
const TMessages ServerMessages = {"LOGINACCEPT ID 7",
                                  "ENTERED ID 3 IP 10.0.0.5 PORT 5555 IMAGE 2 NAME Sigrid den vise", "LEFT ID 3"};

const std::string PeerStream =
    "PROPOSE 4 9 2 0 -3 0 0 0 ENDMESSAGEANSWERPROP 9 4 A TEXTMESSAGE 9 4 Takk for handelen ENDMESSAGE"
    "ANSWERPROP 4 9 D DISMISS 4 9 ENDMESSAGE";
const TMessages PeerMessages = {"PROPOSE 4 9 2 0 -3 0 0 0", "ANSWERPROP 9 4 A", "TEXTMESSAGE 9 4 Takk for handelen",
                                "ANSWERPROP 4 9 D", "DISMISS 4 9"};

TEST(MessageFramer, HandsOutEveryMessageOfOneArrival) {
  EXPECT_EQ(FeedInPieces(TFraming::ServerLink, ServerStream, {}), ServerMessages);
  EXPECT_EQ(FeedInPieces(TFraming::PeerLink, PeerStream, {}), PeerMessages);
}

TEST(MessageFramer, AMessageSplitAtAnyByteArrivesWhole) {
  for (std::size_t cut = 0; cut <= ServerStream.size(); ++cut) {
    EXPECT_EQ(FeedInPieces(TFraming::ServerLink, ServerStream, {cut}), ServerMessages) << "cut at " << cut;
  }
  for (std::size_t cut = 0; cut <= PeerStream.size(); ++cut) {
    EXPECT_EQ(FeedInPieces(TFraming::PeerLink, PeerStream, {cut}), PeerMessages) << "cut at " << cut;
  }
}

TEST(MessageFramer, ByteByByteArrivalGivesTheSameMessages) {
  std::vector<std::size_t> everyByte;
  for (std::size_t i = 1; i < PeerStream.size(); ++i) everyByte.push_back(i);
  EXPECT_EQ(FeedInPieces(TFraming::PeerLink, PeerStream, everyByte), PeerMessages);
}

TEST(MessageFramer, LogoutStandsAloneOnTheServerLink) {
  EXPECT_EQ(FeedInPieces(TFraming::ServerLink, "LOGOUTLOGIN PORT 5555 IMAGE 1 NAME Ulf ENDMESSAGELOGOUT", {3}),
            (TMessages{"LOGOUT", "LOGIN PORT 5555 IMAGE 1 NAME Ulf", "LOGOUT"}));
}

TEST(MessageFramer, TextWithoutBlankBeforeTheTerminatorAndEmptyMessagesAreKept) {
  EXPECT_EQ(FeedInPieces(TFraming::ServerLink, "LEFT ID 3ENDMESSAGE ENDMESSAGEENDMESSAGE", {}),
            (TMessages{"LEFT ID 3", "", ""}));
}

TEST(MessageFramer, AMessageGrowingPastTheLimitStopsTheConnection) {
  TMessageFramer framer(TFraming::ServerLink);
  const TMessages first = framer.Feed("LEFT ID 1 ENDMESSAGE" + std::string(TMessageFramer::MaxMessageBytes, 'x'));
  EXPECT_EQ(first, TMessages{"LEFT ID 1"});
  EXPECT_FALSE(framer.Overflowed());
  EXPECT_TRUE(framer.Feed("x").empty());
  EXPECT_TRUE(framer.Overflowed());
  EXPECT_EQ(framer.PendingBytes(), 0U);
  EXPECT_TRUE(framer.Feed("LEFT ID 2 ENDMESSAGE").empty());
}

TEST(MessageFramer, TheLimitCountsTheTerminatorAndHoldsForMessagesThatArriveWhole) {
  const std::string end = " ENDMESSAGE";
  const std::string longest(TMessageFramer::MaxMessageBytes - end.size(), 'y');
  TMessageFramer framer(TFraming::PeerLink);
  EXPECT_EQ(framer.Feed(longest + end), TMessages{longest});
  EXPECT_EQ(framer.Feed("z" + longest + end), TMessages{});
  EXPECT_TRUE(framer.Overflowed());

  TMessageFramer answers(TFraming::PeerLink);
  EXPECT_TRUE(answers.Feed("ANSWERPROP 1 2" + std::string(TMessageFramer::MaxMessageBytes, '3')).empty());
  EXPECT_TRUE(answers.Overflowed());
}

}  // namespace
}  // namespace fjordheim
