#include "core/game/food_status.h"

#include <algorithm>
#include <cmath>

#include "core/common/rounding.h"

namespace fjordheim {

namespace {

constexpr int PictureStep = TFoodStatus::PictureSize + 1;

// Rows of pictures from the top left, at most `rows` rows.
TPictureArea Row(long double units, int rows) {
  TPictureArea area{TFoodStatus::AreaWidth, rows * PictureStep, {}};
  const std::int64_t count =
      std::clamp<std::int64_t>(Round(units), 0, std::int64_t{TFoodStatus::PicturesPerRow} * rows);
  for (std::int64_t i = 0; i < count; ++i) {
    area.Pictures.push_back({0, static_cast<int>(PictureStep * (i % TFoodStatus::PicturesPerRow)),
                             static_cast<int>(PictureStep * (i / TFoodStatus::PicturesPerRow))});
  }
  return area;
}

std::string PortionSentence(int portion) {
  if (portion == 1) return "Hvert bilde er mat til én voksen i en årstid.";
  return "Hvert bilde er mat til " + std::to_string(portion) + " voksne i en årstid.";
}

}  // namespace

std::string TFoodStatus::StoreSentence(long double store, long double need) {
  if (!(store > 0)) return "Forrådet er tomt.";
  if (!(need > 0)) return "Det er ingen igjen som trenger mat.";
  const std::int64_t seasons = Round(std::min(store / need, 1.0e6L));
  if (seasons == 0) return "Forrådet rekker til mindre enn én årstid.";
  if (seasons == 1) return "Forrådet rekker til omtrent 1 årstid.";
  return "Forrådet rekker til omtrent " + std::to_string(seasons) + " årstider.";
}

TFoodStatus::TFoodStatus(const TVillage& village)
    : Need(village.TotalConsumption()), Store(std::isfinite(village.FoodStore) ? village.FoodStore : 0) {
  FedPercent = Round(std::clamp(static_cast<long double>(village.FoodRatio) * 100, 0.0L, 1.0e6L));
  FedText = "Sist årstid fikk folket " + std::to_string(FedPercent) + " % av maten de trengte.";
  StoreText = StoreSentence(Store, Need);
  Portion = static_cast<int>(std::clamp<long double>(std::ceil(Need / PicturesPerRow), 1, 1.0e6L));
  PortionText = PortionSentence(Portion);
  StorePictures = Row(Store / Portion, StoreRows);
  NeedPictures = Row(Need / Portion, 1);
  GaugeLevel = Need > 0 ? static_cast<double>(std::clamp(Store / (2 * Need), 0.0L, 1.0L)) : 0.0;
  if (FedPercent < 100) {
    GaugeState = TFoodGaugeState::Hungry;
  } else if (Store < Need) {
    GaugeState = TFoodGaugeState::Low;
  }
  Hint = "Mat: " + FedText + " " + StoreText + " Klikk for å se mer.";
}

}  // namespace fjordheim
