#pragma once

#include <QDialog>

#include "gui/dialogs/game_layout.h"

class QPushButton;

namespace fjordheim {

/// The title's choice: new game (101), saved game (102) or leave (103).
class TStartGameForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int NewGameResult = 101;
  static constexpr int LoadGameResult = 102;
  static constexpr int ExitResult = 103;

  explicit TStartGameForm(QWidget* parent = nullptr, TGameLayout layout = TGameLayout());

  QPushButton* BtnNewGame;
  QPushButton* BtnLoadGame;
  QPushButton* BtnExit;
};

}  // namespace fjordheim
