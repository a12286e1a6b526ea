#include "core/trade/market_lines.h"

namespace fjordheim {

namespace {

constexpr std::array<TPicturePlace, 12> TradingPicturePlaces{{
    {244, 3}, {233, 7}, {236, 0}, {234, 6}, {240, 20}, {252, 11},
    {234, 23}, {248, 34}, {242, 83}, {235, 29}, {238, 17}, {216, 66},
}};

}  // namespace

const TMarketLine& PickMarketLine(std::span<const TMarketLine> lines, TRandom& random) {
  return lines[static_cast<std::size_t>(random.Random(static_cast<std::int32_t>(lines.size())))];
}

std::vector<TMarketLine> EveryMarketLine() {
  std::vector<TMarketLine> every;
  for (const std::span<const TMarketLine> moment :
       {std::span<const TMarketLine>(MarketLines::InviteAnswered), std::span<const TMarketLine>(MarketLines::InviteAccepted),
        std::span<const TMarketLine>(MarketLines::ProposalAccepted), std::span<const TMarketLine>(MarketLines::ProposalDeclined),
        std::span<const TMarketLine>(MarketLines::Considering), std::span<const TMarketLine>(MarketLines::Proposing),
        std::span<const TMarketLine>(MarketLines::PlayerAccepted), std::span<const TMarketLine>(MarketLines::PlayerDeclined)}) {
    every.insert(every.end(), moment.begin(), moment.end());
  }
  return every;
}

TPicturePlace TradingPicturePlace(std::int32_t imageNo) {
  if (imageNo < 0 || imageNo >= static_cast<std::int32_t>(TradingPicturePlaces.size())) return {};
  return TradingPicturePlaces[static_cast<std::size_t>(imageNo)];
}

}  // namespace fjordheim
