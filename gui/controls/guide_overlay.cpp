#include "gui/controls/guide_overlay.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace fjordheim {

namespace {

constexpr int Padding = 5;
constexpr int ButtonHeight = 20;
constexpr int TextPixels = 12;
const QColor ArrowColour(200, 50, 42);
const QColor BoxColour(255, 246, 200);
const QColor EdgeColour(139, 37, 0);

// The point of the box's edge nearest the tip: where the arrow leaves the box.
QPointF EdgePointTowards(const QRect& box, const QPoint& tip) {
  return {std::clamp(tip.x(), box.left(), box.right()) * 1.0, std::clamp(tip.y(), box.top(), box.bottom()) * 1.0};
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to) {
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length < 4) return;
  const QPointF unit = along / length;
  const QPointF across(-unit.y(), unit.x());
  constexpr double Head = 11;
  const QPointF base = to - unit * Head;
  painter.setPen(QPen(ArrowColour, 4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, base);
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(base + across * (Head * 0.6));
  head.lineTo(base - across * (Head * 0.6));
  head.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(ArrowColour);
  painter.drawPath(head);
}

}  // namespace

TGuideOverlay::TGuideOverlay(QWidget* parent) : QWidget(parent), FSwitchOff(new QPushButton(parent)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  QFont text = font();
  text.setPixelSize(TextPixels);
  text.setBold(true);
  setFont(text);
  FSwitchOff->setText(QString::fromStdString(Tr(SwitchOffText)));
  QFont small = font();
  small.setBold(false);
  small.setPixelSize(TextPixels - 1);
  FSwitchOff->setFont(small);
  FSwitchOff->setCursor(Qt::PointingHandCursor);
  connect(FSwitchOff, &QPushButton::clicked, this, [this] {
    if (OnSwitchOff) OnSwitchOff();
  });
  Clear();
}

// The help lives as long as the game: its button speaks anew when the title's language changes.
void TGuideOverlay::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) FSwitchOff->setText(QString::fromStdString(Tr(SwitchOffText)));
  QWidget::changeEvent(event);
}

int TGuideOverlay::BoxHeight(const QString& sentence, int width) const {
  const QRect text = QFontMetrics(font()).boundingRect(QRect(0, 0, width - 2 * Padding, 1000), Qt::TextWordWrap, sentence);
  return text.height() + ButtonHeight + 3 * Padding;
}

QRect TGuideOverlay::TextRect() const {
  return FBox.adjusted(Padding, Padding, -Padding, -(ButtonHeight + 2 * Padding));
}

void TGuideOverlay::Point(const QString& sentence, const QRect& box, const QPoint& tip) {
  FSentence = sentence;
  FBox = box;
  FTip = tip;
  setGeometry(parentWidget()->rect());
  FSwitchOff->setGeometry(FBox.left() + Padding, FBox.bottom() - Padding - ButtonHeight + 1, FBox.width() - 2 * Padding,
                          ButtonHeight);
  show();
  raise();
  FSwitchOff->show();
  FSwitchOff->raise();
  update();
}

void TGuideOverlay::Clear() {
  FSentence.clear();
  hide();
  FSwitchOff->hide();
}

void TGuideOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!FBox.contains(FTip)) DrawArrow(painter, EdgePointTowards(FBox, FTip), FTip);
  painter.setPen(QPen(EdgeColour, 2));
  painter.setBrush(BoxColour);
  painter.drawRoundedRect(QRectF(FBox).adjusted(1, 1, -1, -1), 6, 6);
  painter.setPen(QColor(42, 30, 14));
  painter.drawText(TextRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, FSentence);
}

}  // namespace fjordheim
