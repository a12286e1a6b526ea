#include "gui/controls/zone_image.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "core/common/path_resolver.h"

namespace fjordheim {

TZoneImage::TZoneImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void TZoneImage::SetPicture(const QImage& picture, const std::vector<QImage>& overlays) {
  FPicture = picture;
  if (!overlays.empty() && !FPicture.isNull()) {
    FPicture = FPicture.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&FPicture);
    for (const QImage& overlay : overlays) painter.drawImage(0, 0, overlay);
  }
  update();
}

void TZoneImage::SetScale(double scale) {
  FScale = scale > 0 ? scale : 1.0;
  update();
}

void TZoneImage::SetMaskFile(const std::string& path) {
  if (FoldFileNameCase(path) == FoldFileNameCase(FMaskFile)) return;
  FMask = TZoneMask();
  FMaskFile = path;
  FMask = TZoneMask::Read(path);
}

std::uint8_t TZoneImage::ZoneAt(int x, int y) const { return FMask.ZoneAt(x, y, FPicture.width()); }

void TZoneImage::paintEvent(QPaintEvent*) {
  if (FPicture.isNull()) return;
  QPainter painter(this);
  // Whole scales keep the pixels crisp, as the game screen does.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, std::floor(FScale) != FScale);
  painter.drawImage(QRectF(0, 0, FPicture.width() * FScale, FPicture.height() * FScale), FPicture);
}

// The picture pixel whose square holds the point, so that a click lands on the zone the
// enlarged picture shows there.
QPoint TZoneImage::PicturePixel(QPointF at) const {
  return {static_cast<int>(std::floor(at.x() / FScale)), static_cast<int>(std::floor(at.y() / FScale))};
}

void TZoneImage::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMoved(PicturePixel(event->position()));
  QWidget::mouseMoveEvent(event);
}

void TZoneImage::mouseReleaseEvent(QMouseEvent* event) {
  emit MouseReleased(PicturePixel(event->position()));
  QWidget::mouseReleaseEvent(event);
}

}  // namespace fjordheim
