#pragma once

#include <ostream>

#include "tools/sim/sim_options.h"

namespace fjordheim {

/// How a game played through the turn cycle ended.
struct TPlayResult {
  /// Changes of season the chief lasted.
  int Seasons = 0;
  bool Deposed = false;
  /// Market visits at which goods changed hands.
  int TradingYears = 0;
};

/// Plays one game through the game's controller on the data set of options.GameFolder with
/// the simple chief, until he is deposed or options.Seasons have passed; with options.Trade he
/// visits a market once a year. The chronicle goes to out as CSV; messages of the data files
/// go to messages.
TPlayResult PlayGame(const TSimOptions& options, std::ostream& out, std::ostream& messages);

/// Plays options.CompareTrade seeds from options.Seed on, each without and with trade, and
/// writes one line per seed and the averages to out.
void CompareTrade(const TSimOptions& options, std::ostream& out, std::ostream& messages);

/// Plays options.CompareChiefs seeds from options.Seed on in each land with every kind of
/// chief (the simple one with right and with random decisions, the forecast reader, the
/// idle one) and writes a table of how many seasons they lasted to out.
void CompareChiefs(const TSimOptions& options, std::ostream& out, std::ostream& messages);

}  // namespace fjordheim
