// The peer link as a game reads it: any bytes, cut into arrivals of any size, give whole messages
// within the size limit, each either read or refused with a reason, with every count in its range;
// what is read can be written again and reads back to the same fields.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/trade/message_framer.h"
#include "core/trade/peer_message.h"

using namespace fjordheim;

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string Rewrite(const TPeerMessage& message) {
  switch (message.Kind) {
    case TPeerMessageKind::Invite:
      return BuildInvite(message.FromId, message.ToId, message.Store);
    case TPeerMessageKind::InviteAnswer:
      return BuildInviteAnswer(message.FromId, message.ToId, message.Accepted, message.Store);
    case TPeerMessageKind::Busy:
      return BuildBusy(message.FromId, message.ToId);
    case TPeerMessageKind::Dismiss:
      return BuildDismiss(message.FromId, message.ToId);
    case TPeerMessageKind::Proposal:
      return BuildProposal(message.FromId, message.ToId, message.Proposal);
    case TPeerMessageKind::ProposalAnswer:
      return BuildProposalAnswer(message.FromId, message.ToId, message.Accepted);
    case TPeerMessageKind::Text:
      return BuildTextMessage(message.FromId, message.ToId, message.Text);
    case TPeerMessageKind::Unknown:
      break;
  }
  return {};
}

void CheckRewrite(const TPeerMessage& message) {
  if (message.Kind == TPeerMessageKind::Unknown) return;
  TMessageFramer framer(TFraming::PeerLink);
  const auto messages = framer.Feed(Rewrite(message));
  Require(messages.size() == 1);
  const auto again = ReadPeerMessage(messages.front());
  Require(again.Message.has_value());
  Require(again.Message->Kind == message.Kind && again.Message->FromId == message.FromId &&
          again.Message->ToId == message.ToId && again.Message->Accepted == message.Accepted &&
          again.Message->Store.Goods == message.Store.Goods && again.Message->Store.Demands == message.Store.Demands &&
          again.Message->Proposal == message.Proposal && again.Message->Text == message.Text);
}

void CheckMessage(const std::string& message) {
  Require(message.size() <= TMessageFramer::MaxMessageBytes);
  const auto read = ReadPeerMessage(message);
  Require(read.Message.has_value() != !read.Problem.empty());
  if (!read.Message) return;
  Require(read.Message->FromId >= 0 && read.Message->ToId >= 0);
  for (const std::int32_t units : read.Message->Proposal) Require(units >= -MaxProposalUnits && units <= MaxProposalUnits);
  CheckRewrite(*read.Message);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = 1 + data[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  TMessageFramer framer(TFraming::PeerLink);
  for (std::size_t at = 0; at < bytes.size() && !framer.Overflowed(); at += piece) {
    for (const std::string& message : framer.Feed(bytes.substr(at, piece))) CheckMessage(message);
    Require(framer.PendingBytes() <= TMessageFramer::MaxMessageBytes);
  }
  return 0;
}
