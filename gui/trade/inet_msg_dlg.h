#pragma once

#include <QDialog>

#include <functional>

#include "gui/dialogs/game_layout.h"

class QLabel;
class QPushButton;

namespace fjordheim {

/// "Internet": a small window that stays on top while a remote player decides; the player
/// may go on looking at the market meanwhile, or give up waiting.
class TINetMsgDlg : public QDialog {
 public:
  explicit TINetMsgDlg(QWidget* parent, TGameLayout layout = TGameLayout());

  /// Shows the text, not modally; the cancel action runs after the window hid itself.
  void ShowMessage(const QString& text, std::function<void()> cancel);
  void CancelBtnClick();

  QLabel* Text() const { return FText; }
  QPushButton* CancelBtn() const { return FCancelBtn; }
  /// Runs whenever the window is hidden, for whatever reason.
  std::function<void()> OnHidden;

 protected:
  void reject() override;
  void hideEvent(QHideEvent* event) override;

 private:
  QLabel* FText = nullptr;
  QPushButton* FCancelBtn = nullptr;
  std::function<void()> FCancel;
};

}  // namespace fjordheim
