#pragma once

#include "core/game/game_controller.h"

namespace fjordheim {

/// A chief who knows none of the rules and reads only the forecast: each season he moves
/// one man, woman or youth at a time to the work that the forecast says does the most good
/// (everyone fed, the store lasting the winter, few dead, the council pleased, the animals
/// fed), until no single move makes it better. He hears the council and takes the decisions
/// through the view, as the simple chief does, and slaughters nothing.
class TForecastPolicy {
 public:
  void PrepareSeason(TGameController& game);
  TSeasonChange PlaySeason(TGameController& game);
  /// Moves people between works as long as a move makes the forecast better.
  void DivideWork(TGameController& game);
};

}  // namespace fjordheim
