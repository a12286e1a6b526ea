#pragma once

#include <array>
#include <cstdint>

#include "core/common/season.h"
#include "core/village/human_info.h"

namespace fjordheim {

inline constexpr int SexCount = 2;

/// What happened to the people and animals during one change of season, gathered by the
/// village's callbacks and shown in the season report.
class TSeasonChangeInfo {
 public:
  /// Sets every count to 0; the season stays, the turn cycle sets it before each change.
  void Clear();

  void AddBirth(TSex sex);
  /// Counts a death in the age group the person had.
  void AddDeath(TAgeGroup group);
  /// Adds with 16-bit arithmetic, as the counts are kept.
  void AddAnimalBirths(TAnimalKind kind, std::uint16_t count);
  void AddAnimalDeaths(TAnimalKind kind, std::uint16_t count);

  std::int32_t Births(TSex sex) const;
  std::int32_t Deaths(TAgeGroup group) const;

  std::array<std::int32_t, SexCount> BornBySex{};
  std::array<std::int32_t, AgeGroupCount> DeadByAgeGroup{};
  std::array<std::uint16_t, AnimalKindCount> AnimalsBorn{};
  std::array<std::uint16_t, AnimalKindCount> AnimalsDead{};
  /// Animals slaughtered at the start of the change, by kind.
  std::array<std::uint16_t, AnimalKindCount> AnimalsSlaughtered{};
  /// The season that has just ended.
  TSeason Season = TSeason::Autumn;
};

}  // namespace fjordheim
