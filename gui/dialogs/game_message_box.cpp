#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

void ScaleMessageBox(QMessageBox& box, const TGameLayout& layout) {
  box.setFont(layout.Font(box.font()));
  const QPixmap symbol = box.iconPixmap();
  if (!symbol.isNull()) {
    box.setIconPixmap(symbol.scaled(layout.Size(symbol.width(), symbol.height()), Qt::KeepAspectRatio,
                                    Qt::SmoothTransformation));
  }
}

QMessageBox::StandardButton ShowGameMessageBox(QWidget* parent, const TGameLayout& layout, QMessageBox::Icon icon,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, title, text, buttons, parent);
  ScaleMessageBox(box, layout);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace fjordheim
