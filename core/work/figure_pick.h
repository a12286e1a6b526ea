#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/work/work_layout.h"
#include "core/work/work_rect.h"

namespace fjordheim {

/// Which pixels of a figure's picture are drawn, one flag per pixel, rows top to bottom.
class TFigureMask {
 public:
  TFigureMask() = default;
  /// A mask of width × height; opaque holds width × height flags, or the mask is empty.
  TFigureMask(int width, int height, std::vector<bool> opaque);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  /// Whether the picture is drawn at (x, y) of its own pixels; false outside it.
  bool Opaque(int x, int y) const;

 private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<bool> FOpaque;
};

/// A figure as a page draws it: its rectangle and its picture's mask. Without a mask the
/// whole rectangle is drawn (a placeholder for a missing picture).
struct TPlacedFigure {
  TWorkRect Bounds;
  const TFigureMask* Mask = nullptr;
};

/// Whether the figure shows a pixel of its own at (x, y) of the page.
bool FigureCovers(const TPlacedFigure& figure, int x, int y);

/// The figure a click at (x, y) picks: of those drawn there, the one drawn last (on top).
/// The figures are in drawing order; a transparent pixel lets the click through.
std::optional<std::size_t> TopFigureAt(const std::vector<TPlacedFigure>& figures, int x, int y);

/// A page point where a click picks the figure at index: one of its drawn pixels that no
/// figure drawn later covers, the nearest such to the middle of its rectangle. None when
/// the figure is hidden entirely.
std::optional<TIconPlace> VisiblePointOf(const std::vector<TPlacedFigure>& figures, std::size_t index);

}  // namespace fjordheim
