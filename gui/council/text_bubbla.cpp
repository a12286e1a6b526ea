#include "gui/council/text_bubbla.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QWidget>

#include "core/common/text.h"
#include "core/council/council_meeting.h"

namespace fjordheim {

namespace {

QSize SizeOf(const TPictureList* pictures) {
  if (pictures != nullptr && !pictures->Size().isEmpty()) return pictures->Size();
  return TTextBubbla::FallbackSize;
}

QFont BubbleFont(const QFont& base) {
  QFont font(base);
  font.setPointSize(10);
  font.setBold(true);
  return font;
}

constexpr int BubbleTextFlags = Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop;
// Between the text and the concern, so that the concern reads as a sentence of its own.
constexpr int ConcernGap = 6;
const QColor ConcernColour(150, 25, 15);

// A zero-width space between the letters of a word lets the line break inside it.
QString Breakable(const QString& word) {
  QString broken;
  for (const QChar letter : word) {
    if (!broken.isEmpty()) broken += QChar(0x200B);
    broken += letter;
  }
  return broken;
}

}  // namespace

TTextBubbla::TTextBubbla(QWidget* owner, const TPictureList* pictures, int x, int y)
    : FOwner(owner), FPictures(pictures) {
  const QSize size = SizeOf(pictures);
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

QSize TTextBubbla::PictureSize() const { return SizeOf(FPictures); }

void TTextBubbla::SetSize(QSize size) {
  FBounds = {FBounds.Left, FBounds.Top, FBounds.Left + size.width(), FBounds.Top + size.height()};
}

int TTextBubbla::TextHeight(QPainter& painter, const QString& text) const {
  const QRect column(0, 0, FTextRect.Width(), 100000);
  return painter.boundingRect(column, BubbleTextFlags, QString::fromStdString(Trim(text.toStdString()))).height();
}

QRect TTextBubbla::TextBlock(QPainter& painter) const {
  painter.setFont(BubbleFont(painter.font()));
  int height = TextHeight(painter, FText);
  if (!FConcern.isEmpty()) height += ConcernGap + TextHeight(painter, FConcern);
  const TTextOffset offset = CentredTextOffset(FTextRect, FTextRect.Width(), height);
  return {FBounds.Left + FTextRect.Left + offset.Dx, FBounds.Top + FTextRect.Top + offset.Dy, FTextRect.Width(),
          height};
}

QRect TTextBubbla::ConcernBlock(QPainter& painter) const {
  if (FConcern.isEmpty()) return {};
  const QRect block = TextBlock(painter);
  const int concern = TextHeight(painter, FConcern);
  return {block.left(), block.bottom() + 1 - concern, block.width(), concern};
}

QString TTextBubbla::Fitted(const QString& text) const {
  const QFontMetrics metrics(BubbleFont(FOwner != nullptr ? FOwner->font() : QFont()));
  const QRect column(0, 0, FTextRect.Width(), 100000);
  QStringList words = text.split(QChar(' '));
  for (QString& word : words) {
    if (metrics.horizontalAdvance(word) > FTextRect.Width()) word = Breakable(word);
  }
  const QString whole = words.join(QChar(' '));
  const auto fits = [&](const QString& candidate) {
    return metrics.boundingRect(column, BubbleTextFlags, candidate).height() <= FTextRect.Height();
  };
  if (fits(whole)) return whole;
  const QString more = QString::fromUtf8("…");
  qsizetype kept = 0;
  qsizetype tooMany = whole.size();
  while (tooMany - kept > 1) {
    const qsizetype middle = (kept + tooMany) / 2;
    if (fits(whole.left(middle) + more)) {
      kept = middle;
    } else {
      tooMany = middle;
    }
  }
  return whole.left(kept) + more;
}

void TTextBubbla::Draw(QPainter& painter) const {
  if (!FVisible) return;
  const bool hasPicture = FPictures != nullptr && !FPictures->Size().isEmpty() && !FPictures->Picture(FFrame).isNull();
  const QSize size(FBounds.Width(), FBounds.Height());
  if (hasPicture && !FMirrored && size == FPictures->Size()) {
    FPictures->Draw(painter, FBounds.Left, FBounds.Top, FFrame);
  } else if (hasPicture) {
    const QImage picture = FPictures->Picture(FFrame).mirrored(FMirrored, false);
    painter.drawImage(QPoint(FBounds.Left, FBounds.Top),
                      picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  } else {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRect(FBounds.Left + 10, FBounds.Top + 10, FBounds.Width() - 20, FBounds.Height() - 20),
                            30, 30);
  }
  const QRect block = TextBlock(painter);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawText(block, BubbleTextFlags, QString::fromStdString(Trim(FText.toStdString())));
  if (FConcern.isEmpty()) return;
  painter.setPen(ConcernColour);
  painter.drawText(ConcernBlock(painter), BubbleTextFlags, QString::fromStdString(Trim(FConcern.toStdString())));
}

}  // namespace fjordheim
