#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fjordheim {

/// How the classroom market server runs.
struct TMarketOptions {
  /// The port the pupils' games connect to; 0 lets the system choose a free one.
  std::uint16_t Port = 5556;
  /// The local address to listen on; empty means every address of the machine.
  std::string ListenAddress;
  /// A file of the names allowed in, one a line; empty lets everyone in.
  std::string RosterFile;
  /// A file that gets a line for every login, logout, drop and refusal.
  std::string LogFile;
  /// Connections held at once; one more is closed at once.
  std::size_t MaxClients = 1000;
  bool Help = false;
};

/// The options, or the reason the arguments were refused.
struct TMarketParseResult {
  std::optional<TMarketOptions> Options;
  std::string Error;
};

/// Reads the command line (without the program name).
TMarketParseResult ParseMarketArguments(const std::vector<std::string>& arguments);

/// The text shown for --help.
std::string MarketUsage();

}  // namespace fjordheim
