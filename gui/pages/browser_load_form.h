#pragma once

#include <QDialog>

#include "gui/dialogs/game_layout.h"

namespace fjordheim {

/// The notice shown while the browser starts for the first time; a click closes it.
class TBrowserLoadForm : public QWidget {
  Q_OBJECT

 public:
  explicit TBrowserLoadForm(QWidget* parent = nullptr, TGameLayout layout = TGameLayout());

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace fjordheim
