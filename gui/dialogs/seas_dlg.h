#pragma once

#include <QDialog>
#include <QPixmap>

#include "gui/dialogs/game_layout.h"

class QLabel;

namespace fjordheim {

/// "Informasjon": what the chief must do before the season may change.
class TSeasDlg : public QDialog {
 public:
  explicit TSeasDlg(QWidget* parent, const QPixmap& picture = QPixmap(), TGameLayout layout = TGameLayout());

  /// The one or two missing steps; the second may be empty.
  void SetMissing(const QString& first, const QString& second);
  QLabel* L1() const { return FL1; }
  QLabel* L2() const { return FL2; }
  QLabel* Image() const { return FImage; }

 private:
  QLabel* FImage = nullptr;
  QLabel* FL1 = nullptr;
  QLabel* FL2 = nullptr;
};

}  // namespace fjordheim
