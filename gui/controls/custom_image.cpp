#include "gui/controls/custom_image.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

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

void TCustomImage::SetScale(double scale) {
  FScale = scale > 0 ? scale : 1.0;
  PictureChanged();
}

QSize TCustomImage::ScaledPictureSize() const {
  return {static_cast<int>(FPicture.width() * FScale + 0.5), static_cast<int>(FPicture.height() * FScale + 0.5)};
}

QRect TCustomImage::DestRect() const {
  if (FStretch) return rect();
  const QSize shown = ScaledPictureSize();
  if (FCenter) return {(width() - shown.width()) / 2, (height() - shown.height()) / 2, shown.width(), shown.height()};
  return {{0, 0}, shown};
}

void TCustomImage::PictureChanged() {
  if (FAutoSize && FPicture.width() > 0 && FPicture.height() > 0) resize(ScaledPictureSize());
  setAttribute(Qt::WA_OpaquePaintEvent, !FPicture.isNull() && !FPicture.hasAlphaChannel() && ScaledPictureSize() == size());
  update();
}

void TCustomImage::paintEvent(QPaintEvent*) {
  if (FPicture.isNull()) return;
  QPainter painter(this);
  // Whole scales keep the pixels crisp, as the game screen does.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, std::floor(FScale) != FScale);
  painter.drawImage(DestRect(), FPicture);
}

void TCustomImage::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit MouseReleased(at, event->button());
  if (event->button() == Qt::LeftButton && rect().contains(at)) emit Clicked(at);
  QWidget::mouseReleaseEvent(event);
}

}  // namespace fjordheim
