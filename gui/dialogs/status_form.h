#pragma once

#include <QDialog>
#include <QPixmap>

#include <array>

#include "core/village/village.h"
#include "gui/controls/picture_list.h"
#include "gui/dialogs/game_layout.h"

class QFrame;
class QLabel;
class QTabWidget;

namespace fjordheim {

/// "Slik ligger det an...": three thermometers for the factors of the chief's rating and
/// three tabs of people, animals and goods. Made once and reused; the tab shown last stays.
class TVillageStatusForm : public QDialog {
 public:
  /// The picture lists are not owned: small animals 0..3 and a person at 4; goods by kind;
  /// the thermometer may be empty.
  TVillageStatusForm(QWidget* parent, const TPictureList* smallCattle, const TPictureList* goods,
                     const QPixmap& thermometer, TGameLayout layout = TGameLayout());

  void SetVillage(const TVillage* village) { FVillage = village; }
  void SetVillageFactor(long double factor);
  void SetChiefFactor(long double factor);
  void SetTradeFactor(long double factor);
  /// Counts and pictures from the village; nothing without one.
  void Update();

  QFrame* VillageShape() const { return FBars[0]; }
  QFrame* ChiefShape() const { return FBars[1]; }
  QFrame* TradeShape() const { return FBars[2]; }
  QTabWidget* PageControl() const { return FPages; }
  QLabel* CountLabel(int row) const { return FPeopleCounts[static_cast<std::size_t>(row)]; }
  QLabel* AnimalLabel(int kind) const { return FAnimalCounts[static_cast<std::size_t>(kind)]; }

 private:
  void PlaceBar(int bar, long double factor);

  TGameLayout FLayout;
  const TVillage* FVillage = nullptr;
  const TPictureList* FSmallCattle;
  const TPictureList* FGoods;
  std::array<QFrame*, 3> FBars{};
  std::array<int, 3> FBarLefts{50, 114, 170};
  QTabWidget* FPages = nullptr;
  std::array<QLabel*, 5> FPeopleCounts{};
  std::array<QLabel*, AnimalKindCount> FAnimalCounts{};
  QLabel* FHumanImage = nullptr;
  QLabel* FCattleImage = nullptr;
  QLabel* FTradeImage = nullptr;
};

}  // namespace fjordheim
