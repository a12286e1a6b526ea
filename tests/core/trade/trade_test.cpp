#include "core/trade/trade.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

TTrade StoreWith(TGoodsKind kind, std::uint16_t goods, std::uint16_t demand) {
  TTrade trade;
  trade.SetGoods(kind, goods);
  trade.SetDemand(kind, demand);
  return trade;
}

TEST(DemandCoverage, WeighsEachFurtherWantedUnitLess) {
  EXPECT_FLOAT_EQ(StoreWith(TGoodsKind::Amber, 2, 3).DemandCoverage(), 3.0F / 6.0F);
  EXPECT_FLOAT_EQ(StoreWith(TGoodsKind::Iron, 5, 3).DemandCoverage(), 7.0F / 6.0F);
}

TEST(DemandCoverage, IsZeroWhenNothingIsWanted) {
  EXPECT_EQ(TTrade().DemandCoverage(), 0.0F);
  EXPECT_EQ(StoreWith(TGoodsKind::Furs, 4, 0).DemandCoverage(), 0.0F);
}

TEST(DemandCoverage, IsOneWhenEveryWantIsMetAndRisesByHalfAWeightPerSpareUnit) {
  TTrade trade;
  trade.Goods = {2, 3, 2, 1, 1, 1};
  trade.Demands = trade.Goods;
  EXPECT_FLOAT_EQ(trade.DemandCoverage(), 1.0F);
  // wanted 3 + 6 + 3 + 1 + 1 + 1 = 15; two spare silver add one
  trade.SetGoods(TGoodsKind::Silver, 4);
  EXPECT_FLOAT_EQ(trade.DemandCoverage(), 16.0F / 15.0F);
}

TEST(DemandCoverage, HugeStoresGiveTheirTrueFigure) {
  TTrade trade;
  trade.Goods.fill(65535);
  trade.Demands.fill(65535);
  EXPECT_FLOAT_EQ(trade.DemandCoverage(), 1.0F);
  trade.Goods.fill(0);
  EXPECT_EQ(trade.DemandCoverage(), 0.0F);
}

TEST(Surplus, IsSignedHeldMinusWanted) {
  const TTrade trade = StoreWith(TGoodsKind::Weapons, 1, 65535);
  EXPECT_EQ(trade.Surplus(TGoodsKind::Weapons), -65534);
  EXPECT_EQ(StoreWith(TGoodsKind::Silver, 65535, 0).Surplus(TGoodsKind::Silver), 65535);
  for (int k = 0; k < GoodsKindCount; ++k) EXPECT_EQ(TTrade().Surplus(static_cast<TGoodsKind>(k)), 0);
}

}  // namespace
}  // namespace fjordheim
