#include <benchmark/benchmark.h>

#include <string>

#include "core/game/chronicle.h"

namespace {

using namespace fjordheim;

// A long game's history: seasons of a village of the founding size with an event now and then.
TChronicle LongGame(int seasons) {
  TChronicle chronicle;
  for (int i = 0; i < seasons; ++i) {
    TChronicleRecord record;
    record.Season = static_cast<TSeason>(i % 4);
    record.Year = static_cast<std::uint16_t>(852 + (i + 3) / 4);
    record.People = {3, 8, 9, 8, 6, 3};
    record.Animals = {8, 7, 9, 15};
    record.FoodRatio = 1.25F;
    record.FoodStore = 19.8875L;
    record.Goods = {2, 3, 2, 1, 1, 1};
    record.Wants = {2, 3, 2, 1, 1, 1};
    record.Event = i % 7 == 0 ? "Brann i langhuset!" : "";
    record.DecisionScore = 3;
    record.Rating = 1.1L;
    chronicle.Add(record);
  }
  return chronicle;
}

// Loading a saved game reads its chronicle: a school year is about 200 seasons, the cap 100,000.
void ChronicleReadBack(benchmark::State& state) {
  const std::string csv = LongGame(static_cast<int>(state.range(0))).ToCsv();
  for (auto _ : state) {
    TChronicleRead read = TChronicle::FromCsv(csv);
    benchmark::DoNotOptimize(read);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(csv.size()));
}
BENCHMARK(ChronicleReadBack)->Arg(200)->Arg(100000)->Unit(benchmark::kMillisecond);

void ChronicleWritten(benchmark::State& state) {
  const TChronicle chronicle = LongGame(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(chronicle.ToCsv());
}
BENCHMARK(ChronicleWritten)->Arg(200)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
