#include "gui/council/council_image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "gui/controls/draw_transparent.h"

namespace fjordheim {

namespace {

constexpr QSize FallbackSize{563, 480};
// Over the chief's head and shoulders in front of the advisers.
constexpr QRect ChiefSeatRect{214, 182, 96, 120};

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
  FBubble.SetTextRect(answer.TextRect);
  FBubble.SetFrame(answer.Frame);
  FBubble.SetVisible(true);
  FBubble.SetText(QString::fromStdString(answer.Text));
  if (!answer.ChiefSound.empty() && OnChiefSound) OnChiefSound(answer.ChiefSound);
  FBubble.MoveTo(answer.BubbleX, answer.BubbleY);
  if (answer.Advice != nullptr && OnAdvice) OnAdvice(*answer.Advice);
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

void TCouncilImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  setCursor(TCouncilMeeting::ZoneAt(point.x(), point.y()) >= 0 ? Qt::WhatsThisCursor : Qt::ArrowCursor);
}

}  // namespace fjordheim
