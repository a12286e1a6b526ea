#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/game/game_controller.h"
#include "core/game/headless_view.h"
#include "core/game/play_policy.h"
#include "core/settings/settings.h"

namespace fjordheim {
namespace {

// A whole season as the simple chief plays it, through every step of the turn cycle and
// the figure bookkeeping, on an empty data set and without the autosave.
void PlaySeasonThroughTheController(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "fjordheim-bench-game";
  std::filesystem::create_directories(folder);
  TRandom random(7);
  const TSettings settings((folder / "fjordheim").string(), random);
  TCollectingMessageSink sink;
  THeadlessView view;
  TGameController game(settings, random, view, sink);
  TPlayPolicy policy(random, true);
  view.Decide = [&](TDecisionBoard& board) { return policy.Decide(board, game.SeasonDecisions()); };
  game.SetAutosave(false);
  game.NewGame("Olav", 0, 0);
  for (auto _ : state) {
    if (policy.PlaySeason(game) == TSeasonChange::Deposed) game.NewGame("Olav", 0, 0);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(PlaySeasonThroughTheController);

}  // namespace
}  // namespace fjordheim
