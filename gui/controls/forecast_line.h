#pragma once

#include <QLabel>

#include "core/game/season_forecast.h"

namespace fjordheim {

/// The note beside the work places that says what the division on the page will bring: a
/// green edge when everyone will be fed, yellow when the food is short now or in the coming
/// winter, or the herds lack fodder, red in danger. It stands at the foot of its column, as
/// tall as its sentence needs. Hidden while there is no forecast.
class TForecastLine : public QLabel {
 public:
  enum class TMood { Fed = 0, Short = 1, Danger = 2 };

  explicit TForecastLine(QWidget* parent = nullptr);

  /// The space the note may take.
  void SetColumn(const QRect& column);
  void SetForecast(const TSeasonForecast& forecast);
  TMood Mood() const { return FMood; }
  static TMood MoodOf(const TSeasonForecast& forecast);
  /// The mood of the food alone, for the marks that tell the forecast's food line: a store
  /// that will not last the winter makes it yellow, the herds' fodder leaves it green.
  static TMood FoodMoodOf(const TSeasonForecast& forecast);
  /// The edge of the line, and of every other mark of the forecast, in a mood.
  static QColor EdgeColour(TMood mood);

 private:
  void FitToColumn();

  TMood FMood = TMood::Fed;
  QRect FColumn;
};

}  // namespace fjordheim
