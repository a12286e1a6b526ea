#pragma once

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <deque>

#include "gui/dialogs/decision_form.h"
#include "gui/dialogs/popup_form.h"
#include "tests/gui/support/modal_script.h"

namespace fjordheim {

/// A window answered as a quick player answers it: the first three decisions ticked and
/// taken, a tip closed, a question given its first button, any other window accepted.
inline void AnswerAsAPlayer(QWidget* modal) {
  if (auto* decisions = dynamic_cast<TDecisionForm*>(modal)) {
    for (int row = 0; row < 3; ++row) decisions->CheckBox(row)->click();
    decisions->OkButton()->click();
    if (decisions->isVisible()) decisions->CloseButton()->click();
  } else if (auto* tip = dynamic_cast<TPopupForm*>(modal)) {
    tip->done(TPopupForm::Close);
  } else if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
    box->buttons().front()->click();
  } else if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
    dialog->accept();
  }
}

/// So many windows answered as a player answers them.
inline std::deque<TModalScript::TAction> PlayerAnswers(int count) {
  return std::deque<TModalScript::TAction>(static_cast<std::size_t>(count), AnswerAsAPlayer);
}

}  // namespace fjordheim
