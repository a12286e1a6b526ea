#include "gui/dialogs/question_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

bool AskYesNo(QWidget* parent, const QString& question, const TGameLayout& layout) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8("Spør"), question, QMessageBox::NoButton, parent);
  ScaleMessageBox(box, layout);
  QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("Nei"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

}  // namespace fjordheim
