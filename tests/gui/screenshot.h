#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace fjordheim {

// Every window a test shows is kept as a picture under the build folder, for a person to look at.
inline QString SaveScreenshot(QWidget& widget, const QString& name) {
  const QString folder = QCoreApplication::applicationDirPath() + "/screenshots";
  QDir().mkpath(folder);
  const QString path = folder + "/" + name + ".png";
  widget.grab().save(path, "PNG");
  return path;
}

}  // namespace fjordheim
