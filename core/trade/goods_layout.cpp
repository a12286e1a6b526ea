#include "core/trade/goods_layout.h"

#include <algorithm>

namespace fjordheim {

namespace {

int KindRow(TGoodsKind kind) { return static_cast<int>(kind); }

// A dot lies inside its cell from (9, 10) to (15, 16); the row holds as many dots as it has
// cells that keep the dot inside the container, so a large want never paints over its neighbours.
int DotsInRow(const TWorkRect& bounds, int marginX) {
  const int room = bounds.Width() - marginX - 15;
  return room < 0 ? 0 : room / GoodsCellWidth + 1;
}

}  // namespace

TIconPlace GoodsCell(const TWorkRect& bounds, int marginX, int marginY, TGoodsKind kind, int n) {
  return {bounds.Left + marginX + GoodsCellWidth * n, bounds.Top + marginY + GoodsCellHeight * KindRow(kind)};
}

std::vector<TIconPlace> ArrangeGoodsGrid(const TWorkRect& bounds, int marginX, int marginY,
                                         const std::vector<TGoodsKind>& kinds, int iconWidth) {
  TUnitCounts placed{};
  std::vector<TIconPlace> places;
  places.reserve(kinds.size());
  for (const TGoodsKind kind : kinds) {
    TIconPlace cell = GoodsCell(bounds, marginX, marginY, kind, placed[static_cast<std::size_t>(KindRow(kind))]++);
    cell.X = std::min(cell.X, bounds.Right - iconWidth);
    places.push_back(cell);
  }
  return places;
}

int TableRowStep(int width, int count) {
  if (count > 0 && width < GoodsCellWidth * count) return width / count;
  return GoodsCellWidth;
}

std::vector<TIconPlace> ArrangeGoodsTable(const TWorkRect& bounds, int marginY, std::int32_t topOwner,
                                          const std::vector<TGoodsUnit>& units, int iconHeight) {
  const int width = bounds.Width();
  const int topCount = static_cast<int>(std::count_if(units.begin(), units.end(),
                                                      [topOwner](const TGoodsUnit& unit) { return unit.Owner == topOwner; }));
  const int bottomCount = static_cast<int>(units.size()) - topCount;
  const int topStep = TableRowStep(width, topCount);
  const int bottomStep = TableRowStep(width, bottomCount);
  const int topOffset = (width - topCount * topStep) / 2;
  const int bottomOffset = (width - bottomCount * bottomStep) / 2;

  std::vector<TIconPlace> places(units.size());
  int top = 0;
  int bottom = 0;
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    for (std::size_t i = 0; i < units.size(); ++i) {
      if (KindRow(units[i].Kind) != kind) continue;
      if (units[i].Owner == topOwner) {
        places[i] = {bounds.Left + topOffset + top++ * topStep, bounds.Top + marginY};
      } else {
        places[i] = {bounds.Left + bottomOffset + bottom++ * bottomStep, bounds.Bottom - iconHeight};
      }
    }
  }
  return places;
}

std::vector<TWorkRect> MissingDemandDots(const TWorkRect& bounds, int marginX, int marginY, const TGoodsCounts& demands,
                                         const TUnitCounts& present) {
  std::vector<TWorkRect> dots;
  const int rowDots = std::min(DotsInRow(bounds, marginX), MostUnitsShown);
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    const auto k = static_cast<std::size_t>(kind);
    const int wanted = std::min<int>(demands[k], rowDots);
    for (int n = std::max(0, present[k]); n < wanted; ++n) {
      const TIconPlace cell = GoodsCell(bounds, marginX, marginY, static_cast<TGoodsKind>(kind), n);
      if (cell.Y + 16 > bounds.Bottom) break;
      dots.push_back({cell.X + 9, cell.Y + 10, cell.X + 15, cell.Y + 16});
    }
  }
  return dots;
}

bool TakesUnitOf(std::int32_t containerOwner, std::int32_t unitOwner) {
  return containerOwner == SideAny || containerOwner == unitOwner;
}

}  // namespace fjordheim
