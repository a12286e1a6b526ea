#include "tools/assetgen/icon_maker.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "tools/assetgen/svg_art.h"

namespace fjordheim {

QList<int> TIconMaker::Sizes() { return {16, 22, 24, 32, 48, 64, 128, 256}; }

// Small sizes are drawn four times larger and scaled down, which keeps the thin lines.
QImage TIconMaker::Render(const QString& svgPath, int size) {
  const int drawn = size < 64 ? size * 4 : size;
  const QImage image = TSvgArt::FromFile(svgPath).RenderTransparent({drawn, drawn});
  if (drawn == size) return image;
  return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TIconMaker::WriteTheme(const QString& svgPath, const QString& folder, const QString& name) {
  for (const int size : Sizes()) {
    const QString apps = QString("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(apps) || !Render(svgPath, size).save(apps + "/" + name + ".png", "PNG"))
      throw std::runtime_error("cannot write the icon in " + apps.toStdString());
  }
  const QString scalable = folder + "/hicolor/scalable/apps";
  const QString copy = scalable + "/" + name + ".svg";
  QFile::remove(copy);
  if (!QDir().mkpath(scalable) || !QFile::copy(svgPath, copy))
    throw std::runtime_error("cannot write the icon in " + scalable.toStdString());
}

}  // namespace fjordheim
