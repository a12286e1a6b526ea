#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace fjordheim {

/// Rounds to the nearest integer, halves to even (2.5 gives 2, 3.5 gives 4). A value
/// beyond the 64-bit range gives the nearest end of it and NaN gives 0, so that no
/// number, however it came about, makes the conversion undefined.
inline std::int64_t Round(long double value) {
  if (std::isnan(value)) return 0;
  const long double rounded = std::nearbyintl(value);
  if (rounded >= 0x1p63L) return std::numeric_limits<std::int64_t>::max();
  if (rounded < -0x1p63L) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(rounded);
}

}  // namespace fjordheim
