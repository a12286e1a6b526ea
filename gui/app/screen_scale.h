#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

namespace fjordheim {

inline constexpr int GameWidth = 640;
inline constexpr int GameHeight = 480;

/// How the 640 × 480 game fills a screen: the largest whole factor that fits when that
/// is 2 or more, drawn with crisp pixels; otherwise the largest factor that fits, drawn
/// smoothly. The game is centred; what is left over stays black.
struct TScreenScale {
  double Factor = 1.0;
  bool Smooth = false;
  QPoint Offset;

  static TScreenScale For(QSize screen);

  /// The game pixel under a screen pixel: the pixel whose square holds the screen
  /// pixel's top-left corner, so that at factor 2 screen pixels 2 and 3 both give 1.
  QPoint ToGame(QPointF screen) const;
  /// A screen point that maps back to exactly the given game pixel at any factor.
  QPointF ToScreen(QPoint game) const;
};

}  // namespace fjordheim
