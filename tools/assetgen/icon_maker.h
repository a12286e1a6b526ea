#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace fjordheim {

/// The game's icon for the desktop's menu, drawn from packaging/fjordheim.svg into the sizes
/// of the icon theme.
class TIconMaker {
 public:
  /// The square sizes the hicolor icon theme looks for.
  static QList<int> Sizes();
  /// The icon at size x size pixels on a transparent background.
  static QImage Render(const QString& svgPath, int size);
  /// Writes <folder>/hicolor/<n>x<n>/apps/<name>.png for every size and
  /// <folder>/hicolor/scalable/apps/<name>.svg; throws std::runtime_error when it cannot.
  static void WriteTheme(const QString& svgPath, const QString& folder, const QString& name);
};

}  // namespace fjordheim
