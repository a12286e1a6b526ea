#include "gui/dialogs/picture_area_image.h"

#include <QPainter>

namespace fjordheim {

QPixmap PictureAreaImage(const TPictureArea& area, const QList<QPixmap>* pictures, const QColor& background,
                         int fallbackSize) {
  QPixmap image(std::max(1, area.Width), std::max(1, area.Height));
  image.fill(background);
  QPainter painter(&image);
  for (const TPicturePlacement& place : area.Pictures) {
    if (pictures != nullptr && place.Picture >= 0 && place.Picture < pictures->size() &&
        !(*pictures)[place.Picture].isNull()) {
      painter.drawPixmap(place.X, place.Y, (*pictures)[place.Picture]);
    } else {
      painter.fillRect(place.X + 1, place.Y + 1, fallbackSize - 2, fallbackSize - 2, QColor(110, 110, 110));
    }
  }
  return image;
}

}  // namespace fjordheim
