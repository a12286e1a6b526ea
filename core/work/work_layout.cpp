#include "core/work/work_layout.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace fjordheim {

namespace {

struct TRowCounts {
  int Men = 0;
  int Women = 0;
  int Youths = 0;
};

TRowCounts CountRows(const std::vector<TRowGroup>& items) {
  TRowCounts counts;
  for (TRowGroup group : items) {
    if (group == TRowGroup::AdultMan) ++counts.Men;
    if (group == TRowGroup::AdultWoman) ++counts.Women;
    if (group == TRowGroup::Youth) ++counts.Youths;
  }
  return counts;
}

constexpr std::array<int, AnimalKindCount> AnimalRowBase{0, 40, 90, 120};

}  // namespace

// A saved game may hold an adult whose sex byte is neither man nor woman; the village
// feeds and works him as it does a woman, and the page shows him with the women, so that
// the player can still move him.
TRowGroup RowGroupOf(const THumanInfo& person) {
  if (person.IsAdultMan()) return TRowGroup::AdultMan;
  if (person.IsAdult()) return TRowGroup::AdultWoman;
  if (person.IsYouth()) return TRowGroup::Youth;
  return TRowGroup::Other;
}

int HumanPictureIndex(const THumanInfo& person) {
  if (person.IsAdultMan()) return 0;
  if (person.IsAdult()) return 1;
  return 2;
}

int HumanRowStep(const TWorkRect& box, const std::vector<TRowGroup>& items) {
  const TRowCounts counts = CountRows(items);
  const int widest = std::max({counts.Youths, counts.Men, counts.Women, 1});
  return std::min(16, box.Width() / widest);
}

std::vector<std::optional<TIconPlace>> ArrangeHumanRows(const TWorkRect& box, const std::vector<TRowGroup>& items) {
  const int step = HumanRowStep(box, items);
  std::array<int, 3> next{};
  constexpr std::array<int, 3> rowTop{0, 51, 96};
  std::vector<std::optional<TIconPlace>> places;
  places.reserve(items.size());
  for (TRowGroup group : items) {
    if (group == TRowGroup::Other) {
      places.emplace_back();
      continue;
    }
    const auto row = static_cast<std::size_t>(group);
    places.push_back(TIconPlace{box.Left + next[row]++ * step, box.Top + rowTop[row]});
  }
  return places;
}

std::vector<TRowCount> HumanRowCounts(const TWorkRect& box, const std::vector<TRowGroup>& items) {
  const int step = HumanRowStep(box, items);
  const TRowCounts counts = CountRows(items);
  std::vector<TRowCount> labels;
  const auto add = [&](int count, int dy) {
    if (count > 0) labels.push_back({box.Left + (count - 1) * step + 32, box.Top + dy, count});
  };
  add(counts.Men, 34);
  add(counts.Women, 82);
  add(counts.Youths, 120);
  return labels;
}

std::vector<std::optional<TIconPlace>> ArrangeIdleRow(const TWorkRect& box, const std::vector<TRowGroup>& items) {
  const TRowCounts counts = CountRows(items);
  const int total = counts.Men + counts.Women + counts.Youths;
  const int step = std::min(20, (box.Width() - 32) / std::max(1, total));
  const int x0 = box.Left + 5;
  const int y0 = box.Top + 4;
  int men = 0;
  int women = 0;
  int youths = 0;
  std::vector<std::optional<TIconPlace>> places;
  places.reserve(items.size());
  for (TRowGroup group : items) {
    switch (group) {
      case TRowGroup::AdultMan: places.push_back(TIconPlace{x0 + men++ * step, y0}); break;
      case TRowGroup::AdultWoman: places.push_back(TIconPlace{x0 + (counts.Men + women++) * step, y0 + 3}); break;
      case TRowGroup::Youth:
        places.push_back(TIconPlace{x0 + (counts.Men + counts.Women + youths++) * step, y0});
        break;
      case TRowGroup::Other: places.emplace_back(); break;
    }
  }
  return places;
}

// A herd whose rows would run past the bottom of the box has its rows drawn closer, so
// that the pen keeps to its area whatever the herd's size.
std::vector<TIconPlace> ArrangeAnimalPen(const TWorkRect& box, const std::vector<TAnimalKind>& kinds, int iconHeight) {
  constexpr int PerRow = 12;
  constexpr int RowStep = 13;
  std::array<std::int64_t, AnimalKindCount> rows{};
  for (TAnimalKind kind : kinds) ++rows[static_cast<std::size_t>(kind)];
  for (auto& count : rows) count = (count + PerRow - 1) / PerRow;
  std::array<int, AnimalKindCount> next{};
  std::vector<TIconPlace> places;
  places.reserve(kinds.size());
  for (TAnimalKind kind : kinds) {
    const auto k = static_cast<std::size_t>(kind);
    const int c = next[k]++;
    const std::int64_t row = c / PerRow;
    const std::int64_t room = std::max(0, box.Height() - iconHeight - AnimalRowBase[k]);
    const std::int64_t drop = rows[k] > 1 && (rows[k] - 1) * RowStep > room ? row * room / (rows[k] - 1) : row * RowStep;
    places.push_back({box.Left + (c % PerRow) * 29 + 5, box.Top + AnimalRowBase[k] + static_cast<int>(drop)});
  }
  return places;
}

TWorkRect KeepInside(const TWorkRect& rect, int x, int y, int viewWidth, int viewHeight) {
  TWorkRect moved = rect.MovedTo(x, y);
  if (moved.Left < 0) {
    moved = moved.MovedTo(0, moved.Top);
  } else if (moved.Right > viewWidth) {
    moved = moved.MovedTo(std::max(0, viewWidth - moved.Width()), moved.Top);
  }
  if (moved.Top < 0) {
    moved = moved.MovedTo(moved.Left, 0);
  } else if (moved.Bottom > viewHeight) {
    moved = moved.MovedTo(moved.Left, std::max(0, viewHeight - moved.Height()));
  }
  return moved;
}

std::vector<TIconPlace> ArrangeMeat(const TWorkRect& table, std::size_t count, int iconWidth, int iconHeight) {
  constexpr int Gap = 2;
  const int cellWidth = std::max(1, iconWidth + Gap);
  const int cellHeight = std::max(1, iconHeight + Gap);
  const int columns = std::max(1, (table.Width() + Gap) / cellWidth);
  const std::int64_t rows = (static_cast<std::int64_t>(count) + columns - 1) / columns;
  const int usedWidth = std::min(table.Width(), columns * cellWidth - Gap);
  const int left = table.Left + std::max(0, (table.Width() - usedWidth) / 2);
  const std::int64_t room = std::max(0, table.Height() - iconHeight);
  // More pieces than cells: the rows come closer, so that every piece stays on the table.
  const bool crowded = rows > 1 && (rows - 1) * cellHeight > room;
  std::vector<TIconPlace> places;
  places.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto column = static_cast<int>(i % static_cast<std::size_t>(columns));
    const auto row = static_cast<std::int64_t>(i / static_cast<std::size_t>(columns));
    const std::int64_t drop = crowded ? row * room / (rows - 1) : row * cellHeight;
    places.push_back({left + column * cellWidth, table.Top + static_cast<int>(drop)});
  }
  return places;
}

}  // namespace fjordheim
