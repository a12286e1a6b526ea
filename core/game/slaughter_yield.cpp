#include "core/game/slaughter_yield.h"

#include <cmath>

#include "core/common/rounding.h"
#include "core/game/counted_list.h"

namespace fjordheim {

namespace {

// One grown man eats one unit of food in a season.
constexpr long double OneGrownUp = 1.0L;

// Tenths with a decimal comma, the whole number alone: "8,2", "8".
std::string Tenths(long double food) {
  const std::int64_t tenths = Round(food * 10);
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0) text += "," + std::to_string(tenths % 10);
  return text;
}

}  // namespace

TSlaughterYield::TSlaughterYield(const TAnimalCounts& animals)
    : Animals(animals), Food(TVillage::SlaughterYield(animals)) {}

std::string TSlaughterYield::AnimalWords() const {
  // The list's own leading blank is not wanted inside a sentence.
  const std::string list = TCountedList::Joined(
      {{Animals[0], "ku", "kyr"}, {Animals[1], "gris", "griser"}, {Animals[2], "sau", "sauer"}, {Animals[3], "høne", "høns"}});
  return list.empty() ? list : list.substr(1);
}

std::string TSlaughterYield::FoodWords() const {
  const auto fed = static_cast<std::int64_t>(std::floor(Food / OneGrownUp + 1e-9L));
  if (fed < 1) return Tenths(Food) + " i mat; en voksen spiser 1 i en årstid";
  return Tenths(Food) + " i mat, nok til " + TCountedList::Phrase(fed, "voksen", "voksne") + " i en årstid";
}

std::string TSlaughterYield::MarkedLine() const {
  if (Empty()) return {};
  return "Til slakt: " + AnimalWords() + ". Det gir " + FoodWords() + ".";
}

std::string TSlaughterYield::SlaughteredLine() const {
  if (Empty()) return {};
  return "Slakten av " + AnimalWords() + " ga " + FoodWords() + ".";
}

}  // namespace fjordheim
