#pragma once

#include <QDialog>
#include <QPixmap>

#include "core/game/season_report.h"
#include "gui/controls/picture_list.h"
#include "gui/dialogs/game_layout.h"

class QLabel;

namespace fjordheim {

/// "Dette skjedde i løpet av ...": who was born and who died in the season that ended, as
/// sentences and rows of small pictures.
class TSeasonInfoForm : public QDialog {
 public:
  /// The picture lists are not owned: people 16 × 16 (0 boy or person, 1 girl), animals
  /// 14 × 14 by kind.
  TSeasonInfoForm(QWidget* parent, const TPictureList* smallHumans, const TPictureList* smallCattle,
                  TGameLayout layout = TGameLayout());

  void FillReport(const TSeasonChangeInfo& info);
  void FillReport(const TSeasonReport& report);

  QLabel* BirthLabel() const { return FBirthLabel; }
  QLabel* DeathLabel() const { return FDeathLabel; }
  QLabel* CattleBirthLabel() const { return FCattleBirthLabel; }
  QLabel* CattleDeathLabel() const { return FCattleDeathLabel; }
  /// Why people and animals died; what became of the crop and why a chief was deposed.
  QLabel* PeopleWhyLabel() const { return FPeopleWhyLabel; }
  QLabel* AnimalsWhyLabel() const { return FAnimalsWhyLabel; }
  QLabel* CropWhyLabel() const { return FCropWhyLabel; }
  /// The young by their own names and what the slaughter gave.
  QLabel* AnimalNoteLabel() const { return FAnimalNoteLabel; }
  QLabel* DeadHumanImage() const { return FDeadHumanImage; }

 private:
  void ShowArea(QLabel* target, const TPictureArea& area, const TPictureList* pictures, int fallbackSize);

  TGameLayout FLayout;
  const TPictureList* FSmallHumans;
  const TPictureList* FSmallCattle;
  QLabel* FBirthLabel = nullptr;
  QLabel* FDeathLabel = nullptr;
  QLabel* FCattleBirthLabel = nullptr;
  QLabel* FCattleDeathLabel = nullptr;
  QLabel* FPeopleWhyLabel = nullptr;
  QLabel* FAnimalsWhyLabel = nullptr;
  QLabel* FCropWhyLabel = nullptr;
  QLabel* FAnimalNoteLabel = nullptr;
  QLabel* FBornHumanImage = nullptr;
  QLabel* FDeadHumanImage = nullptr;
  QLabel* FBornCattleImage = nullptr;
  QLabel* FDeadCattleImage = nullptr;
};

}  // namespace fjordheim
