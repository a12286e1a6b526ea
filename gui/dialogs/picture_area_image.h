#pragma once

#include <QPixmap>

#include "core/game/season_report.h"
#include "gui/controls/picture_list.h"

namespace fjordheim {

/// The picture of a report area: the background colour with the small pictures drawn on it
/// in order; a picture missing from the list is drawn as a grey square of fallbackSize.
QPixmap PictureAreaImage(const TPictureArea& area, const TPictureList* pictures, const QColor& background,
                         int fallbackSize);

}  // namespace fjordheim
