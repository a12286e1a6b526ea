#pragma once

#include <QImage>
#include <QSize>

namespace fjordheim {

/// The three pictures of a picture button: normal, pressed (sunk, darker, the icon one
/// pixel down and right) and highlighted (lit, with a golden rim), from one icon.
class TButtonPainter {
 public:
  enum class TState { Normal, Pressed, Highlighted };

  /// icon is ARGB; the result is an opaque RGB888 picture of the given size.
  static QImage Paint(const QImage& icon, QSize size, TState state);
};

}  // namespace fjordheim
