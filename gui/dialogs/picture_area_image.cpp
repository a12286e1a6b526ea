#include "gui/dialogs/picture_area_image.h"

#include <QPainter>

namespace fjordheim {

QPixmap PictureAreaImage(const TPictureArea& area, const TPictureList* pictures, const QColor& background,
                         int fallbackSize) {
  QPixmap image(std::max(1, area.Width), std::max(1, area.Height));
  image.fill(background);
  QPainter painter(&image);
  for (const TPicturePlacement& place : area.Pictures) {
    if (pictures != nullptr && !pictures->Size().isEmpty() && !pictures->Picture(place.Picture).isNull()) {
      pictures->Draw(painter, place.X, place.Y, place.Picture);
    } else {
      painter.fillRect(place.X + 1, place.Y + 1, fallbackSize - 2, fallbackSize - 2, QColor(110, 110, 110));
    }
  }
  return image;
}

}  // namespace fjordheim
