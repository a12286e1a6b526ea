#pragma once

#include <QColor>

#include <cstdint>

#include "gui/controls/custom_image.h"

namespace fjordheim {

enum class TTranspColourLoc : std::uint8_t { tclUpperLeft = 0, tclUpperRight, tclLowerLeft, tclLowerRight, tclCustom };

/// A picture control that leaves one colour of its picture transparent: a given colour,
/// or the colour of one corner pixel, taken again whenever the picture changes.
class TTransparentImage : public TCustomImage {
  Q_OBJECT

 public:
  explicit TTransparentImage(QWidget* parent = nullptr);

  void SetTranspColour(QRgb colour);
  void SetTranspColourLoc(TTranspColourLoc loc);
  QRgb TranspColour() const { return FTranspColour; }
  TTranspColourLoc TranspColourLoc() const { return FTranspColourLoc; }

 protected:
  void PictureChanged() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRgb FTranspColour = qRgb(0, 0, 0);
  TTranspColourLoc FTranspColourLoc = TTranspColourLoc::tclUpperLeft;
};

}  // namespace fjordheim
