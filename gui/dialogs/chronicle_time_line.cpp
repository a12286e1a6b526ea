#include "gui/dialogs/chronicle_time_line.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStringList>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace fjordheim {

namespace {

const QColor LineColour(70, 55, 35);
const QColor EventColour(220, 120, 20);
const QColor RightColour(50, 150, 60);
const QColor WrongColour(200, 50, 40);
const QColor EvenColour(130, 130, 130);

QColor VerdictColour(int score) {
  if (score > 0) return RightColour;
  return score < 0 ? WrongColour : EvenColour;
}

}  // namespace

TChronicleTimeLine::TChronicleTimeLine(QWidget* parent) : QWidget(parent) {}

void TChronicleTimeLine::SetMarks(const TChronicleGraphs& graphs) {
  FSeasons = static_cast<int>(graphs.SeasonNames.size());
  FEvents = graphs.Events;
  FVerdicts = graphs.Verdicts;
  update();
}

void TChronicleTimeLine::SetSpan(double first, double last) {
  FFirst = first;
  FLast = last;
  update();
}

double TChronicleTimeLine::SeasonX(int season) const {
  if (FSeasons <= 1) return FFirst;
  return FFirst + (FLast - FFirst) * season / (FSeasons - 1);
}

QString TChronicleTimeLine::TipAt(double x) const {
  if (FSeasons <= 0) return {};
  const double spacing = FSeasons > 1 ? (FLast - FFirst) / (FSeasons - 1) : 0;
  const int season = spacing > 0 ? static_cast<int>(std::lround((x - FFirst) / spacing)) : 0;
  // Near its mark: half the way to the next season, and never further than a badge's width.
  const double reach = std::max(8.0, std::min(spacing / 2, 16.0));
  if (season < 0 || season >= FSeasons || std::abs(x - SeasonX(season)) > reach) return {};
  QStringList lines;
  for (const TGraphMark& verdict : FVerdicts) {
    if (verdict.Season == season) lines << QString::fromStdString(verdict.Tip);
  }
  for (const TGraphMark& event : FEvents) {
    if (event.Season == season) lines << QString::fromStdString(event.Tip);
  }
  return lines.join('\n');
}

bool TChronicleTimeLine::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = TipAt(help->pos().x());
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this);
  }
  return true;
}

void TChronicleTimeLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double h = height();
  const double axis = h * 0.45;
  painter.setPen(QPen(LineColour, 1.5));
  painter.drawLine(QPointF(FFirst, axis), QPointF(FLast, axis));
  for (int season = 0; season < FSeasons; ++season) {
    painter.drawLine(QPointF(SeasonX(season), axis - 3), QPointF(SeasonX(season), axis + 3));
  }
  // The verdicts sit on the line, the events hang below it in two rows so that
  // neighbours do not write over each other.
  const double badge = h * 0.36;
  QFont small = font();
  small.setPixelSize(std::max(8, static_cast<int>(badge * 0.7)));
  painter.setFont(small);
  for (const TGraphMark& verdict : FVerdicts) {
    const QRectF circle(SeasonX(verdict.Season) - badge / 2, axis - badge - 4, badge, badge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(VerdictColour(verdict.Score));
    painter.drawEllipse(circle);
    painter.setPen(Qt::white);
    painter.drawText(circle, Qt::AlignCenter, QString::fromStdString(verdict.Text));
  }
  const QFontMetrics metrics(small);
  const double room = FSeasons > 1 ? std::max(40.0, 2 * (FLast - FFirst) / (FSeasons - 1)) : 120.0;
  for (std::size_t i = 0; i < FEvents.size(); ++i) {
    const TGraphMark& event = FEvents[i];
    const double x = SeasonX(event.Season);
    const double row = axis + 6 + (i % 2) * (metrics.height() + 2);
    painter.setPen(QPen(EventColour, 1.5));
    painter.drawLine(QPointF(x, axis), QPointF(x, row + metrics.height() / 2.0));
    painter.setBrush(EventColour);
    painter.drawEllipse(QPointF(x, axis), 3, 3);
    painter.setPen(LineColour);
    const QString text = metrics.elidedText(QString::fromStdString(event.Text), Qt::ElideRight, static_cast<int>(room));
    // A name that would run past the right edge is written to the left of its season.
    const double textWidth = metrics.horizontalAdvance(text);
    const double left = x + 3 + textWidth > width() ? x - 3 - textWidth : x + 3;
    painter.drawText(QPointF(left, row + metrics.ascent()), text);
  }
}

}  // namespace fjordheim
