#pragma once

#include <array>
#include <cstdint>

#include "core/common/season.h"
#include "core/village/human_info.h"

namespace fjordheim {

inline constexpr int SeasonStepEventCount = 8;

/// The numbers of one season change as the simulation met them, kept beside the village so
/// that the season report can say why people and animals died. Not part of a saved game.
struct TSeasonStep {
  /// False until the village has lived through a season change.
  bool Lived = false;
  /// The season lived through.
  TSeason Season = TSeason::Autumn;
  /// Food units that came together before the household worked on them.
  long double Meat = 0;
  long double Produce = 0;
  long double Hunting = 0;
  long double Harvest = 0;
  long double StoreUsed = 0;
  /// The share of the gathered food the household kept (0.5 to 1.4).
  long double HouseholdFactor = 1;
  /// The worth of those who kept house, tended the animals, farmed.
  long double HouseholdWork = 0;
  long double CattleWork = 0;
  long double FarmingWork = 0;
  /// What everyone would have eaten.
  long double Need = 0;
  /// What the fire took from the store carried over.
  long double StoreBurnt = 0;
  /// The fodder factor when the losses were drawn; 0 when none were drawn.
  long double FodderFactor = 0;
  /// The nourishment the herds were tended with (after the season's meal), their animal
  /// units and head count when the losses were drawn.
  long double TendingNourishment = 1;
  long double AnimalUnits = 0;
  int Animals = 0;
  /// The crop before the season, after this season's growth, and after its events.
  float CropBefore = 1.0F;
  float CropGrown = 1.0F;
  float CropGrowth = 1.0F;
  /// Those who ate, and the nourishment the season's work was done with.
  int Eaters = 0;
  long double Nourishment = 1;
  /// What the whole village could do at work and in the household.
  long double WorkCapacity = 0;
  long double HouseholdCapacity = 0;
  /// Those able to work who did each kind of work, and what they could do fed, by `TWorkKind`.
  std::array<int, WorkKindCount> Workers{};
  std::array<long double, WorkKindCount> Effort{};
  /// The events the step applied, indexed by `TVillageEvent`.
  std::array<bool, SeasonStepEventCount> Applied{};
};

}  // namespace fjordheim
