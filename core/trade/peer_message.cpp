#include "core/trade/peer_message.h"

#include "core/common/text.h"
#include "core/trade/server_message.h"

namespace fjordheim {
namespace {

constexpr std::int64_t MaxGoodsCount = 65535;

struct TKeyword {
  std::string_view Word;
  TPeerMessageKind Kind;
};

constexpr std::array<TKeyword, 7> PeerKeywords = {{
    {"INVITE", TPeerMessageKind::Invite},
    {"ANSWERINV", TPeerMessageKind::InviteAnswer},
    {"BUSY", TPeerMessageKind::Busy},
    {"DISMISS", TPeerMessageKind::Dismiss},
    {"PROPOSE", TPeerMessageKind::Proposal},
    {"ANSWERPROP", TPeerMessageKind::ProposalAnswer},
    {"TEXTMESSAGE", TPeerMessageKind::Text},
}};

TPeerMessageKind KindOf(std::string_view keyword) {
  for (const TKeyword& known : PeerKeywords) {
    if (known.Word == keyword) return known.Kind;
  }
  return TPeerMessageKind::Unknown;
}

std::string_view KeywordOf(TPeerMessageKind kind) {
  for (const TKeyword& known : PeerKeywords) {
    if (known.Kind == kind) return known.Word;
  }
  return {};
}

void ReadCounts(TFieldReader& fields, TGoodsCounts& counts) {
  for (std::uint16_t& count : counts) count = static_cast<std::uint16_t>(fields.ReadNumber(0, MaxGoodsCount));
}

bool ReadAnswer(TFieldReader& fields) { return EqualsIgnoringAsciiCase(fields.ReadWord(), "A"); }

void ReadFields(TFieldReader& fields, TPeerMessage& message) {
  switch (message.Kind) {
    case TPeerMessageKind::Invite:
      ReadCounts(fields, message.Store.Goods);
      ReadCounts(fields, message.Store.Demands);
      break;
    case TPeerMessageKind::InviteAnswer:
      message.Accepted = ReadAnswer(fields);
      ReadCounts(fields, message.Store.Goods);
      ReadCounts(fields, message.Store.Demands);
      break;
    case TPeerMessageKind::Proposal:
      for (std::int32_t& units : message.Proposal) {
        units = static_cast<std::int32_t>(fields.ReadNumber(-MaxProposalUnits, MaxProposalUnits));
      }
      break;
    case TPeerMessageKind::ProposalAnswer:
      message.Accepted = ReadAnswer(fields);
      break;
    case TPeerMessageKind::Text:
      message.Text = fields.ReadText(MaxChatBytes);
      break;
    case TPeerMessageKind::Unknown:
      message.Text = fields.ReadText(TFieldReader::MaxWordBytes);
      break;
    case TPeerMessageKind::Busy:
    case TPeerMessageKind::Dismiss:
      break;
  }
}

// Every number, the last one included, is followed by one blank.
std::string Numbers(const auto& values) {
  std::string text;
  for (const auto value : values) text += std::to_string(value) + " ";
  return text;
}

std::string Head(TPeerMessageKind kind, std::int32_t fromId, std::int32_t toId) {
  return std::string(KeywordOf(kind)) + " " + std::to_string(fromId) + " " + std::to_string(toId) + " ";
}

std::string AnswerLetter(bool accepted) { return accepted ? "A" : "D"; }

constexpr std::string_view Terminator = "ENDMESSAGE";

}  // namespace

TReadResult<TPeerMessage> ReadPeerMessage(std::string_view message) {
  const std::size_t blank = message.find(' ');
  const std::string_view keyword = message.substr(0, blank);
  TPeerMessage read;
  read.Kind = KindOf(keyword);
  TFieldReader fields(blank == std::string_view::npos ? std::string_view() : message.substr(blank + 1));
  fields.SetKeyword(ShownKeyword(keyword));
  read.FromId = static_cast<std::int32_t>(fields.ReadNumber(0, MaxMarketId));
  read.ToId = static_cast<std::int32_t>(fields.ReadNumber(0, MaxMarketId));
  ReadFields(fields, read);
  if (!fields.Ok()) return {std::nullopt, fields.Problem()};
  return {read, {}};
}

std::string BuildInvite(std::int32_t fromId, std::int32_t toId, const TTrade& store) {
  return Head(TPeerMessageKind::Invite, fromId, toId) + Numbers(store.Goods) + Numbers(store.Demands) +
         std::string(Terminator);
}

std::string BuildInviteAnswer(std::int32_t fromId, std::int32_t toId, bool accepted, const TTrade& store) {
  return Head(TPeerMessageKind::InviteAnswer, fromId, toId) + AnswerLetter(accepted) + " " + Numbers(store.Goods) +
         Numbers(store.Demands) + std::string(Terminator);
}

std::string BuildBusy(std::int32_t fromId, std::int32_t toId) {
  return Head(TPeerMessageKind::Busy, fromId, toId) + std::string(Terminator);
}

std::string BuildDismiss(std::int32_t fromId, std::int32_t toId) {
  return Head(TPeerMessageKind::Dismiss, fromId, toId) + std::string(Terminator);
}

std::string BuildProposal(std::int32_t fromId, std::int32_t toId, const TPeerProposal& proposal) {
  return Head(TPeerMessageKind::Proposal, fromId, toId) + Numbers(proposal) + std::string(Terminator);
}

std::string BuildProposalAnswer(std::int32_t fromId, std::int32_t toId, bool accepted) {
  return Head(TPeerMessageKind::ProposalAnswer, fromId, toId) + AnswerLetter(accepted) + " ";
}

std::string BuildTextMessage(std::int32_t fromId, std::int32_t toId, std::string_view text) {
  return Head(TPeerMessageKind::Text, fromId, toId) + WireText(text, MaxChatBytes) + " " + std::string(Terminator);
}

}  // namespace fjordheim
