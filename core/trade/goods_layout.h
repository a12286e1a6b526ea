#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/trade/trade.h"
#include "core/work/work_layout.h"
#include "core/work/work_rect.h"

namespace fjordheim {

/// Whose goods a unit is, and whose units a container takes.
inline constexpr std::int32_t SideCounterpart = 1;
inline constexpr std::int32_t SidePlayer = 2;
inline constexpr std::int32_t SideAny = -1;

/// A side shows at most so many units of a kind, and so many red dots: a peer may say it holds
/// or wants 65535.
inline constexpr int MostUnitsShown = 60;

/// One unit's place in a container's grid: a column per unit, a row per kind.
inline constexpr int GoodsCellWidth = 24;
inline constexpr int GoodsCellHeight = 27;

/// A unit of goods as the layouts see it.
struct TGoodsUnit {
  TGoodsKind Kind = TGoodsKind::Silver;
  std::int32_t Owner = SidePlayer;
};

/// How many units of each kind lie somewhere, indexed by kind.
using TUnitCounts = std::array<int, GoodsKindCount>;

/// The top-left corner of the n-th unit (from 0) of a kind in a container's grid.
TIconPlace GoodsCell(const TWorkRect& bounds, int marginX, int marginY, TGoodsKind kind, int n);

/// A side's container: each kind in its own row, units side by side in list order; a row
/// that runs past the right edge piles its later units up at the edge.
std::vector<TIconPlace> ArrangeGoodsGrid(const TWorkRect& bounds, int marginX, int marginY,
                                         const std::vector<TGoodsKind>& kinds, int iconWidth);

/// The step of a table row of count units: a cell, or less so that a full row still fits.
int TableRowStep(int width, int count);

/// The table: the top owner's units in the top row, everybody else's at the bottom edge,
/// each row ordered by kind and centred; one place per unit in list order.
std::vector<TIconPlace> ArrangeGoodsTable(const TWorkRect& bounds, int marginY, std::int32_t topOwner,
                                          const std::vector<TGoodsUnit>& units, int iconHeight);

/// The red dots of a side's wants its container does not hold: one per missing unit of a
/// kind, in the cells the units would take, as many as the kind's row holds inside the
/// container. Each dot is the square its circle fills.
std::vector<TWorkRect> MissingDemandDots(const TWorkRect& bounds, int marginX, int marginY, const TGoodsCounts& demands,
                                         const TUnitCounts& present);

/// Whether a container of containerOwner takes a unit of unitOwner.
bool TakesUnitOf(std::int32_t containerOwner, std::int32_t unitOwner);

}  // namespace fjordheim
