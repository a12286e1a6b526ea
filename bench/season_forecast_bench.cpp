#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/game/game_controller.h"
#include "core/game/headless_view.h"
#include "core/game/season_forecast.h"
#include "core/settings/settings.h"

namespace fjordheim {
namespace {

// What the work page waits for when the child drops one person at another work: the move
// and the forecast played again, on the founding village with the screen's limits.
void ForecastAfterMovingOnePerson(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "fjordheim-bench-forecast";
  std::filesystem::create_directories(folder);
  TRandom random(7);
  const TSettings settings((folder / "fjordheim").string(), random);
  TCollectingMessageSink sink;
  THeadlessView view;
  TGameController game(settings, random, view, sink);
  game.SetAutosave(false);
  game.NewGame("Olav", 0, 0);
  const THumanFigure* mover = nullptr;
  for (const THumanFigure& figure : game.HumanFigures()) {
    if (figure.InWork && mover == nullptr) mover = &figure;
    if (figure.InWork) game.SetWork(figure.Id, figure.Person->IsAdultMan() ? TWorkKind::HuntFish : TWorkKind::Idle);
  }
  const TFigureId moved = mover->Id;
  bool hunting = true;
  for (auto _ : state) {
    hunting = !hunting;
    game.SetWork(moved, hunting ? TWorkKind::HuntFish : TWorkKind::Household);
    benchmark::DoNotOptimize(game.Forecast().FedShare);
  }
  state.counters["runs"] = game.Forecast().Runs;
  std::filesystem::remove_all(folder);
}
BENCHMARK(ForecastAfterMovingOnePerson)->Unit(benchmark::kMillisecond);

// The largest village a saved game can hold: the budget, not the number of copies, decides.
void ForecastOfTheLargestVillage(benchmark::State& state) {
  TVillage village;
  while (village.People.size() < 65535) {
    const auto sex = village.People.size() % 2 == 0 ? TSex::Male : TSex::Female;
    village.People.push_back(std::make_unique<THumanInfo>(sex, 20, TWorkKind::HuntFish));
  }
  int runs = 0;
  for (auto _ : state) {
    const TSeasonForecast forecast = TSeasonForecast::Of(village, {}, 0, false);
    runs = forecast.Runs;
    benchmark::DoNotOptimize(forecast.FedShare);
  }
  state.counters["runs"] = runs;
}
BENCHMARK(ForecastOfTheLargestVillage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fjordheim
