#include "core/game/forecast_policy.h"

#include <array>
#include <cstdint>
#include <optional>
#include <tuple>

namespace fjordheim {

namespace {

constexpr std::array<TWorkKind, WorkKindCount> Works{TWorkKind::Idle, TWorkKind::Cattle, TWorkKind::Household,
                                                     TWorkKind::HuntFish, TWorkKind::Farming};

// First that everyone is fed, then that the store lasts through the winter, then that few die
// of hunger, that the council keeps the chief, that the animals are fed and that the judgement
// is good: a village fed beyond its need has a store against a fire or a sickness.
auto Worth(const TSeasonForecast& forecast) {
  return std::make_tuple(forecast.FedShare, forecast.WinterFedShare, -forecast.HungerDeaths, -forecast.DeposeChance,
                         forecast.AnimalsFed, forecast.Rating);
}

// What the work page shows of a figure: a man, a woman or a youth.
enum class TLook : std::uint8_t { Man, Woman, Youth };

constexpr std::array<TLook, 3> Looks{TLook::Man, TLook::Woman, TLook::Youth};

TLook LookOf(const THumanInfo& person) {
  if (person.IsAdultMan()) return TLook::Man;
  if (person.IsAdultWoman()) return TLook::Woman;
  return TLook::Youth;
}

struct TMove {
  TFigureId Figure = 0;
  TWorkKind From = TWorkKind::Idle;
  TWorkKind To = TWorkKind::Idle;
};

// One man, one woman and one youth at each work stand for all who look like them there. A man
// and a woman do not do the same at every work, so one who stood for everyone at a work would
// leave the women hunting and the men at home.
std::optional<TFigureId> SomeoneAt(const TGameController& game, TLook look, TWorkKind work) {
  for (const THumanFigure& figure : game.HumanFigures()) {
    if (figure.InWork && figure.Person->Work == work && LookOf(*figure.Person) == look) return figure.Id;
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
    if (!now.Available) return;
    auto best = Worth(now);
    std::optional<TMove> chosen;
    for (const TLook look : Looks) {
      for (const TWorkKind from : Works) {
        const std::optional<TFigureId> figure = SomeoneAt(game, look, from);
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
    }
    if (!chosen) return;
    game.SetWork(chosen->Figure, chosen->To);
  }
}

}  // namespace fjordheim
