#include "gui/controls/picture_loader.h"

#include <QString>

#include "core/common/path_resolver.h"

namespace fjordheim {

QImage TPictureLoader::Load(const std::string& gamePath) {
  QImage image(QString::fromStdString(ResolvePath(gamePath)));
  if (image.isNull() && FSink != nullptr && FReported.insert(gamePath).second) {
    FSink->ShowMessage(MissingPicturePrefix + gamePath);
  }
  return image;
}

}  // namespace fjordheim
