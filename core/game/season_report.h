#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game/season_change_info.h"

namespace fjordheim {

/// One small picture of a report picture: the index in its picture list and where its
/// top-left corner goes.
struct TPicturePlacement {
  int Picture = 0;
  int X = 0;
  int Y = 0;
  bool operator==(const TPicturePlacement&) const = default;
};

/// A report picture: an area of the window colour with small pictures drawn on it in list
/// order (a later one over an earlier one). Pictures that would fall wholly outside the
/// area are left out, and so are those that would only repeat one already drawn in the
/// same place, so huge counts give short lists.
struct TPictureArea {
  int Width = 0;
  int Height = 0;
  std::vector<TPicturePlacement> Pictures;
};

/// The season report window's texts and pictures, composed from what happened during the
/// change of season. The sentences name the season that has just ended.
class TSeasonReport {
 public:
  explicit TSeasonReport(const TSeasonChangeInfo& info);

  /// The person pictures are 16 × 16 ("SmallHumans": 0 boy or person, 1 girl); the animal
  /// pictures 14 × 14 ("SmallCattle", indexed by animal kind).
  static constexpr int HumanPictureSize = 16;
  static constexpr int AnimalPictureSize = 14;

  std::string Caption;
  std::string BirthText;
  std::string DeathText;
  std::string AnimalBirthText;
  std::string AnimalDeathText;
  /// The animals' young in their own words ("Dyrene fikk 4 lam og 2 kyllinger."), and what
  /// the slaughter gave; each empty when there were none.
  std::string YoungText;
  std::string SlaughterText;

  /// Boys from the left, girls from x = 104.
  TPictureArea BornHumans;
  /// Rows of old, adult and young dead, lined up with the labels "Gamle", "Voksne", "Barn".
  TPictureArea DeadHumans;
  /// One row per animal kind.
  TPictureArea BornAnimals;
  TPictureArea DeadAnimals;

  /// Beside the report's own texts: why people and animals died, what became of the crop,
  /// and why a deposed chief was deposed. Each empty where there is nothing to say.
  std::string PeopleWhy;
  std::string AnimalsWhy;
  std::string CropWhy;
  std::string DepositionWhy;
};

}  // namespace fjordheim
