#include "core/trade/peer_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/trade/message_framer.h"

namespace fjordheim {
namespace {

TTrade SampleStore() {
  TTrade store;
  store.Goods = {0, 1, 2, 3, 4, 65535};
  store.Demands = {6, 7, 8, 9, 10, 11};
  return store;
}

TEST(PeerLink, EveryMessageIsWrittenByteForByte) {
  EXPECT_EQ(BuildInvite(3, 8, SampleStore()), "INVITE 3 8 0 1 2 3 4 65535 6 7 8 9 10 11 ENDMESSAGE");
  EXPECT_EQ(BuildInviteAnswer(8, 3, true, SampleStore()), "ANSWERINV 8 3 A 0 1 2 3 4 65535 6 7 8 9 10 11 ENDMESSAGE");
  EXPECT_EQ(BuildInviteAnswer(8, 3, false, TTrade()), "ANSWERINV 8 3 D 0 0 0 0 0 0 0 0 0 0 0 0 ENDMESSAGE");
  EXPECT_EQ(BuildBusy(8, 3), "BUSY 8 3 ENDMESSAGE");
  EXPECT_EQ(BuildDismiss(3, 8), "DISMISS 3 8 ENDMESSAGE");
  EXPECT_EQ(BuildProposal(3, 8, {2, 0, -3, 0, 0, -65535}), "PROPOSE 3 8 2 0 -3 0 0 -65535 ENDMESSAGE");
  EXPECT_EQ(BuildProposalAnswer(8, 3, true), "ANSWERPROP 8 3 A ");
  EXPECT_EQ(BuildProposalAnswer(8, 3, false), "ANSWERPROP 8 3 D ");
  EXPECT_EQ(BuildTextMessage(3, 8, "Hei på deg, Ærlige Øystein"),
            "TEXTMESSAGE 3 8 Hei p\xE5 deg, \xC6rlige \xD8ystein ENDMESSAGE");
}

std::vector<TPeerMessage> ReadAll(const std::string& bytes) {
  TMessageFramer framer(TFraming::PeerLink);
  std::vector<TPeerMessage> messages;
  for (const std::string& message : framer.Feed(bytes)) {
    auto read = ReadPeerMessage(message);
    EXPECT_TRUE(read.Message) << message << ": " << read.Problem;
    if (read.Message) messages.push_back(*read.Message);
  }
  return messages;
}

TEST(PeerLink, AWholeConversationInOneArrivalReadsBackFieldByField) {
  const std::string stream = BuildInvite(3, 8, SampleStore()) + BuildInviteAnswer(8, 3, true, SampleStore()) +
                             BuildProposal(3, 8, {2, 0, -3, 0, 0, 65535}) + BuildProposalAnswer(8, 3, true) +
                             BuildTextMessage(8, 3, "Takk, kjære venn") + BuildProposalAnswer(3, 8, false) +
                             BuildBusy(9, 3) + BuildDismiss(3, 8);
  const auto messages = ReadAll(stream);
  ASSERT_EQ(messages.size(), 8U);

  EXPECT_EQ(messages[0].Kind, TPeerMessageKind::Invite);
  EXPECT_EQ(messages[0].FromId, 3);
  EXPECT_EQ(messages[0].ToId, 8);
  EXPECT_EQ(messages[0].Store.Goods, SampleStore().Goods);
  EXPECT_EQ(messages[0].Store.Demands, SampleStore().Demands);

  EXPECT_EQ(messages[1].Kind, TPeerMessageKind::InviteAnswer);
  EXPECT_TRUE(messages[1].Accepted);
  EXPECT_EQ(messages[1].Store.Demands, SampleStore().Demands);

  EXPECT_EQ(messages[2].Kind, TPeerMessageKind::Proposal);
  EXPECT_EQ(messages[2].Proposal, (TPeerProposal{2, 0, -3, 0, 0, 65535}));

  EXPECT_EQ(messages[3].Kind, TPeerMessageKind::ProposalAnswer);
  EXPECT_TRUE(messages[3].Accepted);
  EXPECT_EQ(messages[3].FromId, 8);

  EXPECT_EQ(messages[4].Kind, TPeerMessageKind::Text);
  EXPECT_EQ(messages[4].Text, "Takk, kjære venn");

  EXPECT_EQ(messages[5].Kind, TPeerMessageKind::ProposalAnswer);
  EXPECT_FALSE(messages[5].Accepted);

  EXPECT_EQ(messages[6].Kind, TPeerMessageKind::Busy);
  EXPECT_EQ(messages[6].FromId, 9);
  EXPECT_EQ(messages[7].Kind, TPeerMessageKind::Dismiss);
}

TEST(PeerLink, AnswerLettersIgnoreCaseAndAnythingElseDeclines) {
  EXPECT_TRUE(ReadPeerMessage("ANSWERINV 1 2 a 0 0 0 0 0 0 0 0 0 0 0 0").Message->Accepted);
  EXPECT_TRUE(ReadPeerMessage("ANSWERPROP 1 2 a").Message->Accepted);
  EXPECT_FALSE(ReadPeerMessage("ANSWERPROP 1 2 Ja").Message->Accepted);
  EXPECT_FALSE(ReadPeerMessage("ANSWERPROP 1 2 AA").Message->Accepted);
  EXPECT_FALSE(ReadPeerMessage("ANSWERINV 1 2 D 0 0 0 0 0 0 0 0 0 0 0 0").Message->Accepted);
}

TEST(PeerLink, ChatTextKeepsItsBlanksAndWhatWeSendCannotEndEarly) {
  EXPECT_EQ(ReadPeerMessage("TEXTMESSAGE 1 2  to  blanker ").Message->Text, " to  blanker ");
  EXPECT_EQ(ReadPeerMessage("TEXTMESSAGE 1 2").Message->Text, "");
  const auto cut = ReadAll("TEXTMESSAGE 1 2 hei ENDMESSAGE");
  ASSERT_EQ(cut.size(), 1U);
  EXPECT_EQ(cut[0].Text, "hei");

  EXPECT_EQ(BuildTextMessage(1, 2, "hei ENDMESSAGE DISMISS 1 2"), "TEXTMESSAGE 1 2 hei  ENDMESSAGE");
  EXPECT_EQ(ReadPeerMessage(std::string("TEXTMESSAGE 1 2 hei E\0NDMESSAGE du", 34)).Message->Text, "hei ");
  const std::string longLine(3 * MaxChatBytes, 'x');
  const auto capped = ReadAll(BuildTextMessage(1, 2, longLine));
  ASSERT_EQ(capped.size(), 1U);
  EXPECT_EQ(capped[0].Text, std::string(MaxChatBytes, 'x'));
}

TEST(PeerLink, AnUnknownKeywordKeepsWhatFollowsTheIds) {
  const auto read = ReadPeerMessage("HAGGLE 1 2 more or less");
  ASSERT_TRUE(read.Message);
  EXPECT_EQ(read.Message->Kind, TPeerMessageKind::Unknown);
  EXPECT_EQ(read.Message->Text, "more or less");
  EXPECT_EQ(ReadPeerMessage("propose 1 2").Message->Kind, TPeerMessageKind::Unknown);
}

TEST(PeerLink, NumbersOutOfRangeOrMissingDropTheMessageWithOneReason) {
  const struct {
    const char* Message;
    const char* Problem;
  } cases[] = {
      {"INVITE 1 2 0 0 0 0 0 65536 0 0 0 0 0 0", "INVITE: Ugyldig tall: 65536"},
      {"INVITE 1 2 0 0 0 0 0 0 0 0 0 0 0 -1", "INVITE: Ugyldig tall: -1"},
      {"INVITE 1 2 0 0 0 0 0 0 0 0 0 0 0", "INVITE: Wrong parameters"},
      {"ANSWERINV 1 2 A 0 0 0 0 0 0 0 0 0 0 0 x", "ANSWERINV: Ugyldig tall: x"},
      {"ANSWERINV 1 2", "ANSWERINV: Wrong parameters"},
      {"PROPOSE 1 2 65536 0 0 0 0 0", "PROPOSE: Ugyldig tall: 65536"},
      {"PROPOSE 1 2 0 0 0 0 0 -65536", "PROPOSE: Ugyldig tall: -65536"},
      {"PROPOSE 1 2 0 0 0 0 0 2147483648", "PROPOSE: Ugyldig tall: 2147483648"},
      {"PROPOSE 1 2 1 1 1 1 1", "PROPOSE: Wrong parameters"},
      {"ANSWERPROP 1 2", "ANSWERPROP: Wrong parameters"},
      {"DISMISS 1 4294967298", "DISMISS: Ugyldig tall: 4294967298"},
      {"DISMISS -1 2", "DISMISS: Ugyldig tall: -1"},
      {"BUSY 1", "BUSY: Wrong parameters"},
      {"GARBAGE", "GARBAGE: Wrong parameters"},
      {"", ": Wrong parameters"},
      {"TEXTMESSAGE x 2 hei", "TEXTMESSAGE: Ugyldig tall: x"},
  };
  for (const auto& c : cases) {
    const auto read = ReadPeerMessage(c.Message);
    EXPECT_FALSE(read.Message) << c.Message;
    EXPECT_EQ(read.Problem, c.Problem) << c.Message;
  }
  const auto edge = ReadPeerMessage("PROPOSE 2147483647 0 65535 -65535 0 0 0 0");
  ASSERT_TRUE(edge.Message);
  EXPECT_EQ(edge.Message->FromId, 2147483647);
  EXPECT_EQ(edge.Message->Proposal[1], -65535);
}

}  // namespace
}  // namespace fjordheim
