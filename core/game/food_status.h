#pragma once

#include <cstdint>
#include <string>

#include "core/game/season_report.h"
#include "core/village/village.h"

namespace fjordheim {

/// How the food gauge stands: enough now and a season in store, enough now but little
/// stored, or the people went hungry last season.
enum class TFoodGaugeState : std::uint8_t { Plenty = 0, Low = 1, Hungry = 2 };

/// What the status window's "Mat" tab and the food gauge of the main page show of a
/// village's food: the store and a season's need as rows of pictures, and plain sentences.
class TFoodStatus {
 public:
  static constexpr const char* TabTitle = "Mat";
  static constexpr const char* StoreHeading = "Forrådet";
  static constexpr const char* NeedHeading = "Folket spiser hver årstid";
  /// The food pictures are 14 × 14, set 15 apart, twelve to a row.
  static constexpr int PictureSize = 14;
  static constexpr int PicturesPerRow = 12;
  static constexpr int AreaWidth = 187;
  static constexpr int StoreRows = 3;

  explicit TFoodStatus(const TVillage& village);

  long double Need = 0;
  long double Store = 0;
  /// What the people got of what they needed at the last change of season, in percent.
  std::int64_t FedPercent = 0;
  /// "Sist årstid fikk folket 45 % av maten de trengte."
  std::string FedText;
  /// "Forrådet rekker til omtrent 2 årstider."
  std::string StoreText;
  /// What one picture stands for: "Hvert bilde er mat til 2 voksne i en årstid."
  std::string PortionText;
  /// Food units one picture stands for: the need always fits in one row.
  int Portion = 1;
  TPictureArea StorePictures;
  TPictureArea NeedPictures;

  /// The store against two seasons' need (the most the village can keep), 0 to 1.
  double GaugeLevel = 0;
  TFoodGaugeState GaugeState = TFoodGaugeState::Plenty;
  /// The gauge's hint: both sentences and where to see more.
  std::string Hint;

  /// "Forrådet rekker til ..." for a store and a season's need.
  static std::string StoreSentence(long double store, long double need);
};

}  // namespace fjordheim
