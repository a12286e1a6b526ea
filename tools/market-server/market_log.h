#pragma once

#include <chrono>
#include <fstream>
#include <ostream>
#include <string>

#include "tools/market-server/market_log_entry.h"

namespace fjordheim {

/// Shows each market event as a status line with the time on the console and, when a log file is
/// open, appends it with the date as well.
class TMarketLog {
 public:
  explicit TMarketLog(std::ostream& console);

  /// Opens the file for appending; false when it cannot be written.
  bool OpenFile(const std::string& path);

  void Write(const TMarketLogEntry& event, std::chrono::system_clock::time_point when);

 private:
  std::ostream& FConsole;
  std::ofstream FFile;
};

}  // namespace fjordheim
