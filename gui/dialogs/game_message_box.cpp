#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

QMessageBox::StandardButton ShowGameMessageBox(QWidget* parent, const TGameLayout& layout, QMessageBox::Icon icon,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, title, text, buttons, parent);
  box.setFont(layout.Font(box.font()));
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace fjordheim
