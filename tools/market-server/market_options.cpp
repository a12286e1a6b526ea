#include "tools/market-server/market_options.h"

#include <string_view>

#include "core/common/checked_number.h"
#include "core/common/command_line.h"

namespace fjordheim {

namespace {

// Far more than a classroom, and below the descriptors a process gets by default.
constexpr std::size_t MostClients = 100000;

// Applies one option with its value; returns what was wrong, or nothing.
std::string ApplyValued(std::string_view name, std::string_view value, TMarketOptions& options) {
  if (name == "--port") {
    const auto port = ParseCheckedNumber<std::uint16_t>(value, 0, 65535);
    if (!port) return "--port wants a port number from 0 to 65535 (0: any free port)";
    options.Port = *port;
  } else if (name == "--max-clients") {
    const auto count = ParseCheckedNumber<std::size_t>(value, 1, MostClients);
    if (!count) return "--max-clients wants a whole number from 1 to " + std::to_string(MostClients);
    options.MaxClients = *count;
  } else if (value.empty()) {
    return std::string(name) + " wants a value";
  } else if (name == "--listen") {
    options.ListenAddress = std::string(value);
  } else if (name == "--roster") {
    options.RosterFile = std::string(value);
  } else {
    options.LogFile = std::string(value);
  }
  return {};
}

}  // namespace

TMarketParseResult ParseMarketArguments(const std::vector<std::string>& arguments) {
  TMarketOptions options;
  const std::string error = ReadCommandLine(
      arguments, {"--port", "--listen", "--roster", "--log", "--max-clients"},
      [&options](std::string_view name) {
        if (name != "--help" && name != "-h") return false;
        options.Help = true;
        return true;
      },
      [&options](std::string_view name, std::string_view value) { return ApplyValued(name, value, options); });
  if (!error.empty()) return {std::nullopt, error};
  return {options, {}};
}

std::string MarketUsage() {
  return "Usage: fjordheim-market [options]\n"
         "The market server of a classroom: the pupils' games log in to it at a network\n"
         "market, learn who else is there, and then trade with each other directly.\n"
         "\n"
         "  --port N          the port the games connect to (default 5556; 0: any free port)\n"
         "  --listen ADDRESS  listen on this address of the machine only (default: all)\n"
         "  --roster FILE     let in only the names in FILE (UTF-8, one name a line;\n"
         "                    blank lines and lines starting with # are skipped)\n"
         "  --log FILE        append a line for every login, logout, drop and refusal\n"
         "  --max-clients N   connections held at once (default 1000)\n"
         "  --help            print this text\n"
         "\n"
         "Stop it with Ctrl+C.\n";
}

}  // namespace fjordheim
