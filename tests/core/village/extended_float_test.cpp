#include "core/village/extended_float.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace fjordheim {
namespace {

TExtendedBytes Bytes(std::uint64_t mantissa, std::uint16_t top) {
  TExtendedBytes bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  bytes[8] = static_cast<std::uint8_t>(top);
  bytes[9] = static_cast<std::uint8_t>(top >> 8);
  return bytes;
}

struct TKnownPattern {
  long double Value;
  std::uint64_t Mantissa;
  std::uint16_t Top;
};

class ExtendedKnownPattern : public testing::TestWithParam<TKnownPattern> {};

TEST_P(ExtendedKnownPattern, EncodesAndDecodesBothWays) {
  const TKnownPattern& known = GetParam();
  EXPECT_EQ(EncodeExtended(known.Value), Bytes(known.Mantissa, known.Top));
  const long double decoded = DecodeExtended(Bytes(known.Mantissa, known.Top));
  EXPECT_EQ(decoded, known.Value);
  EXPECT_EQ(std::signbit(decoded), std::signbit(known.Value));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ExtendedKnownPattern,
    testing::Values(TKnownPattern{1.0L, 0x8000000000000000, 0x3FFF},  // 00 .. 00 80 FF 3F
                    TKnownPattern{-1.0L, 0x8000000000000000, 0xBFFF},
                    TKnownPattern{2.0L, 0x8000000000000000, 0x4000},
                    TKnownPattern{0.5L, 0x8000000000000000, 0x3FFE},
                    TKnownPattern{3.0L, 0xC000000000000000, 0x4000},
                    TKnownPattern{23.25L, 0xBA00000000000000, 0x4003},
                    TKnownPattern{0.0L, 0, 0x0000},
                    TKnownPattern{-0.0L, 0, 0x8000},
                    // The double nearest to 0.1 keeps its 53 bits and gains zeros.
                    TKnownPattern{static_cast<long double>(0.1), 0xCCCCCCCCCCCCD000, 0x3FFB},
                    TKnownPattern{std::numeric_limits<long double>::infinity(), 0x8000000000000000, 0x7FFF},
                    TKnownPattern{-std::numeric_limits<long double>::infinity(), 0x8000000000000000, 0xFFFF}));

TEST(Extended, EveryNaNBecomesTheQuietNaNOfItsSign) {
  EXPECT_EQ(EncodeExtended(std::numeric_limits<long double>::quiet_NaN()), Bytes(0xC000000000000000, 0x7FFF));
  EXPECT_EQ(EncodeExtended(-std::numeric_limits<long double>::quiet_NaN()), Bytes(0xC000000000000000, 0xFFFF));
  EXPECT_TRUE(std::isnan(DecodeExtended(Bytes(0xC000000000000001, 0x7FFF))));
  EXPECT_TRUE(std::signbit(DecodeExtended(Bytes(0xC000000000000000, 0xFFFF))));
}

TEST(Extended, EncodingsAnX87RefusesDecodeAsNaN) {
  EXPECT_TRUE(std::isnan(DecodeExtended(Bytes(0x4000000000000000, 0x3FFF))));  // no integer bit
  EXPECT_TRUE(std::isnan(DecodeExtended(Bytes(0, 0x7FFF))));                   // pseudo-infinity
}

TEST(Extended, DoublesSurviveTheRoundTripExactly) {
  std::mt19937_64 bits(42);
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t pattern = bits();
    double value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    if (std::isnan(value)) continue;
    const auto back = static_cast<double>(DecodeExtended(EncodeExtended(value)));
    ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0) << value;
  }
  EXPECT_EQ(DecodeExtended(EncodeExtended(DBL_TRUE_MIN)), DBL_TRUE_MIN);
  EXPECT_EQ(DecodeExtended(EncodeExtended(DBL_MAX)), DBL_MAX);
}

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
// Where long double is the x87 type itself, its own bytes are the reference.
TExtendedBytes NativeBytes(long double value) {
  TExtendedBytes bytes{};
  std::memcpy(bytes.data(), &value, bytes.size());
  return bytes;
}

TEST(Extended, MatchesTheNativeLayoutForEveryKindOfNumber) {
  std::mt19937_64 bits(7);
  for (int i = 0; i < 20000; ++i) {
    const auto exponent = static_cast<std::uint16_t>(bits() % 0x7FFF);  // finite numbers only
    const auto top = static_cast<std::uint16_t>(exponent | ((bits() & 1) != 0 ? 0x8000 : 0));
    std::uint64_t mantissa = bits();
    if (exponent != 0) mantissa |= std::uint64_t{1} << 63;
    if (exponent == 0) mantissa &= ~(std::uint64_t{1} << 63);
    const long double value = DecodeExtended(Bytes(mantissa, top));
    ASSERT_EQ(NativeBytes(value), Bytes(mantissa, top));
    ASSERT_EQ(EncodeExtended(value), Bytes(mantissa, top));
  }
}

TEST(Extended, SubnormalsAndTheExtremesKeepTheirValue) {
  EXPECT_EQ(DecodeExtended(Bytes(1, 0)), LDBL_TRUE_MIN);
  EXPECT_EQ(EncodeExtended(LDBL_TRUE_MIN), Bytes(1, 0));
  EXPECT_EQ(EncodeExtended(-LDBL_TRUE_MIN), Bytes(1, 0x8000));
  EXPECT_EQ(EncodeExtended(LDBL_MIN), Bytes(0x8000000000000000, 0x0001));
  EXPECT_EQ(EncodeExtended(LDBL_MAX), Bytes(0xFFFFFFFFFFFFFFFF, 0x7FFE));
  // An x87 reads a subnormal exponent with the integer bit set as the smallest normal.
  EXPECT_EQ(DecodeExtended(Bytes(0x8000000000000000, 0)), LDBL_MIN);
  EXPECT_EQ(EncodeExtended(0.1L), Bytes(0xCCCCCCCCCCCCCCCD, 0x3FFB));
}
#endif

}  // namespace
}  // namespace fjordheim
