#include "tools/market-server/market_log.h"

#include <ctime>
#include <iomanip>

namespace fjordheim {

namespace {

std::tm LocalTime(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

TMarketLog::TMarketLog(std::ostream& console) : FConsole(console) {}

bool TMarketLog::OpenFile(const std::string& path) {
  FFile.open(path, std::ios::app | std::ios::binary);
  return FFile.is_open();
}

// Each line is flushed at once: the teacher may be watching the file, and a killed server keeps it.
void TMarketLog::Write(const TMarketLogEntry& event, std::chrono::system_clock::time_point when) {
  const std::tm local = LocalTime(when);
  const std::string line = DescribeLogEntry(event);
  FConsole << std::put_time(&local, "%H:%M:%S") << "  " << line << std::endl;
  if (FFile.is_open()) FFile << std::put_time(&local, "%Y-%m-%d %H:%M:%S") << "  " << line << std::endl;
}

}  // namespace fjordheim
