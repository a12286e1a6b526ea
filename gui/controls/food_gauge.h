#pragma once

#include <QImage>
#include <QWidget>

#include "core/game/food_status.h"

namespace fjordheim {

/// The small food gauge beside the status button: a portion of food and a bar that is
/// full when the store holds two seasons' need, green, yellow or red as the food stands.
class TFoodGauge : public QWidget {
  Q_OBJECT

 public:
  explicit TFoodGauge(QWidget* parent = nullptr);

  /// The gauge and its hint from the village's food; picture is one portion (may be empty).
  void SetStatus(const TFoodStatus& food, const QImage& picture);
  double Level() const { return FLevel; }
  TFoodGaugeState State() const { return FState; }
  /// The colour of the bar for a state.
  static QColor StateColour(TFoodGaugeState state);

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  double FLevel = 0;
  TFoodGaugeState FState = TFoodGaugeState::Plenty;
  QImage FPicture;
};

}  // namespace fjordheim
