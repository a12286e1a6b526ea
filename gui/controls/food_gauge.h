#pragma once

#include <QImage>
#include <QWidget>

#include "core/game/food_status.h"
#include "core/game/season_forecast.h"
#include "gui/controls/forecast_line.h"

namespace fjordheim {

/// The small food gauge beside the status button: a portion of food, a bar that is full
/// when the store holds two seasons' need, green, yellow or red as the food stands, and a
/// round mark in the colours of the work page's line for what the next season brings of food.
class TFoodGauge : public QWidget {
  Q_OBJECT

 public:
  explicit TFoodGauge(QWidget* parent = nullptr);

  /// The gauge and its hint from the village's food and the forecast of the next season;
  /// picture is one portion (may be empty).
  void SetStatus(const TFoodStatus& food, const TSeasonForecast& forecast, const QImage& picture);
  double Level() const { return FLevel; }
  TFoodGaugeState State() const { return FState; }
  /// The mark is drawn only while there is a forecast.
  bool ForecastShown() const { return FForecastShown; }
  TForecastLine::TMood ForecastMood() const { return FForecastMood; }
  /// The colour of the bar for a state.
  static QColor StateColour(TFoodGaugeState state);

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void PaintForecastMark(QPainter& painter, const QRectF& place) const;

  double FLevel = 0;
  TFoodGaugeState FState = TFoodGaugeState::Plenty;
  bool FForecastShown = false;
  TForecastLine::TMood FForecastMood = TForecastLine::TMood::Fed;
  QImage FPicture;
};

}  // namespace fjordheim
