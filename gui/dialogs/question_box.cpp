#include "gui/dialogs/question_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/common/translation.h"
#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

bool AskYesNo(QWidget* parent, const QString& question, const TGameLayout& layout) {
  // Translators: the title of the box that asks the player a yes-or-no question.
  const QString title = QString::fromStdString(Tr("Spør"));
  QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
  ScaleMessageBox(box, layout);
  QPushButton* yes = box.addButton(QString::fromStdString(Tr("Ja")), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QString::fromStdString(Tr("Nei")), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

}  // namespace fjordheim
