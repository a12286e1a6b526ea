#include "core/trade/message_framer.h"

#include "core/common/translation.h"

namespace fjordheim {
namespace {

constexpr std::string_view Terminator = "ENDMESSAGE";
constexpr std::string_view Logout = "LOGOUT";
constexpr std::string_view AnswerProposal = "ANSWERPROP ";
constexpr std::size_t AnswerProposalFields = 4;

}  // namespace

TMessageFramer::TMessageFramer(TFraming framing) : FFraming(framing) {}

std::vector<std::string> TMessageFramer::Feed(std::string_view bytes) {
  std::vector<std::string> messages;
  if (FOverflowed) return messages;
  FPending.append(bytes);
  FFront = 0;
  for (;;) {
    std::string message;
    const TCut cut = CutNext(message);
    if (cut == TCut::NeedMore) break;
    if (cut == TCut::TooLong) {
      FOverflowed = true;
      FPending.clear();
      FPending.shrink_to_fit();
      FFront = 0;
      break;
    }
    messages.push_back(std::move(message));
  }
  // The messages handed out are dropped once, not one by one: an arrival of many small messages
  // costs its length, not its length times their number.
  FPending.erase(0, FFront);
  FFront = 0;
  return messages;
}

std::string_view TMessageFramer::Unread() const { return std::string_view(FPending).substr(FFront); }

TMessageFramer::TCut TMessageFramer::CutNext(std::string& message) {
  if (FFraming == TFraming::ServerLink && Unread().starts_with(Logout)) return Take(Logout.size(), Logout.size(), message);
  if (FFraming == TFraming::PeerLink && Unread().starts_with(AnswerProposal)) return CutByFields(message, AnswerProposalFields);
  return CutTerminated(message);
}

TMessageFramer::TCut TMessageFramer::CutTerminated(std::string& message) {
  const std::string_view unread = Unread();
  const std::size_t at = unread.find(Terminator);
  if (at == std::string_view::npos) return unread.size() > MaxMessageBytes ? TCut::TooLong : TCut::NeedMore;
  const std::size_t length = at > 0 && unread[at - 1] == ' ' ? at - 1 : at;
  return Take(length, at + Terminator.size(), message);
}

// Each of the fields is followed by one blank; the message ends with the last of them.
TMessageFramer::TCut TMessageFramer::CutByFields(std::string& message, std::size_t fieldCount) {
  const std::string_view unread = Unread();
  std::size_t end = 0;
  for (std::size_t field = 0; field < fieldCount; ++field) {
    end = unread.find(' ', end);
    if (end == std::string_view::npos) return unread.size() > MaxMessageBytes ? TCut::TooLong : TCut::NeedMore;
    ++end;
  }
  return Take(end - 1, end, message);
}

TMessageFramer::TCut TMessageFramer::Take(std::size_t messageLength, std::size_t consumed, std::string& message) {
  if (consumed > MaxMessageBytes) return TCut::TooLong;
  message.assign(FPending, FFront, messageLength);
  FFront += consumed;
  return TCut::Message;
}

std::string MessageTooLongText() { return Tr("Meldingen fra nettverket var for lang, og forbindelsen ble lukket."); }

}  // namespace fjordheim
