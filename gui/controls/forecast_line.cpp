#include "gui/controls/forecast_line.h"

namespace fjordheim {

namespace {

QString EdgeColour(TForecastLine::TMood mood) {
  switch (mood) {
    case TForecastLine::TMood::Fed: return "#3c9a3c";
    case TForecastLine::TMood::Short: return "#d7a51e";
    case TForecastLine::TMood::Danger: return "#c8322a";
  }
  return "#3c9a3c";
}

}  // namespace

TForecastLine::TForecastLine(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignCenter);
  QFont bigger = font();
  bigger.setPixelSize(12);
  bigger.setBold(true);
  setFont(bigger);
  hide();
}

TForecastLine::TMood TForecastLine::MoodOf(const TSeasonForecast& forecast) {
  if (forecast.Danger()) return TMood::Danger;
  if (forecast.Hungry() || forecast.Short(TWorkKind::Cattle)) return TMood::Short;
  return TMood::Fed;
}

void TForecastLine::SetForecast(const TSeasonForecast& forecast) {
  const QString text = QString::fromStdString(forecast.WorkLine());
  FMood = MoodOf(forecast);
  setStyleSheet(QString("QLabel { background: rgba(250, 244, 226, 235); color: #2a1e0e; border: 3px solid %1;"
                        " border-radius: 6px; padding: 2px 6px; }")
                    .arg(EdgeColour(FMood)));
  setText(text);
  setVisible(!text.isEmpty());
}

}  // namespace fjordheim
