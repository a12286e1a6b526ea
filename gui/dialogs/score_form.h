#pragma once

#include <QDialog>

#include "core/game/score_file.h"
#include "gui/dialogs/game_layout.h"

class QLabel;
class QPlainTextEdit;

namespace fjordheim {

/// "Topplistan": the village's score, a congratulation when it made the list, and the ten
/// best chiefs. The list itself is kept by the score file's owner.
class TScoreForm : public QDialog {
 public:
  explicit TScoreForm(QWidget* parent, const TScoreOutcome& outcome, TGameLayout layout = TGameLayout());

  QLabel* ScoreLabel() const { return FScore; }
  QLabel* CongratulationLabel() const { return FCongratulation; }
  QPlainTextEdit* Memo() const { return FMemo; }
  QLabel* CauseLabel() const { return FCause; }

 private:
  QLabel* FScore = nullptr;
  QLabel* FCongratulation = nullptr;
  QLabel* FCause = nullptr;
  QPlainTextEdit* FMemo = nullptr;
};

}  // namespace fjordheim
