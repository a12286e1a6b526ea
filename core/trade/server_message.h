#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/trade/field_reader.h"

namespace fjordheim {

/// What the market server tells a game, numbered as in the keyword table below.
enum class TServerMessageKind : std::uint8_t { Unknown = 0, Login = 1, LoginAccept = 2, Entered = 3, Left = 4 };

/// The keywords of the server link, in kind order; a keyword not in the table is Unknown.
inline constexpr std::array<std::string_view, 5> ServerMessageKeywords = {"UNKNOWN", "LOGIN", "LOGINACCEPT", "ENTERED",
                                                                          "LEFT"};

/// The longest player name, in bytes on the wire.
inline constexpr std::size_t MaxNameBytes = 64;

/// Ids are given by the market server: never negative.
inline constexpr std::int64_t MaxMarketId = 2147483647;

inline constexpr std::int64_t MaxPortNumber = 65535;
inline constexpr std::int64_t MaxImageNo = 2147483647;

/// One message from the market server to a game. Name is UTF-8.
struct TServerMessage {
  TServerMessageKind Kind = TServerMessageKind::Unknown;
  /// The player's own id (LOGINACCEPT), or the id of the player who came (ENTERED) or went (LEFT).
  std::int32_t Id = 0;
  /// Where the player who came listens for other players (ENTERED).
  std::string Address;
  std::int32_t Port = 0;
  std::int32_t ImageNo = 0;
  std::string Name;
};

/// Reads one framed message of the server link as a game receives it. Kinds the game does not
/// take ("Unknown message: " + keyword, "Message not allowed: " + keyword) and bad fields give the
/// player's message instead.
TReadResult<TServerMessage> ReadServerMessage(std::string_view message);

/// "LOGINACCEPT ID " id " ENDMESSAGE": the new player's own id.
std::string BuildLoginAccept(std::int32_t id);

/// "ENTERED ID " id " IP " address " PORT " port " IMAGE " imageNo " NAME " name " ENDMESSAGE";
/// the name is cut to MaxNameBytes on the wire, and at any "ENDMESSAGE" in it.
std::string BuildEntered(std::int32_t id, std::string_view address, std::int32_t port, std::int32_t imageNo,
                         std::string_view name);

/// "LEFT ID " id " ENDMESSAGE".
std::string BuildLeft(std::int32_t id);

/// Text written inside a message: Windows-1252, without control characters, cut at the first
/// "ENDMESSAGE" (which would end the message early) and to maxBytes.
std::string WireText(std::string_view utf8, std::size_t maxBytes);

/// Reads "PORT " port " IMAGE " imageNo " NAME " name, the tail that LOGIN and ENTERED share.
void ReadPortImageName(TFieldReader& fields, std::int32_t& port, std::int32_t& imageNo, std::string& name);

/// A received keyword as the player's message shows it: cleaned, cut and in UTF-8.
std::string ShownKeyword(std::string_view keyword);

/// Splits a message into its keyword (before the first blank; empty when there is no blank) and
/// the rest after that blank.
std::pair<std::string_view, std::string_view> SplitKeyword(std::string_view message);

}  // namespace fjordheim
