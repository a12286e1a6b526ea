#include "tools/assetgen/button_painter.h"

#include <QLinearGradient>
#include <QPainter>

namespace fjordheim {

QImage TButtonPainter::Paint(const QImage& icon, QSize size, TState state) {
  QImage image(size, QImage::Format_RGB888);
  image.fill(QColor("#3b2414"));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF face = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
  QLinearGradient wood(face.topLeft(), face.bottomLeft());
  const bool pressed = state == TState::Pressed;
  const bool lit = state == TState::Highlighted;
  wood.setColorAt(0, pressed ? QColor("#7a4e2a") : lit ? QColor("#e3b071") : QColor("#c18a52"));
  wood.setColorAt(1, pressed ? QColor("#5e3a1e") : lit ? QColor("#b9804a") : QColor("#8f5d31"));
  painter.setPen(Qt::NoPen);
  painter.setBrush(wood);
  painter.drawRoundedRect(face, 5, 5);
  // Light falls from the top left: a raised button is bright there, a sunk one dark.
  QPen upper(pressed ? QColor("#2a180b") : QColor("#f2d3a6"), 2);
  QPen lower(pressed ? QColor("#e0b07a") : QColor("#3b2414"), 2);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(upper);
  painter.drawLine(face.topLeft() + QPointF(4, 1), face.topRight() + QPointF(-4, 1));
  painter.drawLine(face.topLeft() + QPointF(1, 4), face.bottomLeft() + QPointF(1, -4));
  painter.setPen(lower);
  painter.drawLine(face.bottomLeft() + QPointF(4, -1), face.bottomRight() + QPointF(-4, -1));
  painter.drawLine(face.topRight() + QPointF(-1, 4), face.bottomRight() + QPointF(-1, -4));
  if (lit) {
    painter.setPen(QPen(QColor("#ffd84a"), 2));
    painter.drawRoundedRect(face.adjusted(1, 1, -1, -1), 4, 4);
  }
  const QPoint offset = pressed ? QPoint(1, 1) : QPoint(0, 0);
  painter.drawImage(QPoint((size.width() - icon.width()) / 2, (size.height() - icon.height()) / 2) + offset, icon);
  painter.end();
  return image;
}

}  // namespace fjordheim
