#include "core/game/food_status.h"

#include <algorithm>
#include <cmath>

#include "core/common/rounding.h"
#include "core/common/translation.h"

namespace fjordheim {

namespace {

constexpr int QuartersPerPicture = 4;

std::string Sentences(const std::string& first, const std::string& second) {
  if (second.empty()) return first;
  return first + " " + second;
}

}  // namespace

std::string TFoodStatus::StoreSentence(long double store, long double need) {
  if (!(store > 0)) return Tr("Forrådet er tomt.");
  if (!(need > 0)) return Tr("Det er ingen igjen som trenger mat.");
  const std::int64_t seasons = Round(std::min(store / need, 1.0e6L));
  if (seasons == 0) return Tr("Forrådet rekker til mindre enn én årstid.");
  return TrPlural("Forrådet rekker til omtrent {0} årstid.", "Forrådet rekker til omtrent {0} årstider.", seasons, seasons);
}

TFoodPictures TFoodStatus::PicturesOf(long double food, int rows) {
  TFoodPictures shown;
  shown.Area = {AreaWidth, rows * PictureStep, {}};
  if (!(food > 0)) return shown;
  const std::int64_t most = std::int64_t{PicturesPerRow} * rows;
  const long double pictures = std::min(food / Portion, static_cast<long double>(most));
  std::int64_t count = static_cast<std::int64_t>(std::floor(pictures));
  // A little food is still food: it shows as a quarter of a picture rather than as nothing.
  std::int64_t quarters = std::max<std::int64_t>(Round((pictures - static_cast<long double>(count)) * QuartersPerPicture),
                                                 count == 0 ? 1 : 0);
  if (quarters == QuartersPerPicture) {
    ++count;
    quarters = 0;
  }
  if (quarters > 0) {
    ++count;
    shown.LastShare = static_cast<double>(quarters) / QuartersPerPicture;
  }
  for (std::int64_t i = 0; i < count; ++i) {
    shown.Area.Pictures.push_back(
        {0, static_cast<int>(PictureStep * (i % PicturesPerRow)), static_cast<int>(PictureStep * (i / PicturesPerRow))});
  }
  return shown;
}

TFoodStatus::TFoodStatus(const TVillage& village, const TSeasonForecast& forecast)
    : Need(village.TotalConsumption()), Store(std::isfinite(village.FoodStore) ? village.FoodStore : 0) {
  FedPercent = Round(std::clamp(static_cast<long double>(village.FoodRatio) * 100, 0.0L, 1.0e6L));
  // xgettext:no-c-format
  FedText = Tr("Sist årstid fikk folket {0} % av maten de trengte.", FedPercent);
  StoreText = StoreSentence(Store, Need);
  ForecastText = forecast.FoodLine();
  StorePictures = PicturesOf(Store, StoreRows);
  NeedPictures = PicturesOf(Need, NeedRows);
  GaugeLevel = Need > 0 ? static_cast<double>(std::clamp(Store / (2 * Need), 0.0L, 1.0L)) : 0.0;
  if (FedPercent < 100) {
    GaugeState = TFoodGaugeState::Hungry;
  } else if (Store < Need) {
    GaugeState = TFoodGaugeState::Low;
  }
  // Translators: the food gauge's hint; {0} is what the people got, the store and the forecast, in sentences.
  Hint = Tr("Mat: {0} Klikk for å se mer.", Sentences(FedText + " " + StoreText, ForecastText));
}

}  // namespace fjordheim
