#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "core/common/season.h"
#include "core/village/human_info.h"
#include "core/village/village.h"

namespace fjordheim {

/// How much one forecast may spend. It plays the coming change of season on copies until it
/// has played MaxRuns of them or Budget has passed, and always plays at least one, so a
/// village of any size is forecast in about the same time.
struct TForecastLimits {
  int MaxRuns = 100;
  std::chrono::microseconds Budget{1200};
  /// The forecast's own generator starts here every time: the same village always gets the
  /// same forecast, and the game's generator is never touched.
  std::uint32_t Seed = 8520;
};

/// What the coming change of season will likely bring, played on copies of the village as
/// it stands, with the work as divided and the animals marked now. Events not yet dealt are
/// not foreseen (the chief cannot know them either); events already pending are.
class TSeasonForecast {
 public:
  /// False when the village cannot be played: no game, nobody left, or a damaged state.
  bool Available = false;
  /// Copies played.
  int Runs = 0;
  /// The season that is ending.
  TSeason Season = TSeason::Autumn;
  /// The share of the people the food feeds (the food ratio, at most 1): typical, and the
  /// range from the 10th to the 90th percentile of the runs.
  double FedShare = 0;
  double FedShareLow = 0;
  double FedShareHigh = 0;
  /// The share the coming winter feeds with this work: after an autumn the copy lives on
  /// through the winter with everyone at the same work; in winter it is FedShare; in spring
  /// and summer 1, for the catch and the harvest of the autumn still lie between.
  double WinterFedShare = 1;
  /// How many will likely die of hunger: the deaths beyond those the same village would see
  /// if it were just fed.
  double HungerDeaths = 0;
  /// All deaths the runs saw, on average.
  double Deaths = 0;
  /// The animals get fodder enough that the herds lose no more than the few that always die.
  bool AnimalsFed = true;
  /// The crop after the change, and the harvest when the change ends an autumn.
  double Crop = 0;
  double Harvest = 0;
  /// The typical judgement of the council after the change (the rating it judges by) and
  /// the share of runs in which it deposes the chief.
  double Rating = 0;
  double DeposeChance = 0;
  /// There are people of working age and all of them are idle.
  bool NobodyWorks = false;
  /// The work one more pair of hands would help most where something is short, by work kind.
  std::array<bool, WorkKindCount> ShortWork{};

  /// Some will die of hunger, or the food is so short that the workers weaken.
  bool Starvation() const;
  /// Not everyone will be fed.
  bool Hungry() const { return Available && FedShare < 1; }
  /// The store carried over, with what the winter brings, feeds everyone through the coming winter.
  bool StoreLastsWinter() const { return !Available || WinterFedShare >= 1; }
  bool DeposeLikely() const { return Available && DeposeChance >= 0.5; }
  /// Worth a warning before the season ends: starvation, no work, or a likely deposition.
  bool Danger() const { return Available && (Starvation() || NobodyWorks || DeposeLikely()); }
  bool Short(TWorkKind kind) const { return ShortWork[static_cast<std::size_t>(kind)]; }
  /// The work that would feed more people (HuntFish or Household), Idle when the food is enough.
  TWorkKind FoodWork() const;

  /// The line of the work page: "Med denne fordelingen blir alle mette." or how far the
  /// food reaches and where more hands are needed; empty without a forecast.
  std::string WorkLine() const;
  /// What the next season will bring of food, for the food gauge and the "Mat" tab.
  std::string FoodLine() const;
  /// One sentence on the danger, and the question whether to go on, for the warning box.
  std::string WarningText() const;

  /// Plays the coming change of season on copies of village after the marked animals are
  /// slaughtered, and judges each with the chief's standing and the trade flag as the
  /// council would. Never changes village.
  static TSeasonForecast Of(const TVillage& village, const TAnimalCounts& marked, std::int32_t standing,
                            bool tradedThisYear, const TForecastLimits& limits = {});
};

}  // namespace fjordheim
