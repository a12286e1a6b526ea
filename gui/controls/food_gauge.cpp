#include "gui/controls/food_gauge.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

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

void TFoodGauge::SetStatus(const TFoodStatus& food, const TSeasonForecast& forecast, const QImage& picture) {
  FLevel = food.GaugeLevel;
  FState = food.GaugeState;
  FForecastShown = forecast.Available;
  FForecastMood = TForecastLine::FoodMoodOf(forecast);
  FPicture = picture;
  const QString hint = QString::fromStdString(food.Hint);
  setToolTip(hint);
  setAccessibleDescription(hint);
  update();
}

void TFoodGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setPen(QPen(QColor(90, 70, 40), 1));
  painter.setBrush(QColor(245, 235, 210));
  painter.drawRoundedRect(frame, 4, 4);
  const qreal gap = height() * 0.12;
  const qreal side = height() * 0.55;
  const QRectF icon(gap, (height() - side) / 2, side, side);
  if (!FPicture.isNull()) painter.drawImage(icon, FPicture);
  const qreal markSide = FForecastShown ? height() * 0.5 : 0;
  const QRectF mark(width() - gap - markSide, (height() - markSide) / 2, markSide, markSide);
  const qreal barRight = FForecastShown ? mark.left() - gap : width() - height() * 0.3;
  const QRectF bar(icon.right() + gap, height() * 0.3, barRight - icon.right() - gap, height() * 0.4);
  painter.setPen(QPen(QColor(60, 45, 25), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(bar);
  painter.setPen(Qt::NoPen);
  painter.setBrush(StateColour(FState));
  painter.drawRect(QRectF(bar.left() + 1, bar.top() + 1, (bar.width() - 2) * FLevel, bar.height() - 2));
  // A mark at one season's need: a bar past it holds more than the next season eats.
  painter.setPen(QPen(QColor(60, 45, 25), 1, Qt::DotLine));
  painter.drawLine(QPointF(bar.center().x(), bar.top()), QPointF(bar.center().x(), bar.bottom()));
  if (FForecastShown) PaintForecastMark(painter, mark);
}

// A round light with an arrow to the right: what the season ahead will bring.
void TFoodGauge::PaintForecastMark(QPainter& painter, const QRectF& place) const {
  painter.setPen(QPen(QColor(60, 45, 25), 1));
  painter.setBrush(TForecastLine::EdgeColour(FForecastMood));
  painter.drawEllipse(place);
  const qreal w = place.width();
  QPainterPath arrow;
  arrow.moveTo(place.left() + w * 0.38, place.top() + w * 0.25);
  arrow.lineTo(place.left() + w * 0.72, place.center().y());
  arrow.lineTo(place.left() + w * 0.38, place.bottom() - w * 0.25);
  arrow.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPath(arrow);
}

void TFoodGauge::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace fjordheim
