#pragma once

#include <QImage>
#include <QString>

namespace fjordheim {

/// One picture of every BMP the manifest of a game folder lists, each scaled into a
/// cell with its name below, so a person can look at the whole art at once.
class TContactSheet {
 public:
  /// Throws std::runtime_error when the manifest cannot be read.
  static QImage Make(const QString& gameFolder);
};

}  // namespace fjordheim
