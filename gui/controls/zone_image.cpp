#include "gui/controls/zone_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/common/path_resolver.h"

namespace fjordheim {

TZoneImage::TZoneImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void TZoneImage::SetPicture(const QImage& picture) {
  FPicture = picture;
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
  painter.drawImage(0, 0, FPicture);
}

void TZoneImage::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMoved(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void TZoneImage::mouseReleaseEvent(QMouseEvent* event) {
  emit MouseReleased(event->position().toPoint());
  QWidget::mouseReleaseEvent(event);
}

}  // namespace fjordheim
