#include "core/trade/trade.h"

#include <algorithm>

namespace fjordheim {

namespace {

std::size_t Index(TGoodsKind kind) { return static_cast<std::size_t>(kind); }

}  // namespace

std::uint16_t TTrade::GetGoods(TGoodsKind kind) const { return Goods.at(Index(kind)); }

void TTrade::SetGoods(TGoodsKind kind, std::uint16_t value) { Goods.at(Index(kind)) = value; }

std::uint16_t TTrade::GetDemand(TGoodsKind kind) const { return Demands.at(Index(kind)); }

void TTrade::SetDemand(TGoodsKind kind, std::uint16_t value) { Demands.at(Index(kind)) = value; }

std::int32_t TTrade::Surplus(TGoodsKind kind) const {
  return static_cast<std::int32_t>(GetGoods(kind)) - static_cast<std::int32_t>(GetDemand(kind));
}

// The first wanted unit of a kind weighs d, the next d - 1 and so on down to 1; held units cover the
// heaviest wants first. Sums are kept wide so that large stores give their true figure.
float TTrade::DemandCoverage() const {
  std::uint64_t covered = 0;
  std::uint64_t wanted = 0;
  for (int k = 0; k < GoodsKindCount; ++k) {
    const std::uint64_t held = Goods[k];
    const std::uint64_t demand = Demands[k];
    const std::uint64_t met = std::min(held, demand);
    wanted += demand * (demand + 1) / 2;
    covered += met * (met + 1) / 2 + (held - met) / 2;
  }
  if (wanted == 0) return 0.0F;
  return static_cast<float>(static_cast<long double>(covered) / static_cast<long double>(wanted));
}

}  // namespace fjordheim
