#include "gui/council/council_image.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <array>

#include "core/council/adviser.h"
#include "gui/controls/draw_transparent.h"

namespace fjordheim {

namespace {

constexpr QSize FallbackSize{563, 480};
// Over the chief's head and shoulders in front of the advisers.
constexpr QRect ChiefSeatRect{214, 182, 96, 120};
constexpr QSize PlateSize{92, 30};
// The middle of the top of each adviser's name plate, by advice area: under the figures
// whose feet are seen, over the heads of those who stand behind another.
constexpr std::array<QPoint, AdviceAreaCount> PlateAnchors{{{450, 402}, {478, 40}, {352, 264}, {264, 36}, {120, 262}}};
const QColor PlateColour(255, 248, 225, 235);
const QColor PlateBorder(59, 36, 20);
constexpr int SmallestPlatePixels = 8;

// A role that a language writes longer than the plate is written smaller, never cut.
QFont FittedTo(QFont font, const QString& text, int width) {
  while (font.pixelSize() > SmallestPlatePixels && QFontMetrics(font).horizontalAdvance(text) > width) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

}  // namespace

TCouncilImage::TCouncilImage(QWidget* parent, TAdviceGenerator& generator, const TPictureList* bubblePictures,
                             const QPixmap& background)
    : QWidget(parent), FMeeting(generator), FBubble(this, bubblePictures, 0, 0), FBackground(background) {
  const QSize size = background.isNull() ? FallbackSize : background.size();
  setFixedSize(size);
  FBuffer = QImage(size, QImage::Format_RGB32);
  FBubble.SetTextRect({20, 20, 160, 100});
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void TCouncilImage::SetBackground(const QPixmap& background) {
  FBackground = background;
  update();
}

QRect TCouncilImage::ChiefSeat() { return ChiefSeatRect; }

void TCouncilImage::SetChiefPortrait(const QImage& face) {
  FChiefPortrait = face.isNull() ? QImage()
                                 : KeyedImage(face, face.pixel(0, 0))
                                       .scaled(ChiefSeatRect.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  update();
}

void TCouncilImage::StartMeeting(TAdviceSeason season, TRandom& random) { ShowAnswer(FMeeting.Start(season, random)); }

void TCouncilImage::BeginMeeting() { ShowAnswer(FMeeting.Begin()); }

void TCouncilImage::ShowAnswer(const TCouncilAnswer& answer) {
  if (!answer.BubbleVisible) {
    FBubble.SetVisible(false);
    FBubble.Invalidate();
    return;
  }
  if (answer.AllHeardNow && OnAllHeard) OnAllHeard();
  FBubble.SetFrame(answer.Frame);
  FBubble.SetVisible(true);
  FBubble.SetText(QString::fromStdString(answer.Text));
  FBubble.SetConcern(QString::fromStdString(answer.Concern));
  if (!answer.ChiefSound.empty() && OnChiefSound) OnChiefSound(answer.ChiefSound);
  PlaceBubble(answer);
  if (answer.Advice != nullptr && OnAdvice) OnAdvice(*answer.Advice);
}

// A concern beside the advice needs more room: the bubble grows, and its tail stays on the speaker.
void TCouncilImage::PlaceBubble(const TCouncilAnswer& answer) {
  const int percent = answer.Concern.empty() ? 100 : TCouncilMeeting::ConcernBubblePercent;
  const QSize picture = FBubble.PictureSize();
  const QSize size(picture.width() * percent / 100, picture.height() * percent / 100);
  const TWorkRect& text = answer.TextRect;
  FBubble.SetTextRect({text.Left * percent / 100, text.Top * percent / 100, text.Right * percent / 100,
                       text.Bottom * percent / 100});
  FBubble.SetMirrored(answer.TailRight);
  FBubble.Invalidate();
  FBubble.SetSize(size);
  const TBubblePlace place = fjordheim::PlaceBubble(answer.TailX, answer.TailY, answer.TailRight, size.width(),
                                                    size.height(), width(), height());
  FBubble.MoveTo(place.X, place.Y);
}

QRect TCouncilImage::NamePlate(TAdviceArea area) {
  const QPoint anchor = PlateAnchors[static_cast<std::size_t>(area)];
  return {anchor.x() - PlateSize.width() / 2, anchor.y(), PlateSize.width(), PlateSize.height()};
}

QString TCouncilImage::HintAt(QPoint point) {
  for (int area = 0; area < AdviceAreaCount; ++area) {
    if (NamePlate(static_cast<TAdviceArea>(area)).contains(point)) {
      return QString::fromStdString(Tr(Advisers[static_cast<std::size_t>(area)].Hint));
    }
  }
  const int zone = TCouncilMeeting::ZoneAt(point.x(), point.y());
  if (zone < 0) return {};
  const int speaker = TCouncilMeeting::Zones[static_cast<std::size_t>(zone)].Speaker;
  if (speaker == TCouncilMeeting::ChiefSpeaker) return {};
  return QString::fromStdString(Tr(Advisers[static_cast<std::size_t>(speaker)].Hint));
}

void TCouncilImage::DrawNamePlates(QPainter& painter) const {
  QFont name = font();
  name.setPixelSize(12);
  name.setBold(true);
  QFont role = font();
  role.setPixelSize(11);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (int area = 0; area < AdviceAreaCount; ++area) {
    const TAdviser& adviser = Advisers[static_cast<std::size_t>(area)];
    const QRect plate = NamePlate(static_cast<TAdviceArea>(area));
    painter.setPen(QPen(PlateBorder, 1.5));
    painter.setBrush(PlateColour);
    painter.drawRoundedRect(QRectF(plate).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.setPen(PlateBorder);
    painter.setFont(name);
    painter.drawText(plate.adjusted(0, 1, 0, -plate.height() / 2), Qt::AlignCenter, QString::fromUtf8(adviser.Name));
    const QString roleText = QString::fromStdString(Tr(adviser.Role));
    painter.setFont(FittedTo(role, roleText, plate.width() - 8));
    painter.drawText(plate.adjusted(0, plate.height() / 2 - 2, 0, -1), Qt::AlignCenter, roleText);
  }
  painter.restore();
}

void TCouncilImage::paintEvent(QPaintEvent* event) {
  const QRect clip = event->rect();
  {
    QPainter buffer(&FBuffer);
    buffer.setClipRect(clip);
    if (FBackground.isNull()) {
      buffer.fillRect(clip, QColor(70, 50, 35));
    } else {
      buffer.drawPixmap(clip.topLeft(), FBackground, clip);
    }
    if (!FChiefPortrait.isNull()) {
      const QRect seat = ChiefSeatRect;
      buffer.drawImage(seat.center() - QPoint(FChiefPortrait.width() / 2, FChiefPortrait.height() / 2), FChiefPortrait);
    }
    DrawNamePlates(buffer);
    const TWorkRect b = FBubble.Bounds();
    if (clip.intersects(QRect(b.Left, b.Top, b.Width(), b.Height()))) FBubble.Draw(buffer);
  }
  QPainter painter(this);
  painter.drawImage(clip.topLeft(), FBuffer, clip);
}

void TCouncilImage::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  ShowAnswer(FMeeting.Click(point.x(), point.y()));
}

bool TCouncilImage::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QString hint = HintAt(help->pos());
  if (hint.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), hint, this);
  }
  return true;
}

void TCouncilImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  setCursor(TCouncilMeeting::ZoneAt(point.x(), point.y()) >= 0 ? Qt::WhatsThisCursor : Qt::ArrowCursor);
}

}  // namespace fjordheim
