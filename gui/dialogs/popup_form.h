#pragma once

#include <QDialog>
#include <QPixmap>

#include "core/game/popup_tips.h"
#include "gui/dialogs/game_layout.h"

class QLabel;
class QPushButton;

namespace fjordheim {

/// "Morsomt å vite...": one did-you-know tip. Closes with 1 for "Les mer..." and 2 for "Lukk".
class TPopupForm : public QDialog {
 public:
  static constexpr int ReadMore = 1;
  static constexpr int Close = 2;

  /// The picture is the tip's picture, empty for none.
  TPopupForm(QWidget* parent, const TTip& tip, const QPixmap& picture, TGameLayout layout = TGameLayout());

  QLabel* PopupLabel() const { return FText; }
  QPushButton* MoreButton() const { return FMore; }
  QPushButton* CloseButton() const { return FClose; }

 private:
  QLabel* FText = nullptr;
  QPushButton* FMore = nullptr;
  QPushButton* FClose = nullptr;
};

}  // namespace fjordheim
