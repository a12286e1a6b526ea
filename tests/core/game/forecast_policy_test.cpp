#include "core/game/forecast_policy.h"

#include <gtest/gtest.h>

#include "tests/core/game/game_fixture.h"

namespace fjordheim {
namespace {

using testing::TGameFolder;
using testing::TGameRig;

// A fixed number of copies, so that the chief's choices replay on any machine.
TForecastLimits FewRuns() {
  TForecastLimits limits;
  limits.MaxRuns = 6;
  limits.Budget = std::chrono::hours(1);
  return limits;
}

int CountAt(const TGameController& game, bool women, TWorkKind work) {
  int count = 0;
  for (const THumanFigure& figure : game.HumanFigures()) {
    if (figure.InWork && figure.Person->IsAdultWoman() == women && figure.Person->IsAdult() &&
        figure.Person->Work == work) {
      ++count;
    }
  }
  return count;
}

// Two years through the game's own turn cycle: every season the forecast the chief leaves
// behind says everyone will be fed, and every autumn that the store carries the winter.
TEST(ForecastPolicy, ReadingOnlyTheForecastFeedsTheVillageEverySeasonAndThroughTheWinter) {
  for (const std::uint32_t seed : {1U, 2U}) {
    TGameFolder folder("forecast-chief-" + std::to_string(seed));
    TGameRig rig(folder, seed);
    TGameController& game = *rig.Game;
    game.SetAutosave(false);
    game.SetForecastLimits(FewRuns());
    game.NewGame("Astrid", 1, 0);
    TForecastPolicy chief;
    for (int season = 0; season < 8; ++season) {
      const TSeason ending = game.Village().Season;
      chief.PrepareSeason(game);
      const TSeasonForecast& forecast = game.Forecast();
      EXPECT_DOUBLE_EQ(forecast.FedShare, 1.0) << "seed " << seed << " season " << season;
      EXPECT_TRUE(forecast.StoreLastsWinter()) << "seed " << seed << " season " << season;
      if (ending == TSeason::Autumn) {
        // The women keep house, where each does twice what she would hunt for the pot.
        EXPECT_GE(CountAt(game, true, TWorkKind::Household), CountAt(game, true, TWorkKind::HuntFish));
        EXPECT_GE(CountAt(game, false, TWorkKind::HuntFish), CountAt(game, false, TWorkKind::Household));
      }
      ASSERT_EQ(game.BtnChgSeasonClick(), TSeasonChange::Changed) << "seed " << seed << " season " << season;
    }
  }
}

}  // namespace
}  // namespace fjordheim
