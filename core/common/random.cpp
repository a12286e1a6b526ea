#include "core/common/random.h"

#include <chrono>

namespace fjordheim {

TRandom::TRandom()
    : FEngine(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {}

TRandom::TRandom(std::uint32_t seed) : FEngine(seed) {}

void TRandom::Seed(std::uint32_t seed) { FEngine.seed(seed); }

// Multiplying a 32-bit draw by n and keeping the high half gives the same sequence on every
// machine, which std::uniform_int_distribution does not promise.
std::int32_t TRandom::Random(std::int32_t n) {
  if (n <= 0) return 0;
  const std::uint64_t draw = FEngine();
  return static_cast<std::int32_t>((draw * static_cast<std::uint64_t>(n)) >> 32);
}

}  // namespace fjordheim
