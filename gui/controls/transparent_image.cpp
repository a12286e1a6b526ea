#include "gui/controls/transparent_image.h"

#include <QPainter>

#include "gui/controls/draw_transparent.h"

namespace fjordheim {

TTransparentImage::TTransparentImage(QWidget* parent) : TCustomImage(parent) {}

void TTransparentImage::SetTranspColour(QRgb colour) {
  FTranspColour = colour;
  FTranspColourLoc = TTranspColourLoc::tclCustom;
  update();
}

void TTransparentImage::SetTranspColourLoc(TTranspColourLoc loc) {
  FTranspColourLoc = loc;
  const QImage& picture = Picture();
  if (loc != TTranspColourLoc::tclCustom && !picture.isNull()) {
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    switch (loc) {
      case TTranspColourLoc::tclUpperLeft: FTranspColour = picture.pixel(0, 0); break;
      case TTranspColourLoc::tclUpperRight: FTranspColour = picture.pixel(right, 0); break;
      case TTranspColourLoc::tclLowerLeft: FTranspColour = picture.pixel(0, bottom); break;
      case TTranspColourLoc::tclLowerRight: FTranspColour = picture.pixel(right, bottom); break;
      case TTranspColourLoc::tclCustom: break;
    }
  }
  update();
}

void TTransparentImage::PictureChanged() {
  TCustomImage::PictureChanged();
  // Nothing shows through a picture that lacks one colour, so the control is never opaque.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  SetTranspColourLoc(FTranspColourLoc);
}

void TTransparentImage::paintEvent(QPaintEvent*) {
  if (Picture().isNull() || width() <= 0 || height() <= 0) return;
  QImage work(size(), QImage::Format_RGB32);
  work.fill(FTranspColour);
  {
    QPainter workPainter(&work);
    workPainter.drawImage(DestRect(), Picture());
  }
  QPainter painter(this);
  DrawTransparent(painter, work, FTranspColour);
}

}  // namespace fjordheim
