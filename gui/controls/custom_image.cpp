#include "gui/controls/custom_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace fjordheim {

TCustomImage::TCustomImage(QWidget* parent) : QWidget(parent) { resize(DefaultSize, DefaultSize); }

void TCustomImage::SetPicture(const QImage& picture) {
  FPicture = picture;
  PictureChanged();
}

void TCustomImage::SetAutoSize(bool autoSize) {
  FAutoSize = autoSize;
  PictureChanged();
}

void TCustomImage::SetCenter(bool center) {
  FCenter = center;
  update();
}

void TCustomImage::SetStretch(bool stretch) {
  FStretch = stretch;
  update();
}

QRect TCustomImage::DestRect() const {
  if (FStretch) return rect();
  if (FCenter) {
    return {(width() - FPicture.width()) / 2, (height() - FPicture.height()) / 2, FPicture.width(), FPicture.height()};
  }
  return {0, 0, FPicture.width(), FPicture.height()};
}

void TCustomImage::PictureChanged() {
  if (FAutoSize && FPicture.width() > 0 && FPicture.height() > 0) resize(FPicture.size());
  setAttribute(Qt::WA_OpaquePaintEvent, !FPicture.isNull() && !FPicture.hasAlphaChannel() && FPicture.size() == size());
  update();
}

void TCustomImage::paintEvent(QPaintEvent*) {
  if (FPicture.isNull()) return;
  QPainter painter(this);
  painter.drawImage(DestRect(), FPicture);
}

void TCustomImage::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit MouseReleased(at, event->button());
  if (event->button() == Qt::LeftButton && rect().contains(at)) emit Clicked(at);
  QWidget::mouseReleaseEvent(event);
}

}  // namespace fjordheim
