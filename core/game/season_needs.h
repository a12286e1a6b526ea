#pragma once

#include "core/village/season_step.h"

namespace fjordheim {

/// How many did one kind of work in a season change, and how many the season needed of it
/// with everything else as it was. Each one more counts for as much as those who did the
/// work did on average, or for a grown person fit for it when nobody did.
struct TWorkNeed {
  int Workers = 0;
  /// The fewest that would have been enough; only a number when Reachable.
  int Needed = 0;
  /// False when no number of people at this work alone would have been enough, or only more
  /// than the whole work force of the village.
  bool Reachable = true;
  bool Enough() const { return Reachable && Workers >= Needed; }
};

/// What one change of season needed of each kind of work, found with the simulation's own
/// rules from what the season met (the village's `LastStep`).
class TSeasonNeeds {
 public:
  /// More than this many at one work would never have been asked for.
  static constexpr int MostWorkers = 1 << 20;

  explicit TSeasonNeeds(const TSeasonStep& step);

  /// The share of the need the people got, as the simulation found it.
  float FoodRatio = 0;
  bool Fed() const { return FoodRatio >= 1; }
  /// Herds that lose no more than the few that always die, with the nourishment the tenders
  /// had, and had the tenders been fed.
  TWorkNeed Tending;
  TWorkNeed TendingFed;
  /// Everyone fed: hunting and fishing with the household as it was, and the household
  /// with the hunting as it was.
  TWorkNeed Hunting;
  TWorkNeed Household;
  /// The season's growth keeps the crop at a harvest of at least half the need (before the
  /// season's events); a season that grows nothing needs nobody.
  TWorkNeed Farming;
  /// The crop stands at that mark before and after the season's events (frost, dryness,
  /// good years); always true in winter.
  bool CropFineBeforeEvents = true;
  bool CropFine = true;
  /// Everyone would have been fed had the crop escaped the season's events.
  bool FedBeforeEvents = false;
  /// The least share of the need, in percent, at which nobody dies in this season.
  int SafeFoodPercent = 0;

  /// Everyone would have been fed with this much more in the store carried over.
  bool FedWithMoreStore(long double more) const;

 private:
  long double FoodWith(long double hunting, long double householdFactor, long double harvest, long double more) const;
  long double EffortOf(TWorkKind kind, int workers) const;
  void KeepWithinTheWorkForce(TWorkNeed& need, TWorkKind kind) const;

  TSeasonStep FStep;
};

}  // namespace fjordheim
