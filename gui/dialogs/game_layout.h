#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace fjordheim {

/// Places the controls of a window laid out in game pixels at the game's scale, so that a
/// window opened over the scaled game has the same proportions as the game itself.
class TGameLayout {
 public:
  explicit TGameLayout(double scale = 1.0) : FScale(scale > 0 ? scale : 1.0) {}

  int Scaled(int value) const { return static_cast<int>(value * FScale + 0.5); }
  QRect Rect(int x, int y, int width, int height) const {
    return {Scaled(x), Scaled(y), Scaled(width), Scaled(height)};
  }
  QSize Size(int width, int height) const { return {Scaled(width), Scaled(height)}; }
  void Place(QWidget* widget, int x, int y, int width, int height) const;
  /// A font of the given character height in game pixels.
  QFont PixelFont(const QString& family, int pixels, bool bold = false) const;
  /// A font of the given size in points, scaled with the game.
  QFont PointFont(const QFont& base, int points, bool bold = false) const;
  /// The base font at the game's scale, whether its size is given in points or pixels.
  QFont Font(const QFont& base) const;
  double Scale() const { return FScale; }

 private:
  double FScale;
};

}  // namespace fjordheim
