#pragma once

#include <cstdint>
#include <random>

namespace fjordheim {

/// The game's one random generator. Made once at start and handed by reference to every
/// component that draws, so that a test can seed it and replay a whole game.
class TRandom {
 public:
  /// Seeded from the clock.
  TRandom();
  explicit TRandom(std::uint32_t seed);

  /// A uniform integer in [0, n); 0 for n of 0 or below.
  std::int32_t Random(std::int32_t n);

  void Seed(std::uint32_t seed);

 private:
  std::mt19937 FEngine;
};

}  // namespace fjordheim
