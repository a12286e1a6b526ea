#pragma once

#include <QDialog>
#include <QPixmap>

#include "core/catastrophes/catast_node.h"
#include "gui/dialogs/game_layout.h"

class QLabel;
class QPlainTextEdit;

namespace fjordheim {

/// "Hva hendte nå?": the picture, heading and text of an event that struck the village.
/// The owner plays the event's sound.
class TCatastDlg : public QDialog {
 public:
  /// A missing picture leaves a grey placeholder.
  TCatastDlg(QWidget* parent, const TCatastNode& event, const QPixmap& picture, TGameLayout layout = TGameLayout());

  QLabel* Rubrik() const { return FRubrik; }
  QPlainTextEdit* Memo() const { return FMemo; }

 private:
  QLabel* FRubrik = nullptr;
  QPlainTextEdit* FMemo = nullptr;
};

}  // namespace fjordheim
