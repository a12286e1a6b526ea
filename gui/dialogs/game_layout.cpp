#include "gui/dialogs/game_layout.h"

#include <QWidget>

#include <algorithm>

namespace fjordheim {

void TGameLayout::Place(QWidget* widget, int x, int y, int width, int height) const {
  widget->setGeometry(Rect(x, y, width, height));
}

QFont TGameLayout::PixelFont(const QString& family, int pixels, bool bold) const {
  QFont font(family);
  font.setPixelSize(std::max(1, Scaled(pixels)));
  font.setBold(bold);
  return font;
}

QFont TGameLayout::PointFont(const QFont& base, int points, bool bold) const {
  QFont font(base);
  font.setPointSizeF(points * FScale);
  font.setBold(bold);
  return font;
}

QFont TGameLayout::Font(const QFont& base) const {
  QFont font(base);
  if (base.pixelSize() > 0) {
    font.setPixelSize(std::max(1, Scaled(base.pixelSize())));
  } else if (base.pointSizeF() > 0) {
    font.setPointSizeF(base.pointSizeF() * FScale);
  }
  return font;
}

}  // namespace fjordheim
