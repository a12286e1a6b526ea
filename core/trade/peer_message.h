#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/trade/field_reader.h"
#include "core/trade/trade.h"

namespace fjordheim {

/// What one game tells another over the peer link.
enum class TPeerMessageKind : std::uint8_t {
  Unknown,         ///< a keyword the game does not know
  Invite,          ///< "INVITE": an invitation, with the inviter's goods and demands
  InviteAnswer,    ///< "ANSWERINV": the answer to an invitation, with the answerer's goods and demands
  Busy,            ///< "BUSY": the invited player already trades with someone
  Dismiss,         ///< "DISMISS": the trade or the invitation ends
  Proposal,        ///< "PROPOSE": an exchange, seen from the proposer
  ProposalAnswer,  ///< "ANSWERPROP": the answer to a proposal
  Text,            ///< "TEXTMESSAGE": a chat line
};

/// The longest chat line, in bytes on the wire.
inline constexpr std::size_t MaxChatBytes = 1024;

/// The largest number of units one proposal moves of one kind, either way.
inline constexpr std::int32_t MaxProposalUnits = 65535;

/// An exchange seen from one side: positive = units that side receives.
using TPeerProposal = std::array<std::int32_t, GoodsKindCount>;

/// One message of the peer link. "From" is the sender's own merchant, "to" the addressed one.
struct TPeerMessage {
  TPeerMessageKind Kind = TPeerMessageKind::Unknown;
  std::int32_t FromId = 0;
  std::int32_t ToId = 0;
  /// The answer letter was "A", in either case (ANSWERINV, ANSWERPROP).
  bool Accepted = false;
  /// The sender's store (INVITE, ANSWERINV).
  TTrade Store;
  /// Seen from the sender (PROPOSE).
  TPeerProposal Proposal{};
  /// The chat line in UTF-8 (TEXTMESSAGE), or what followed the two ids of an unknown message.
  std::string Text;
};

/// Reads one framed message of the peer link. Goods and demands must lie within 0 to 65535,
/// proposals within -65535 to 65535; a bad field gives the player's message instead.
TReadResult<TPeerMessage> ReadPeerMessage(std::string_view message);

/// "INVITE " from " " to " " g0 … g5 " " d0 … d5 " ENDMESSAGE", with the inviter's store.
std::string BuildInvite(std::int32_t fromId, std::int32_t toId, const TTrade& store);

/// "ANSWERINV " from " " to " " A|D " " g0 … g5 " " d0 … d5 " ENDMESSAGE", with the answerer's store.
std::string BuildInviteAnswer(std::int32_t fromId, std::int32_t toId, bool accepted, const TTrade& store);

/// "BUSY " from " " to " ENDMESSAGE"; from is the busy player.
std::string BuildBusy(std::int32_t fromId, std::int32_t toId);

/// "DISMISS " from " " to " ENDMESSAGE".
std::string BuildDismiss(std::int32_t fromId, std::int32_t toId);

/// "PROPOSE " from " " to " " p0 … p5 " ENDMESSAGE", seen from the proposer.
std::string BuildProposal(std::int32_t fromId, std::int32_t toId, const TPeerProposal& proposal);

/// "ANSWERPROP " from " " to " " A|D " ", sent so, without a terminator.
std::string BuildProposalAnswer(std::int32_t fromId, std::int32_t toId, bool accepted);

/// "TEXTMESSAGE " from " " to " " text " ENDMESSAGE"; the text is cut to MaxChatBytes on the
/// wire, and at any "ENDMESSAGE" in it.
std::string BuildTextMessage(std::int32_t fromId, std::int32_t toId, std::string_view text);

}  // namespace fjordheim
