#include <benchmark/benchmark.h>

#include <chrono>

#include "core/common/random.h"
#include "core/village/village.h"

namespace fjordheim {
namespace {

TVillage WorkingFoundingVillage() {
  TVillage village;
  for (auto& person : village.People) {
    if (person->IsAdultMan()) person->Work = TWorkKind::HuntFish;
    if (person->IsAdultWoman()) person->Work = TWorkKind::Household;
    if (person->IsYouth()) person->Work = TWorkKind::Farming;
  }
  return village;
}

// Each change starts from a fresh copy of the founding village, made outside the timed part, so
// every iteration measures the same first autumn. The generator runs on, as it does in a game.
void BM_ChangeSeasonOfTheFoundingVillage(benchmark::State& state) {
  const TVillage founding = WorkingFoundingVillage();
  TRandom random(1);
  for (auto _ : state) {
    TVillage village(founding);
    const auto start = std::chrono::steady_clock::now();
    village.ChangeSeason(random);
    const auto stop = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(village.FoodStore);
    state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
  }
}
BENCHMARK(BM_ChangeSeasonOfTheFoundingVillage)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A whole year of the founding village, births and ageing included: four changes in a row.
void BM_YearOfTheFoundingVillage(benchmark::State& state) {
  const TVillage founding = WorkingFoundingVillage();
  TRandom random(1);
  for (auto _ : state) {
    TVillage village(founding);
    const auto start = std::chrono::steady_clock::now();
    for (int season = 0; season < 4; ++season) village.ChangeSeason(random);
    const auto stop = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(village.FoodStore);
    state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
  }
}
BENCHMARK(BM_YearOfTheFoundingVillage)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fjordheim
