#include "gui/controls/picture_loader.h"

#include <QString>

#include "core/common/path_resolver.h"
#include "core/common/translation.h"

namespace fjordheim {

QImage TPictureLoader::Load(const std::string& gamePath) {
  QImage image(QString::fromStdString(ResolvePath(gamePath)));
  if (image.isNull() && FSink != nullptr && !FReported) {
    FReported = true;
    // Translators: {0} is the path of the missing picture file.
    FSink->ShowMessage(Tr("Finner ikke bildet {0}", gamePath));
  }
  return image;
}

}  // namespace fjordheim
