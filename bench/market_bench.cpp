#include <benchmark/benchmark.h>

#include <string>

#include "core/settings/ini_file.h"
#include "core/trade/cpu_merchant.h"
#include "core/trade/manual_scheduler.h"
#include "core/trade/market_settings.h"
#include "core/trade/trading_chief.h"

namespace fjordheim {
namespace {

std::string MerchantSections(int count) {
  std::string bytes = "[Market]\nMARKETS=1\nCPUMERCHANTS=" + std::to_string(count) + "\n[Market1]\nNAME=Kaupang\n";
  for (int j = 1; j <= count; ++j) {
    bytes += "[CPUMerchant" + std::to_string(j) + "]\nNAME=Kjøpmann " + std::to_string(j) +
             "\nIMAGE=1\nGOODS=(8,1,0,2,1,3)\nDEMANDS=(2,1,4,3,1,1)\n";
  }
  return bytes;
}

// Reading the market sections, as each opening of the market window does.
void BM_ReadMarketSettings(benchmark::State& state) {
  const TIniFile ini = TIniFile::FromBytes(MerchantSections(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(ReadMarketSettings(ini));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadMarketSettings)->Arg(7)->Arg(1000)->Complexity();

// One whole negotiation between a village short of silver and a merchant with goods to spare,
// the computer merchant's judging and counter-offers included.
void BM_WholeNegotiation(benchmark::State& state) {
  TRandom random(1);
  for (auto _ : state) {
    TTrade village;
    village.Goods = {0, 1, 6, 7, 0, 0};
    village.Demands = {3, 1, 2, 2, 2, 2};
    TTrade store;
    store.Goods = {8, 1, 0, 2, 1, 3};
    store.Demands = {2, 1, 4, 3, 1, 1};
    TManualScheduler scheduler;
    TUserMerchant chief(&village, "Høvding", scheduler);
    TCPUMerchant merchant(&store, "Ragnvald", scheduler, random);
    benchmark::DoNotOptimize(TTradingChief::Negotiate(chief, merchant, scheduler));
  }
}
BENCHMARK(BM_WholeNegotiation);

}  // namespace
}  // namespace fjordheim
