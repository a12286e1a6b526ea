#pragma once

#include <QDialog>
#include <QImage>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/game/food_status.h"
#include "core/game/season_forecast.h"
#include "core/village/village.h"
#include "gui/controls/picture_list.h"
#include "gui/dialogs/game_layout.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace fjordheim {

/// The pictures of the status window, none owned; a missing one leaves its place plain.
struct TStatusPictures {
  /// Small animals 0..3 by kind and a person at 4, 12 × 12.
  const TPictureList* SmallCattle = nullptr;
  /// Goods by kind.
  const TPictureList* Goods = nullptr;
  /// One portion of food at 0, 20 × 20.
  const TPictureList* Food = nullptr;
  /// The thermometer behind each bar; white is transparent.
  QImage Thermometer;
  /// The big animal pictures beside the counts, 48 × 48; magenta is transparent.
  std::array<QImage, AnimalKindCount> BigAnimals;
};

/// "Slik ligger det an...": three thermometers for the factors of the chief's rating and
/// tabs of people, animals, goods and food. Made once and reused; the tab shown last stays.
class TStatusGoodsImage;

class TVillageStatusForm : public QDialog {
 public:
  enum class TTab { People = 0, Animals = 1, Trade = 2, Food = 3 };

  TVillageStatusForm(QWidget* parent, const TStatusPictures& pictures, TGameLayout layout = TGameLayout());

  void SetVillage(const TVillage* village) { FVillage = village; }
  void SetVillageFactor(long double factor);
  void SetChiefFactor(long double factor);
  void SetTradeFactor(long double factor);
  /// What the next season will bring, for the food tab; none until it is set.
  void SetForecast(const TSeasonForecast& forecast) { FForecast = forecast; }
  /// Counts, pictures and food sentences from the village; nothing without one.
  void Update();
  void ShowTab(TTab tab);
  /// Why people and animals died and what became of the crop in the last season, in a band
  /// below the window's own controls; the band goes away when there is nothing to say.
  void SetReasons(const std::string& reasons);

  QFrame* VillageShape() const { return FBars[0]; }
  QFrame* ChiefShape() const { return FBars[1]; }
  QFrame* TradeShape() const { return FBars[2]; }
  QTabWidget* PageControl() const { return FPages; }
  QLabel* CountLabel(int row) const { return FPeopleCounts[static_cast<std::size_t>(row)]; }
  QLabel* AnimalLabel(int kind) const { return FAnimalCounts[static_cast<std::size_t>(kind)]; }
  QLabel* AnimalPicture(int kind) const { return FAnimalPictures[static_cast<std::size_t>(kind)]; }
  QLabel* HumanImage() const { return FHumanImage; }
  QLabel* FedLabel() const { return FFedLabel; }
  QLabel* StoreLabel() const { return FStoreLabel; }
  QLabel* PortionLabel() const { return FPortionLabel; }
  QLabel* ForecastLabel() const { return FForecastLabel; }
  QLabel* StoreImage() const { return FStoreImage; }
  QLabel* NeedImage() const { return FNeedImage; }
  TStatusGoodsImage* GoodsImage() const { return FTradeImage; }
  QLabel* ReasonsLabel() const { return FReasonsLabel; }
  /// The button that opens the chronicle; hidden until someone listens to it.
  QPushButton* ChronicleButton() const { return FChronicleButton; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void WriteTexts();
  void ShowReasons();
  void BuildThermometers(QWidget* status, const QImage& thermometer);
  QWidget* BuildPeoplePage();
  QWidget* BuildAnimalPage(const std::array<QImage, AnimalKindCount>& bigAnimals);
  QWidget* BuildTradePage();
  QWidget* BuildFoodPage();
  QLabel* Text(QWidget* parent, const QString& caption, int x, int y, int w, int h = 16, bool wrap = false);
  /// A label whose fixed text is written anew in the language of the game.
  QLabel* FixedText(QWidget* parent, const char* bokmal, int x, int y, int w, int h = 16, bool wrap = false);
  QLabel* Picture(QWidget* parent, const QImage& picture, int x, int y, int w, int h);
  void PlaceBar(int bar, long double factor);
  void UpdateFood();
  QPixmap FoodImage(const TFoodPictures& food, QSize size) const;

  TGameLayout FLayout;
  const TVillage* FVillage = nullptr;
  TSeasonForecast FForecast;
  TStatusPictures FPictures;
  std::array<QFrame*, 3> FBars{};
  std::array<int, 3> FBarLefts{50, 114, 170};
  QTabWidget* FPages = nullptr;
  std::array<QLabel*, 5> FPeopleCounts{};
  std::array<QLabel*, AnimalKindCount> FAnimalCounts{};
  std::array<QLabel*, AnimalKindCount> FAnimalPictures{};
  QLabel* FHumanImage = nullptr;
  QLabel* FCattleImage = nullptr;
  TStatusGoodsImage* FTradeImage = nullptr;
  QLabel* FStoreImage = nullptr;
  QLabel* FNeedImage = nullptr;
  QLabel* FFedLabel = nullptr;
  QLabel* FStoreLabel = nullptr;
  QLabel* FPortionLabel = nullptr;
  QLabel* FForecastLabel = nullptr;
  QLabel* FReasonsLabel = nullptr;
  QPushButton* FChronicleButton = nullptr;
  QPushButton* FCloseButton = nullptr;
  QGroupBox* FStatusBox = nullptr;
  std::vector<std::pair<QLabel*, const char*>> FFixedTexts;
  std::string FReasons;
};

}  // namespace fjordheim
