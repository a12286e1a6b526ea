#pragma once

#include <cstdint>
#include <string>

#include "core/common/translation.h"
#include "core/game/season_forecast.h"
#include "core/game/season_report.h"
#include "core/village/village.h"

namespace fjordheim {

/// How the food gauge stands: enough now and a season in store, enough now but little
/// stored, or the people went hungry last season.
enum class TFoodGaugeState : std::uint8_t { Plenty = 0, Low = 1, Hungry = 2 };

/// Rows of food pictures: whole portions from the top left, and the last picture cut to
/// the share of a portion the rest of the food makes.
struct TFoodPictures {
  TPictureArea Area;
  /// The share of the last picture that is drawn: a quarter, a half, three quarters or 1.
  double LastShare = 1;
};

/// What the status window's "Mat" tab and the food gauge of the main page show of a
/// village's food: the store and a season's need as rows of pictures, and plain sentences.
class TFoodStatus {
 public:
  // Translators: a tab of the status window, short.
  static constexpr const char* TabTitle = TrMark("Mat");
  static constexpr const char* StoreHeading = TrMark("Forrådet");
  static constexpr const char* NeedHeading = TrMark("Folket spiser hver årstid");
  /// One picture is this many food units, a season's food for as many grown men (a woman
  /// eats 0.7, a child less), in every season and every village.
  static constexpr int Portion = 5;
  static constexpr const char* PortionText = TrMark("Hvert bilde er mat til 5 voksne menn i en årstid.");
  /// The food pictures are 20 × 20, set 21 apart, eight to a row.
  static constexpr int PictureSize = 20;
  static constexpr int PictureStep = PictureSize + 1;
  static constexpr int PicturesPerRow = 8;
  static constexpr int AreaWidth = 187;
  static constexpr int StoreRows = 2;
  static constexpr int NeedRows = 1;

  /// The food of village; the forecast, when there is one, says what the next season brings.
  explicit TFoodStatus(const TVillage& village, const TSeasonForecast& forecast = TSeasonForecast());

  long double Need = 0;
  long double Store = 0;
  /// What the people got of what they needed at the last change of season, in percent.
  std::int64_t FedPercent = 0;
  /// "Sist årstid fikk folket 45 % av maten de trengte."
  std::string FedText;
  /// "Forrådet rekker til omtrent 2 årstider."
  std::string StoreText;
  /// What the next season will bring of food; empty without a forecast.
  std::string ForecastText;
  TFoodPictures StorePictures;
  TFoodPictures NeedPictures;

  /// The store against two seasons' need (the most the village can keep), 0 to 1.
  double GaugeLevel = 0;
  TFoodGaugeState GaugeState = TFoodGaugeState::Plenty;
  /// The gauge's hint: the sentences, the forecast and where to see more.
  std::string Hint;

  /// "Forrådet rekker til ..." for a store and a season's need.
  static std::string StoreSentence(long double store, long double need);
  /// Food as pictures of a portion each, at most `rows` full rows; any food at all shows
  /// at least a quarter of a picture.
  static TFoodPictures PicturesOf(long double food, int rows);
};

}  // namespace fjordheim
