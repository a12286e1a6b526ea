#pragma once

#include <array>
#include <string>

#include "core/game/season_report.h"
#include "core/village/village.h"

namespace fjordheim {

/// One red thermometer bar of the status window, in window pixels.
struct TStatusBar {
  int Top = 0;
  int Height = 0;
  bool operator==(const TStatusBar&) const = default;
};

/// What the status window "Slik ligger det an..." shows of a village: the counts of its
/// tabs and the small pictures of each tab.
class TVillageStatus {
 public:
  /// The bar of a rating factor: 0 is 50 pixels from 190, 1 reaches the "Høy" mark at 78,
  /// larger factors rise higher.
  static TStatusBar Bar(long double factor);

  /// Size of the three tab pictures.
  static constexpr int HumanWidth = 187, HumanHeight = 181;
  static constexpr int CattleWidth = 129, CattleHeight = 193;
  static constexpr int TradeWidth = 177, TradeHeight = 161;
  /// Each kind of goods has a row of this height on the goods picture, in the order of the kinds.
  static constexpr int GoodsRowHeight = 26;
  /// The index of the person picture in the window's small picture list, after the four animals.
  static constexpr int PersonPicture = 4;

  explicit TVillageStatus(const TVillage& village);

  /// "(3)" for the people tab, one per row: elders, men, women, youths and children, infants.
  std::array<std::string, 5> PeopleCounts;
  /// The animal counts without parentheses, by kind.
  std::array<std::string, AnimalKindCount> AnimalCounts;

  TPictureArea People;
  TPictureArea Animals;
  /// Goods pictures by kind: held units up to the need from the left, the surplus from slot
  /// 4 on; one red dot (a 6 × 6 circle) per missing unit in `MissingDots`.
  TPictureArea Goods;
  std::vector<TPicturePlacement> MissingDots;
  /// What each row of goods tells the pointer and the keyboard, as at the market: "Pels: 4".
  std::array<std::string, GoodsKindCount> GoodsLabels;
};

}  // namespace fjordheim
