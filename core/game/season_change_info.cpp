#include "core/game/season_change_info.h"

#include <cstddef>

namespace fjordheim {
namespace {

template <typename TIndex>
std::size_t At(TIndex index) {
  return static_cast<std::size_t>(index);
}

}  // namespace

void TSeasonChangeInfo::Clear() {
  BornBySex.fill(0);
  DeadByAgeGroup.fill(0);
  AnimalsBorn.fill(0);
  AnimalsDead.fill(0);
  AnimalsSlaughtered.fill(0);
}

void TSeasonChangeInfo::AddBirth(TSex sex) { BornBySex.at(At(sex)) += 1; }

void TSeasonChangeInfo::AddDeath(TAgeGroup group) { DeadByAgeGroup.at(At(group)) += 1; }

void TSeasonChangeInfo::AddAnimalBirths(TAnimalKind kind, std::uint16_t count) {
  std::uint16_t& held = AnimalsBorn.at(At(kind));
  held = static_cast<std::uint16_t>(held + count);
}

void TSeasonChangeInfo::AddAnimalDeaths(TAnimalKind kind, std::uint16_t count) {
  std::uint16_t& held = AnimalsDead.at(At(kind));
  held = static_cast<std::uint16_t>(held + count);
}

std::int32_t TSeasonChangeInfo::Births(TSex sex) const { return BornBySex.at(At(sex)); }

std::int32_t TSeasonChangeInfo::Deaths(TAgeGroup group) const { return DeadByAgeGroup.at(At(group)); }

}  // namespace fjordheim
