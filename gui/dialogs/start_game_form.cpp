#include "gui/dialogs/start_game_form.h"

#include <QFrame>
#include <QPushButton>

namespace fjordheim {

namespace {

QPushButton* ResultButton(QDialog* dialog, const char* text, int top, int result) {
  auto* button = new QPushButton(QString::fromUtf8(text), dialog);
  button->setGeometry(13, top, 137, 33);
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
  return button;
}

}  // namespace

TStartGameForm::TStartGameForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Fjordheim"));
  setFixedSize(162, 134);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(4, 4, 154, 126);
  BtnNewGame = ResultButton(this, "Nytt spill", 12, NewGameResult);
  BtnLoadGame = ResultButton(this, "Hent lagret spill", 52, LoadGameResult);
  BtnExit = ResultButton(this, "Avslutt", 92, ExitResult);
}

}  // namespace fjordheim
