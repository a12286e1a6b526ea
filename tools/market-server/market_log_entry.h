#pragma once

#include <cstddef>
#include <string>

namespace fjordheim {

/// Something the market server's teacher wants to see: in the status lines and in the log.
struct TMarketLogEntry {
  enum class TKind {
    /// A player logged in and was told about everyone present.
    Login,
    /// A player said LOGOUT.
    Logout,
    /// A logged-in player's connection ended without LOGOUT (closed, broken or dropped).
    Drop,
    /// A connection was closed before its player was in (roster, full server, bad message).
    Refusal,
  };
  TKind Kind = TKind::Login;
  /// The player's market id; 0 when the connection had none.
  int Id = 0;
  /// The player's name in UTF-8, cleaned; empty when none was given.
  std::string Name;
  /// The address of the connection as the server sees it.
  std::string Address;
  /// Why a connection ended, in a few words; empty when the player said LOGOUT or logged in.
  std::string Reason;
  /// Players present after the event.
  std::size_t Present = 0;
};

/// One line for the teacher, without the time: "login   #3 Kari from 10.0.0.5, 4 present".
std::string DescribeLogEntry(const TMarketLogEntry& event);

}  // namespace fjordheim
