#include "gui/council/text_bubbla.h"

#include <QPainter>
#include <QWidget>

#include "core/common/text.h"
#include "core/council/council_meeting.h"

namespace fjordheim {

namespace {

QSize PictureSize(const TPictureList* pictures) {
  if (pictures != nullptr && !pictures->Size().isEmpty()) return pictures->Size();
  return TTextBubbla::FallbackSize;
}

QFont BubbleFont(const QFont& base) {
  QFont font(base);
  font.setPointSize(10);
  font.setBold(true);
  return font;
}

}  // namespace

TTextBubbla::TTextBubbla(QWidget* owner, const TPictureList* pictures, int x, int y)
    : FOwner(owner), FPictures(pictures) {
  const QSize size = PictureSize(pictures);
  FBounds = {x, y, x + size.width(), y + size.height()};
  FTextRect = {0, 0, size.width(), size.height()};
}

void TTextBubbla::Invalidate() const {
  if (FOwner != nullptr) FOwner->update(FBounds.Left, FBounds.Top, FBounds.Width(), FBounds.Height());
}

void TTextBubbla::MoveTo(int x, int y) {
  Invalidate();
  FBounds = FBounds.MovedTo(x, y);
  Invalidate();
}

QRect TTextBubbla::TextBlock(QPainter& painter) const {
  painter.setFont(BubbleFont(painter.font()));
  const QString text = QString::fromStdString(Trim(FText.toStdString()));
  const QRect column(0, 0, FTextRect.Width(), 100000);
  const QRect measured = painter.boundingRect(column, Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, text);
  const TTextOffset offset = CentredTextOffset(FTextRect, FTextRect.Width(), measured.height());
  return {FBounds.Left + FTextRect.Left + offset.Dx, FBounds.Top + FTextRect.Top + offset.Dy, FTextRect.Width(),
          measured.height()};
}

void TTextBubbla::Draw(QPainter& painter) const {
  if (!FVisible) return;
  const bool hasPicture = FPictures != nullptr && !FPictures->Size().isEmpty() && !FPictures->Picture(FFrame).isNull();
  if (hasPicture) {
    FPictures->Draw(painter, FBounds.Left, FBounds.Top, FFrame);
  } else {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRect(FBounds.Left + 10, FBounds.Top + 10, FBounds.Width() - 20, FBounds.Height() - 20),
                            30, 30);
  }
  const QRect block = TextBlock(painter);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawText(block, Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(Trim(FText.toStdString())));
}

}  // namespace fjordheim
