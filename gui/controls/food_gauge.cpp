#include "gui/controls/food_gauge.h"

#include <QMouseEvent>
#include <QPainter>

namespace fjordheim {

TFoodGauge::TFoodGauge(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
}

QColor TFoodGauge::StateColour(TFoodGaugeState state) {
  switch (state) {
    case TFoodGaugeState::Plenty: return {60, 170, 60};
    case TFoodGaugeState::Low: return {235, 190, 40};
    case TFoodGaugeState::Hungry: return {215, 50, 40};
  }
  return {60, 170, 60};
}

void TFoodGauge::SetStatus(const TFoodStatus& food, const QImage& picture) {
  FLevel = food.GaugeLevel;
  FState = food.GaugeState;
  FPicture = picture;
  setToolTip(QString::fromStdString(food.Hint));
  update();
}

void TFoodGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setPen(QPen(QColor(90, 70, 40), 1));
  painter.setBrush(QColor(245, 235, 210));
  painter.drawRoundedRect(frame, 4, 4);
  const qreal side = height() * 0.55;
  const QRectF icon(height() * 0.12, (height() - side) / 2, side, side);
  if (!FPicture.isNull()) painter.drawImage(icon, FPicture);
  const QRectF bar(icon.right() + height() * 0.12, height() * 0.3, width() - icon.right() - height() * 0.3, height() * 0.4);
  painter.setPen(QPen(QColor(60, 45, 25), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(bar);
  painter.setPen(Qt::NoPen);
  painter.setBrush(StateColour(FState));
  painter.drawRect(QRectF(bar.left() + 1, bar.top() + 1, (bar.width() - 2) * FLevel, bar.height() - 2));
  // A mark at one season's need: a bar past it holds more than the next season eats.
  painter.setPen(QPen(QColor(60, 45, 25), 1, Qt::DotLine));
  painter.drawLine(QPointF(bar.center().x(), bar.top()), QPointF(bar.center().x(), bar.bottom()));
}

void TFoodGauge::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace fjordheim
