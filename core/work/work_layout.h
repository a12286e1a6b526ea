#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/village/human_info.h"
#include "core/work/work_rect.h"

namespace fjordheim {

/// Where an icon's top-left corner goes.
struct TIconPlace {
  int X = 0;
  int Y = 0;
  bool operator==(const TIconPlace&) const = default;
};

/// The row a person's icon lies in; Other is never moved by a layout.
enum class TRowGroup : unsigned char { AdultMan, AdultWoman, Youth, Other };

TRowGroup RowGroupOf(const THumanInfo& person);

/// A count written beside the last icon of a row of a work place.
struct TRowCount {
  int X = 0;
  int Y = 0;
  int Count = 0;
  bool operator==(const TRowCount&) const = default;
};

/// The picture of a person icon: 0 adult man, 1 adult woman, 2 anyone else.
int HumanPictureIndex(const THumanInfo& person);

/// The horizontal step of a work place's three rows: the widest row still fits, at most 16.
int HumanRowStep(const TWorkRect& box, const std::vector<TRowGroup>& items);

/// A work place: three rows of overlapping icons, men at the top, women 51 lower, youths 96
/// lower; one place per item in order, none for items that are not moved.
std::vector<std::optional<TIconPlace>> ArrangeHumanRows(const TWorkRect& box, const std::vector<TRowGroup>& items);

/// The blue counts of the non-empty rows of a work place, men, women, youths.
std::vector<TRowCount> HumanRowCounts(const TWorkRect& box, const std::vector<TRowGroup>& items);

/// The idle strip: one row, men first, then women (3 pixels lower), then youths.
std::vector<std::optional<TIconPlace>> ArrangeIdleRow(const TWorkRect& box, const std::vector<TRowGroup>& items);

/// The animal pen: each kind in its own band, twelve icons a row, 13 pixels between rows;
/// rows that would run out of the box come closer, so no icon of that height leaves it.
std::vector<TIconPlace> ArrangeAnimalPen(const TWorkRect& box, const std::vector<TAnimalKind>& kinds, int iconHeight);

/// The meat of the marked animals on the slaughter table, in reading order: pieces side by
/// side with a gap between them while they fit, rows closer together when they do not;
/// every piece lies on the table whenever the table is at least one piece large.
std::vector<TIconPlace> ArrangeMeat(const TWorkRect& table, std::size_t count, int iconWidth, int iconHeight);

/// The rectangle moved to (x, y) and then pushed back inside a view of the given size;
/// a rectangle larger than the view keeps its left or top edge at 0.
TWorkRect KeepInside(const TWorkRect& rect, int x, int y, int viewWidth, int viewHeight);

}  // namespace fjordheim
