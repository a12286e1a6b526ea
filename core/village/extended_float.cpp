#include "core/village/extended_float.h"

#include <cmath>
#include <limits>

namespace fjordheim {
namespace {

constexpr int ExponentBias = 16383;
constexpr int TopExponent = 0x7FFF;
constexpr std::uint16_t SignBit = 0x8000;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t QuietNaNMantissa = std::uint64_t{3} << 62;
constexpr int MantissaBits = 64;
// A subnormal is mantissa × 2^-16445: the exponent of the smallest normal, less the 63
// fraction bits.
constexpr int SubnormalShift = ExponentBias - 1 + MantissaBits - 1;

TExtendedBytes Pack(bool negative, int exponent, std::uint64_t mantissa) {
  TExtendedBytes bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  const auto top = static_cast<std::uint16_t>(exponent | (negative ? SignBit : 0));
  bytes[8] = static_cast<std::uint8_t>(top);
  bytes[9] = static_cast<std::uint8_t>(top >> 8);
  return bytes;
}

// Rounds a value in [0, 2^64) to the nearest whole number, ties to even; `carried` tells
// that it rounded up to 2^64, which does not fit and is returned as 0.
std::uint64_t RoundToMantissa(long double scaled, bool& carried) {
  const long double whole = std::floor(scaled);
  const long double fraction = scaled - whole;
  std::uint64_t mantissa = static_cast<std::uint64_t>(whole);
  if (fraction > 0.5L || (fraction == 0.5L && (mantissa & 1) != 0)) ++mantissa;
  carried = whole != 0 && mantissa == 0;
  return mantissa;
}

TExtendedBytes EncodeFinite(bool negative, long double magnitude) {
  int binaryExponent = 0;
  const long double fraction = std::frexp(magnitude, &binaryExponent);  // in [0.5, 1)
  int exponent = binaryExponent + ExponentBias - 1;
  bool carried = false;
  if (exponent >= 1) {
    std::uint64_t mantissa = RoundToMantissa(std::ldexp(fraction, MantissaBits), carried);
    if (carried) {
      mantissa = IntegerBit;
      ++exponent;
    }
    if (exponent >= TopExponent) return Pack(negative, TopExponent, IntegerBit);
    return Pack(negative, exponent, mantissa);
  }
  const std::uint64_t mantissa =
      RoundToMantissa(std::ldexp(fraction, binaryExponent + SubnormalShift), carried);
  // A subnormal that rounds up to the integer bit is the smallest normal number.
  return Pack(negative, (mantissa & IntegerBit) != 0 ? 1 : 0, mantissa);
}

}  // namespace

TExtendedBytes EncodeExtended(long double value) {
  const bool negative = std::signbit(value);
  if (std::isnan(value)) return Pack(negative, TopExponent, QuietNaNMantissa);
  if (std::isinf(value)) return Pack(negative, TopExponent, IntegerBit);
  if (value == 0) return Pack(negative, 0, 0);
  return EncodeFinite(negative, std::fabs(value));
}

long double DecodeExtended(const TExtendedBytes& bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[i];
  const auto top = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
  const bool negative = (top & SignBit) != 0;
  const int exponent = top & ~SignBit;

  long double magnitude = 0;
  if (exponent == TopExponent) {
    magnitude = mantissa == IntegerBit ? std::numeric_limits<long double>::infinity()
                                       : std::numeric_limits<long double>::quiet_NaN();
  } else if (exponent == 0) {
    magnitude = std::ldexp(static_cast<long double>(mantissa), -SubnormalShift);
  } else if ((mantissa & IntegerBit) == 0) {
    magnitude = std::numeric_limits<long double>::quiet_NaN();
  } else {
    magnitude = std::ldexp(static_cast<long double>(mantissa), exponent - ExponentBias - (MantissaBits - 1));
  }
  return std::copysign(magnitude, negative ? -1.0L : 1.0L);
}

}  // namespace fjordheim
