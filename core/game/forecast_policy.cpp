#include "core/game/forecast_policy.h"

#include <array>
#include <optional>
#include <tuple>

namespace fjordheim {

namespace {

constexpr std::array<TWorkKind, WorkKindCount> Works{TWorkKind::Idle, TWorkKind::Cattle, TWorkKind::Household,
                                                     TWorkKind::HuntFish, TWorkKind::Farming};

// First that everyone is fed, then that few die of hunger, then that the council keeps him,
// then that the animals are fed and the judgement is good.
auto Worth(const TSeasonForecast& forecast) {
  return std::make_tuple(forecast.FedShare, -forecast.HungerDeaths, -forecast.DeposeChance, forecast.AnimalsFed,
                         forecast.Rating);
}

struct TMove {
  TFigureId Figure = 0;
  TWorkKind From = TWorkKind::Idle;
  TWorkKind To = TWorkKind::Idle;
};

// One person of each work stands for all at it: those at one work are moved one at a time.
std::optional<TFigureId> SomeoneAt(const TGameController& game, TWorkKind work) {
  for (const THumanFigure& figure : game.HumanFigures()) {
    if (figure.InWork && figure.Person->Work == work) return figure.Id;
  }
  return std::nullopt;
}

}  // namespace

void TForecastPolicy::PrepareSeason(TGameController& game) {
  for (int area = 0; area < AdviceAreaCount; ++area) game.HearAdviser(area);
  DivideWork(game);
  game.TakeDecisions();
}

TSeasonChange TForecastPolicy::PlaySeason(TGameController& game) {
  PrepareSeason(game);
  return game.BtnChgSeasonClick();
}

void TForecastPolicy::DivideWork(TGameController& game) {
  // Each person can be moved about twice before the search is given up.
  const std::size_t mostMoves = 2 * game.HumanFigures().size() + 1;
  for (std::size_t moves = 0; moves < mostMoves; ++moves) {
    const TSeasonForecast now = game.Forecast();
    if (!now.Available || now.FedShare >= 1) return;
    auto best = Worth(now);
    std::optional<TMove> chosen;
    for (const TWorkKind from : Works) {
      const std::optional<TFigureId> figure = SomeoneAt(game, from);
      if (!figure) continue;
      for (const TWorkKind to : Works) {
        if (to == from) continue;
        game.SetWork(*figure, to);
        const auto worth = Worth(game.Forecast());
        if (worth > best) {
          best = worth;
          chosen = TMove{*figure, from, to};
        }
        game.SetWork(*figure, from);
      }
    }
    if (!chosen) return;
    game.SetWork(chosen->Figure, chosen->To);
  }
}

}  // namespace fjordheim
