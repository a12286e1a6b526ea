#include "core/work/figure_pick.h"

#include <cstdint>
#include <limits>

namespace fjordheim {

TFigureMask::TFigureMask(int width, int height, std::vector<bool> opaque) {
  if (width <= 0 || height <= 0 || opaque.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return;
  }
  FWidth = width;
  FHeight = height;
  FOpaque = std::move(opaque);
}

bool TFigureMask::Opaque(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return false;
  return FOpaque[static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x)];
}

bool FigureCovers(const TPlacedFigure& figure, int x, int y) {
  if (!figure.Bounds.Contains(x, y)) return false;
  return figure.Mask == nullptr || figure.Mask->Opaque(x - figure.Bounds.Left, y - figure.Bounds.Top);
}

std::optional<std::size_t> TopFigureAt(const std::vector<TPlacedFigure>& figures, int x, int y) {
  for (std::size_t i = figures.size(); i-- > 0;) {
    if (FigureCovers(figures[i], x, y)) return i;
  }
  return std::nullopt;
}

std::optional<TIconPlace> VisiblePointOf(const std::vector<TPlacedFigure>& figures, std::size_t index) {
  if (index >= figures.size()) return std::nullopt;
  const TWorkRect& bounds = figures[index].Bounds;
  // Twice the rectangle's middle, so that the distances stay whole numbers.
  const std::int64_t middleX = static_cast<std::int64_t>(bounds.Left) + bounds.Right - 1;
  const std::int64_t middleY = static_cast<std::int64_t>(bounds.Top) + bounds.Bottom - 1;
  std::optional<TIconPlace> best;
  std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
  for (int y = bounds.Top; y < bounds.Bottom; ++y) {
    for (int x = bounds.Left; x < bounds.Right; ++x) {
      if (TopFigureAt(figures, x, y) != index) continue;
      const std::int64_t dx = 2 * static_cast<std::int64_t>(x) - middleX;
      const std::int64_t dy = 2 * static_cast<std::int64_t>(y) - middleY;
      const std::int64_t distance = dx * dx + dy * dy;
      if (distance < bestDistance) {
        bestDistance = distance;
        best = TIconPlace{x, y};
      }
    }
  }
  return best;
}

}  // namespace fjordheim
