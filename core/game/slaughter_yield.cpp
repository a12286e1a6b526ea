#include "core/game/slaughter_yield.h"

#include <cmath>

#include "core/common/rounding.h"
#include "core/common/translation.h"
#include "core/game/counted_list.h"

namespace fjordheim {

namespace {

// One grown man eats one unit of food in a season.
constexpr long double OneGrownUp = 1.0L;

// Tenths with a decimal mark, the whole number alone: "8,2", "8".
std::string Tenths(long double food) {
  const std::int64_t tenths = Round(food * 10);
  if (tenths % 10 == 0) return std::to_string(tenths / 10);
  // Translators: a number with its tenths, {0} the whole and {1} the tenths: "8,2" in Norwegian.
  return Tr("{0},{1}", tenths / 10, tenths % 10);
}

// How many grown-ups the food feeds for a season.
std::int64_t Fed(long double food) { return static_cast<std::int64_t>(std::floor(food / OneGrownUp + 1e-9L)); }

}  // namespace

TSlaughterYield::TSlaughterYield(const TAnimalCounts& animals)
    : Animals(animals), Food(TVillage::SlaughterYield(animals)) {}

std::string TSlaughterYield::MarkedLine() const {
  if (Empty()) return {};
  const std::string animals = TCountedList::Animals(Animals);
  const std::int64_t fed = Fed(Food);
  // Translators: {0} is the animals marked, "2 kyr og 1 høne"; {1} the food they give, "0,6".
  if (fed < 1) return Tr("Til slakt: {0}. Det gir {1} i mat; en voksen spiser 1 i en årstid.", animals, Tenths(Food));
  // Translators: {0} is the animals marked, "2 kyr og 1 høne"; {1} the food they give, "8,2"; {2} the grown-ups it feeds.
  return TrPlural("Til slakt: {0}. Det gir {1} i mat, nok til {2} voksen i en årstid.",
                  "Til slakt: {0}. Det gir {1} i mat, nok til {2} voksne i en årstid.", fed, animals, Tenths(Food), fed);
}

std::string TSlaughterYield::SlaughteredLine() const {
  if (Empty()) return {};
  const std::string animals = TCountedList::Animals(Animals);
  const std::int64_t fed = Fed(Food);
  // Translators: {0} is the animals slaughtered, "2 kyr og 1 høne"; {1} the food they gave, "0,6".
  if (fed < 1) return Tr("Slakten av {0} ga {1} i mat; en voksen spiser 1 i en årstid.", animals, Tenths(Food));
  // Translators: {0} is the animals slaughtered, "2 kyr og 1 høne"; {1} the food they gave, "8,2"; {2} the grown-ups it feeds.
  return TrPlural("Slakten av {0} ga {1} i mat, nok til {2} voksen i en årstid.",
                  "Slakten av {0} ga {1} i mat, nok til {2} voksne i en årstid.", fed, animals, Tenths(Food), fed);
}

}  // namespace fjordheim
