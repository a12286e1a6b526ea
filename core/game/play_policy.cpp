#include "core/game/play_policy.h"

#include <vector>

namespace fjordheim {

namespace {

// The men and the youths hunt and fish; of the women one in three keeps the cattle and the
// others the household: a split that feeds the founding village year after year.
TWorkKind WorkFor(const THumanInfo& person, int& women) {
  if (!person.IsAdultWoman()) return TWorkKind::HuntFish;
  return women++ % 3 == 0 ? TWorkKind::Cattle : TWorkKind::Household;
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
  int women = 0;
  for (const THumanFigure& figure : game.HumanFigures()) {
    if (figure.InWork) game.SetWork(figure.Id, WorkFor(*figure.Person, women));
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
