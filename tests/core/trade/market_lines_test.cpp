#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/trade/market_lines.h"

namespace fjordheim {
namespace {

// A merchant's picture number comes from the settings file or from a peer: one outside the
// twelve known places is drawn at the corner instead of reading past the table.
TEST(TradingPicturePlace, KnownNumbersHaveTheirPlaceAndOthersTheCorner) {
  EXPECT_EQ(TradingPicturePlace(0).X, 244);
  EXPECT_EQ(TradingPicturePlace(11).X, 216);
  EXPECT_EQ(TradingPicturePlace(11).Y, 66);
  for (std::int32_t unknown : {-1, 12, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_EQ(TradingPicturePlace(unknown).X, 0) << unknown;
    EXPECT_EQ(TradingPicturePlace(unknown).Y, 0) << unknown;
  }
}

}  // namespace
}  // namespace fjordheim
