#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/common/memory_stream.h"
#include "core/common/random.h"
#include "core/game/saved_game.h"

namespace {

using namespace fjordheim;

TSavedGame FoundingGame() {
  TRandom random(1);
  TSavedGame game;
  game.ChiefName = "Tor";
  game.CatastropheCountdown = 6;
  game.Village = TVillage::CreateForLand(0, random);
  return game;
}

void SavedGameRoundTripInMemory(benchmark::State& state) {
  const TSavedGame game = FoundingGame();
  for (auto _ : state) {
    TMemoryStream memory;
    WriteSavedGame(memory, game);
    memory.Rewind();
    TSavedGame loaded = ReadSavedGame(memory);
    benchmark::DoNotOptimize(loaded);
  }
}
BENCHMARK(SavedGameRoundTripInMemory);

// Saving writes a temporary file and renames it over the old one, as the game does. On
// ext4 a rename over an existing file makes the kernel write the new data out at once
// (so that the replace survives a crash), which costs far more than the rest of the trip;
// the second case saves under a name that does not exist yet and shows the remainder.
void SavedGameRoundTripOnDisk(benchmark::State& state) {
  const bool overExistingFile = state.range(0) != 0;
  const TSavedGame game = FoundingGame();
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "fjordheim-bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "bench.tun").string();
  for (auto _ : state) {
    if (!overExistingFile) {
      state.PauseTiming();
      std::filesystem::remove(path);
      state.ResumeTiming();
    }
    SaveSavedGame(path, game);
    TSavedGame loaded = LoadSavedGame(path);
    benchmark::DoNotOptimize(loaded);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(SavedGameRoundTripOnDisk)->ArgName("over_existing_file")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
