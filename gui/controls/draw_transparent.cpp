#include "gui/controls/draw_transparent.h"

namespace fjordheim {

QImage KeyedImage(const QImage& bitmap, QRgb transparentColour) {
  QImage keyed = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = transparentColour & RGB_MASK;
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if ((row[x] & RGB_MASK) == key) row[x] = 0;
    }
  }
  return keyed;
}

void DrawTransparent(QPainter& target, const QImage& bitmap, QRgb transparentColour) {
  target.drawImage(0, 0, KeyedImage(bitmap, transparentColour));
}

}  // namespace fjordheim
