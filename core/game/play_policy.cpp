#include "core/game/play_policy.h"

#include <array>
#include <vector>

namespace fjordheim {

namespace {

// Half the workers hunt and fish all year; of the others a quarter brings the harvest in
// in autumn and keeps the cattle in the other seasons, and a quarter keeps the household:
// the split that feeds the founding village best season after season.
TWorkKind WorkFor(int worker, TSeason season) {
  constexpr std::array<TWorkKind, 4> Turns{TWorkKind::HuntFish, TWorkKind::HuntFish, TWorkKind::Household,
                                          TWorkKind::Cattle};
  const TWorkKind work = Turns[static_cast<std::size_t>(worker) % Turns.size()];
  return work == TWorkKind::Cattle && season == TSeason::Autumn ? TWorkKind::Farming : work;
}

}  // namespace

void TPlayPolicy::PrepareSeason(TGameController& game) {
  for (int area = 0; area < AdviceAreaCount; ++area) game.HearAdviser(area);
  DivideWork(game);
  Slaughter(game);
  game.TakeDecisions();
}

TSeasonChange TPlayPolicy::PlaySeason(TGameController& game) {
  PrepareSeason(game);
  return game.BtnChgSeasonClick();
}

void TPlayPolicy::DivideWork(TGameController& game) {
  int worker = 0;
  for (const THumanFigure& figure : game.HumanFigures()) {
    if (figure.InWork) game.SetWork(figure.Id, WorkFor(worker++, game.Village().Season));
  }
}

void TPlayPolicy::Slaughter(TGameController& game) {
  if (game.Village().Season != TSeason::Autumn) return;
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    const auto animalKind = static_cast<TAnimalKind>(kind);
    const int kept = animalKind == TAnimalKind::Cow ? KeptCows : KeptOthers;
    const std::vector<TAnimalFigure> figures = game.AnimalFigures(animalKind);
    for (std::size_t i = static_cast<std::size_t>(kept); i < figures.size(); ++i) game.MarkForSlaughter(figures[i].Id);
  }
}

bool TPlayPolicy::Decide(TDecisionBoard& board, const TDecisionGenerator& offered) {
  std::vector<int> rows;
  for (int row = 0; row < offered.OptionCount(); ++row) {
    if (!FRightDecisions || offered.Option(row)->Right) rows.push_back(row);
  }
  // Three rows at random among the candidates, then others when too few are right.
  while (board.TickedCount() < TDecisionBoard::PicksNeeded && !rows.empty()) {
    const auto pick = static_cast<std::size_t>(FRandom.Random(static_cast<std::int32_t>(rows.size())));
    board.Tick(rows[pick]);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(pick));
  }
  for (int row = 0; row < offered.OptionCount() && board.TickedCount() < TDecisionBoard::PicksNeeded; ++row) {
    if (!board.IsTicked(row)) board.Tick(row);
  }
  board.Confirm();
  return board.Decided();
}

}  // namespace fjordheim
