#pragma once

#include <string>

#include "core/village/village.h"

namespace fjordheim {

/// What a slaughter gives, with the simulation's own meat yields, in words a child reads:
/// the animals, the food and how many grown-ups it feeds for a season.
class TSlaughterYield {
 public:
  explicit TSlaughterYield(const TAnimalCounts& animals);

  TAnimalCounts Animals{};
  long double Food = 0;
  bool Empty() const { return Food <= 0; }

  /// The slaughter page while animals are marked: "Til slakt: 2 kyr og 1 høne. Det gir 8,2 i
  /// mat, nok til 8 voksne i en årstid."; empty when none is marked.
  std::string MarkedLine() const;
  /// The season report: "Slakten av 2 kyr og 1 høne ga 8,2 i mat, nok til 8 voksne i en
  /// årstid."; empty when nothing was slaughtered.
  std::string SlaughteredLine() const;
};

}  // namespace fjordheim
