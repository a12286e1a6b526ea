#pragma once

#include <array>
#include <cstdint>

namespace fjordheim {

/// The ten bytes of an x87 extended-precision number as saved games hold it, little-endian:
/// eight bytes of mantissa with an explicit integer bit, then two bytes with the exponent
/// (15 bits, biased by 16383) and the sign in the top bit.
using TExtendedBytes = std::array<std::uint8_t, 10>;

/// Encodes a value into the extended layout by arithmetic, so that the bytes are the same
/// on every machine whatever its own long double is. Zero keeps its sign, values too
/// small for a normal number become subnormals, infinities stay infinite and every NaN
/// becomes the quiet NaN of the same sign. A long double wider than 64 mantissa bits is
/// rounded to nearest, ties to even.
TExtendedBytes EncodeExtended(long double value);

/// Decodes the extended layout. Subnormals (exponent 0) keep their value; the encodings
/// an x87 refuses as invalid operands (a normal exponent without the integer bit, or the
/// top exponent without it) decode as NaN, as they would there.
long double DecodeExtended(const TExtendedBytes& bytes);

}  // namespace fjordheim
