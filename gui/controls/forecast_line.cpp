#include "gui/controls/forecast_line.h"

#include <algorithm>

namespace fjordheim {

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

QColor TForecastLine::EdgeColour(TMood mood) {
  switch (mood) {
    case TMood::Fed: return {0x3c, 0x9a, 0x3c};
    case TMood::Short: return {0xd7, 0xa5, 0x1e};
    case TMood::Danger: return {0xc8, 0x32, 0x2a};
  }
  return {0x3c, 0x9a, 0x3c};
}

TForecastLine::TMood TForecastLine::MoodOf(const TSeasonForecast& forecast) {
  if (forecast.Danger()) return TMood::Danger;
  if (forecast.Hungry() || !forecast.StoreLastsWinter() || forecast.Short(TWorkKind::Cattle)) return TMood::Short;
  return TMood::Fed;
}

TForecastLine::TMood TForecastLine::FoodMoodOf(const TSeasonForecast& forecast) {
  if (forecast.Available && (forecast.Starvation() || forecast.NobodyWorks)) return TMood::Danger;
  if (forecast.Hungry() || !forecast.StoreLastsWinter()) return TMood::Short;
  return TMood::Fed;
}

void TForecastLine::SetForecast(const TSeasonForecast& forecast) {
  // A share is never parted from its sign at the end of a line.
  const QString text = QString::fromStdString(forecast.WorkLine()).replace(" %", QString(QChar(0x00A0)) + "%");
  FMood = MoodOf(forecast);
  setStyleSheet(QString("QLabel { background: rgba(250, 244, 226, 235); color: #2a1e0e; border: 3px solid %1;"
                        " border-radius: 6px; padding: 2px 4px; }")
                    .arg(EdgeColour(FMood).name()));
  setText(text);
  FitToColumn();
  setVisible(!text.isEmpty());
}

void TForecastLine::SetColumn(const QRect& column) {
  FColumn = column;
  FitToColumn();
}

// Standing at the foot of the column keeps the note beside the button that ends the season,
// whatever the length of the sentence in the language chosen.
void TForecastLine::FitToColumn() {
  if (FColumn.isEmpty()) return;
  ensurePolished();
  const int height = std::min(FColumn.height(), heightForWidth(FColumn.width()));
  setGeometry(FColumn.left(), FColumn.bottom() + 1 - height, FColumn.width(), height);
}

}  // namespace fjordheim
