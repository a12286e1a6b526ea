#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/trade/field_reader.h"

namespace fjordheim {

/// What a game tells the market server.
enum class TClientMessageKind : std::uint8_t { Login, Logout };

/// One message from a game to the market server. Name is UTF-8.
struct TClientMessage {
  TClientMessageKind Kind = TClientMessageKind::Logout;
  /// Where the game listens for other players (LOGIN).
  std::int32_t Port = 0;
  std::int32_t ImageNo = 0;
  std::string Name;
};

/// "LOGIN PORT " listenPort " IMAGE " imageNo " NAME " name " ENDMESSAGE"; the name is cut to
/// MaxNameBytes on the wire, and at any "ENDMESSAGE" in it.
std::string BuildLogin(std::int32_t listenPort, std::int32_t imageNo, std::string_view name);

/// "LOGOUT", sent so, without a terminator.
std::string BuildLogout();

/// Reads one framed message of the server link as the market server receives it: LOGIN or LOGOUT.
/// Anything else ("Unknown message: " + keyword) and bad fields give the reason instead.
TReadResult<TClientMessage> ReadClientMessage(std::string_view message);

}  // namespace fjordheim
