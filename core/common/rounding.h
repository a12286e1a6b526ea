#pragma once

#include <cmath>
#include <cstdint>

namespace fjordheim {

/// Rounds to the nearest integer, halves to even (2.5 gives 2, 3.5 gives 4).
inline std::int64_t Round(long double value) {
  return static_cast<std::int64_t>(std::nearbyintl(value));
}

}  // namespace fjordheim
