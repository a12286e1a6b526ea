#include <benchmark/benchmark.h>

#include <string>

#include "core/catastrophes/catast_file.h"
#include "core/catastrophes/catast_queue.h"

namespace fjordheim {
namespace {

std::string EventFile(int events) {
  std::string bytes;
  for (int i = 0; i < events; ++i) {
    bytes += "NODE _Epidemy\r\n* Sykdom\r\n- syk.bmp\r\n+ syk.wav\r\nMange ble syke.\r\n\r\nENDNODE\r\n";
  }
  return bytes;
}

// Reading the file and dealing the first cycle, as at start-up.
void BM_ReadAndDealCatastrophes(benchmark::State& state) {
  const std::string bytes = EventFile(static_cast<int>(state.range(0)));
  TRandom random(1);
  for (auto _ : state) {
    TCatastQueue queue;
    queue.Fill(TCatastFile::FromBytes(bytes).Nodes, random);
    benchmark::DoNotOptimize(queue.Current());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadAndDealCatastrophes)->Arg(8)->Arg(1000)->Arg(100000)->Complexity();

}  // namespace
}  // namespace fjordheim
