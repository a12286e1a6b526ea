#include "core/trade/trade.h"

#include <gtest/gtest.h>

#include <string>

#include "core/common/memory_stream.h"

namespace fjordheim {
namespace {

TEST(TradeFile, TheRecordIsGoodsThenDemandsInKindOrder) {
  TTrade trade;
  trade.Goods = {1, 2, 3, 4, 5, 0x0102};
  trade.Demands = {6, 7, 8, 9, 10, 65535};
  TMemoryStream memory;
  trade.SaveToStream(memory);
  ASSERT_EQ(memory.Bytes().size(), 24U);
  EXPECT_EQ(memory.Bytes().substr(8, 6), std::string("\x05\x00\x02\x01\x06\x00", 6));
  EXPECT_EQ(memory.Bytes().substr(22, 2), "\xFF\xFF");

  TTrade loaded;
  memory.Rewind();
  loaded.LoadFromStream(memory);
  EXPECT_EQ(loaded.Goods, trade.Goods);
  EXPECT_EQ(loaded.Demands, trade.Demands);
}

TEST(TradeFile, AShortRecordIsDamageAndLeavesTheStoreAsItWas) {
  for (const std::size_t length : {0, 11, 12, 20, 23}) {
    TTrade trade;
    trade.Goods = {9, 9, 9, 9, 9, 9};
    TMemoryStream memory(std::string(length, '\x01'));
    try {
      trade.LoadFromStream(memory);
      FAIL() << length << " bytes were taken for a whole record";
    } catch (const ETradeError& error) {
      EXPECT_STREQ(error.what(), "Det er feil eller skade på filen");
    }
    EXPECT_EQ(trade.Goods, (TGoodsCounts{9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(trade.Demands, TGoodsCounts{});
  }
}

}  // namespace
}  // namespace fjordheim
