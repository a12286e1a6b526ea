#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fjordheim {

/// A message read from the network, or why it was dropped: the player's message for it.
template <typename TMessage>
struct TReadResult {
  std::optional<TMessage> Message;
  std::string Problem;
};

/// Reads the fields of one received message, separated by single blanks, in a straight line. The
/// first field that is missing, too long or not a number in its range marks the message bad; every
/// later read then gives a harmless default, so a handler reads all its fields and asks Ok() once.
class TFieldReader {
 public:
  /// The longest field that is not free text.
  static constexpr std::size_t MaxWordBytes = 64;

  explicit TFieldReader(std::string_view message);

  /// The next field without control characters, in UTF-8; empty when there is none or it is longer
  /// than MaxWordBytes (the message is then bad).
  std::string ReadWord();

  /// The next field as a decimal number within [min, max].
  std::int64_t ReadNumber(std::int64_t min, std::int64_t max);

  /// Reads the next field and marks the message bad unless it is the label.
  void ExpectLabel(std::string_view label);

  /// Everything not read yet, blanks included, cut to maxBytes, without control characters, and
  /// converted from Windows-1252 to UTF-8. May be empty.
  std::string ReadText(std::size_t maxBytes);

  /// True when every field read so far was there and well-formed.
  bool Ok() const { return FProblem.empty(); }

  /// What was wrong with the first bad field, prefixed by the message's keyword: "PROPOSE: Wrong
  /// number: 70000", "LEFT: Wrong parameters". Empty while Ok().
  const std::string& Problem() const { return FProblem; }

  /// Names the message in Problem(); the first field is the usual choice.
  void SetKeyword(std::string_view keyword) { FKeyword = keyword; }

 private:
  std::optional<std::string_view> NextField();
  void MarkBad(std::string_view what);

  std::string_view FRest;
  bool FExhausted;
  std::string FKeyword;
  std::string FProblem;
};

/// The text with every character below code 32 and code 127 removed, cut at the first
/// "ENDMESSAGE" (which would end a message early) and to maxBytes.
std::string CleanWireText(std::string_view text, std::size_t maxBytes);

}  // namespace fjordheim
