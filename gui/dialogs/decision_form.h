#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "core/decisions/decision_board.h"
#include "gui/dialogs/game_layout.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace fjordheim {

/// "Andre avgjørelser": the chief ticks three of the five tasks offered this season and
/// learns which were right. The rules are those of the decision board.
class TDecisionForm : public QDialog {
 public:
  /// The window ticks on board when one is given (not owned), else on a board of its own.
  TDecisionForm(QWidget* parent, TRandom& random, TGameLayout layout = TGameLayout(), TDecisionBoard* board = nullptr);

  /// The generator of the coming season (not owned) draws new tasks.
  void SetGenerator(TDecisionGenerator* generator);
  /// Starts a showing: rows refreshed, "OK" and "Avbryt" shown, "Lukk" hidden.
  void Prepare();
  /// Prepare, show modally, and true only when three picks were accepted.
  bool Execute();
  std::int32_t Score() const { return FBoard.Score(); }
  const TDecisionBoard& Board() const { return FBoard; }

  /// Shows a message of the window; a message box unless the owner says otherwise.
  std::function<void(const QString& message)> OnMessage;

  QCheckBox* CheckBox(int row) const { return FRows[static_cast<std::size_t>(row)].Box; }
  QFrame* RowPanel(int row) const { return FRows[static_cast<std::size_t>(row)].Panel; }
  QLabel* RightLabel(int row) const { return FRows[static_cast<std::size_t>(row)].Right; }
  QLabel* ExplanationLabel(int row) const { return FRows[static_cast<std::size_t>(row)].Explanation; }
  QLabel* TextLabel(int row) const { return FRows[static_cast<std::size_t>(row)].Text; }
  QLabel* VerdictLabel() const { return FVerdict; }
  QPushButton* OkButton() const { return FOk; }
  QPushButton* CancelButton() const { return FCancel; }
  QPushButton* CloseButton() const { return FClose; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TRow {
    QCheckBox* Box = nullptr;
    QFrame* Panel = nullptr;
    QLabel* Text = nullptr;
    QLabel* Explanation = nullptr;
    QLabel* Right = nullptr;
  };

  void TickRow(int row);
  void Confirm();
  void ShowBoard();
  void LayOut();
  int PlaceRow(int index, TRow& row, int top);
  int WrappedHeight(const QLabel* label, int gameWidth) const;
  int GamePixels(int screenPixels) const;
  void Tell(const std::string& message);

  // The rows in game pixels: the first row's top, a row's height and the gap under it, the
  // width of its texts and the height of one line of task text.
  static constexpr int RowsTop = 48;
  static constexpr int RowHeight = 44;
  static constexpr int RowGap = 4;
  static constexpr int TextWidth = 241;
  static constexpr int TextLineHeight = 14;

  TRandom& FRandom;
  TGameLayout FLayout;
  TDecisionBoard FOwnBoard;
  TDecisionBoard& FBoard;
  std::array<TRow, TDecisionBoard::RowCount> FRows;
  QLabel* FVerdict = nullptr;
  QPushButton* FOk = nullptr;
  QPushButton* FCancel = nullptr;
  QPushButton* FClose = nullptr;
};

}  // namespace fjordheim
