#include <benchmark/benchmark.h>

#include <string>

#include "core/trade/message_framer.h"

namespace {

using fjordheim::TFraming;
using fjordheim::TMessageFramer;

// A peer that floods: many short messages in one arrival. Framing them must cost their length,
// or one burst holds the game (or the market server) up for seconds.
void FramerBurst(benchmark::State& state) {
  std::string burst;
  for (std::int64_t i = 0; i < state.range(0); ++i) burst += "TEXTMESSAGE 1 2 hei ENDMESSAGE";
  for (auto _ : state) {
    TMessageFramer framer(TFraming::PeerLink);
    benchmark::DoNotOptimize(framer.Feed(burst));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(burst.size()));
}
BENCHMARK(FramerBurst)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
