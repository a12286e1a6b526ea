#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fjordheim {

/// The two links of a network market. Both end their messages with "ENDMESSAGE"; each has one
/// message that is sent without it.
enum class TFraming {
  /// Game and market server: "LOGOUT" stands alone.
  ServerLink,
  /// Game and game: "ANSWERPROP" ends after its four fields (keyword, from, to, answer).
  PeerLink,
};

/// Cuts the bytes of one connection into whole messages. TCP splits and joins writes freely, so
/// what arrived is kept until its end comes, and one arrival may hold several messages. A message
/// that grows past MaxMessageBytes without its end stops the framer: the connection is to be closed.
class TMessageFramer {
 public:
  /// The longest message, its terminator included.
  static constexpr std::size_t MaxMessageBytes = 4096;

  explicit TMessageFramer(TFraming framing);

  /// Keeps the arrived bytes and returns every message they complete, in order, each without its
  /// terminator and the blank before it. Returns nothing once the framer has overflowed.
  std::vector<std::string> Feed(std::string_view bytes);

  /// True once a message grew past MaxMessageBytes without its end.
  bool Overflowed() const { return FOverflowed; }

  /// How many bytes wait for the end of their message.
  std::size_t PendingBytes() const { return FPending.size(); }

 private:
  enum class TCut { Message, NeedMore, TooLong };
  TCut CutNext(std::string& message);
  TCut CutTerminated(std::string& message);
  TCut CutByFields(std::string& message, std::size_t fieldCount);
  TCut Take(std::size_t messageLength, std::size_t consumed, std::string& message);
  std::string_view Unread() const;

  TFraming FFraming;
  std::string FPending;
  /// Within one Feed: where the bytes not yet handed out begin.
  std::size_t FFront = 0;
  bool FOverflowed = false;
};

/// The player's message when a connection is closed because a message grew too long.
std::string MessageTooLongText();

}  // namespace fjordheim
