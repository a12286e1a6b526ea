#pragma once

#include <ostream>

#include "tools/sim/sim_options.h"

namespace fjordheim {

/// How a game played through the turn cycle ended.
struct TPlayResult {
  /// Changes of season the chief lasted.
  int Seasons = 0;
  bool Deposed = false;
};

/// Plays one game through the game's controller on the data set of options.GameFolder with
/// the simple chief, until he is deposed or options.Seasons have passed. The chronicle goes
/// to out as CSV; messages of the data files go to messages.
TPlayResult PlayGame(const TSimOptions& options, std::ostream& out, std::ostream& messages);

}  // namespace fjordheim
