#include "core/common/rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace fjordheim {
namespace {

TEST(Round, NumbersBeyondTheRangeGiveItsEnds) {
  const long double infinity = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(Round(infinity), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(Round(1e30L), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(Round(-infinity), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(Round(-0x1p63L), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(Round(std::numeric_limits<long double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace fjordheim
