#include "gui/dialogs/start_game_form.h"

#include <QFrame>
#include <QPushButton>

#include "core/common/translation.h"

namespace fjordheim {

namespace {

QPushButton* ResultButton(QDialog* dialog, const TGameLayout& layout, const char* text, int top, int result) {
  auto* button = new QPushButton(QString::fromStdString(Tr(text)), dialog);
  layout.Place(button, 13, top, 137, 33);
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
  return button;
}

}  // namespace

TStartGameForm::TStartGameForm(QWidget* parent, TGameLayout layout) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Fjordheim"));
  setFont(layout.Font(font()));
  setFixedSize(layout.Size(162, 134));
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  layout.Place(panel, 4, 4, 154, 126);
  BtnNewGame = ResultButton(this, layout, TrMark("Nytt spill"), 12, NewGameResult);
  BtnLoadGame = ResultButton(this, layout, TrMark("Hent lagret spill"), 52, LoadGameResult);
  BtnExit = ResultButton(this, layout, TrMark("Avslutt"), 92, ExitResult);
}

}  // namespace fjordheim
