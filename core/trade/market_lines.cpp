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

TPicturePlace TradingPicturePlace(std::int32_t imageNo) {
  if (imageNo < 0 || imageNo >= static_cast<std::int32_t>(TradingPicturePlaces.size())) return {};
  return TradingPicturePlaces[static_cast<std::size_t>(imageNo)];
}

}  // namespace fjordheim
