#pragma once

#include <algorithm>

namespace fjordheim {

/// A rectangle in divider pixels: left and top inside, right and bottom just outside.
struct TWorkRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool Intersects(const TWorkRect& other) const {
    return Left < other.Right && other.Left < Right && Top < other.Bottom && other.Top < Bottom;
  }
  /// The same rectangle moved so that its top-left corner is (x, y).
  TWorkRect MovedTo(int x, int y) const { return {x, y, x + Width(), y + Height()}; }
  /// Corners ordered so that left <= right and top <= bottom, whichever way it was drawn.
  TWorkRect Normalised() const {
    return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
  }
  bool operator==(const TWorkRect&) const = default;
};

}  // namespace fjordheim
