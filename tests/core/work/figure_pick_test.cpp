#include "core/work/figure_pick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fjordheim {
namespace {

// A mask drawn in text: '#' is a drawn pixel, '.' a transparent one.
TFigureMask MaskOf(const std::vector<std::string>& rows) {
  std::vector<bool> opaque;
  for (const std::string& row : rows) {
    for (char c : row) opaque.push_back(c == '#');
  }
  return {static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), opaque};
}

// A ring four pixels wide: its middle is transparent.
const TFigureMask Ring = MaskOf({"####", "#..#", "#..#", "####"});

TEST(TopFigureAt, TheFigureDrawnLastWinsWhereItsPictureShows) {
  const std::vector<TPlacedFigure> figures{{{10, 10, 14, 14}, &Ring}, {{12, 10, 16, 14}, &Ring}};
  EXPECT_EQ(TopFigureAt(figures, 12, 10), 1U);
  // The later figure's transparent middle lets the click through to the one beneath.
  EXPECT_EQ(TopFigureAt(figures, 13, 11), 0U);
  // Inside both rectangles, transparent in both: nothing is picked.
  EXPECT_EQ(TopFigureAt(figures, 11, 11), std::nullopt);
  EXPECT_EQ(TopFigureAt(figures, 15, 13), 1U);
  EXPECT_EQ(TopFigureAt(figures, 16, 13), std::nullopt);
  EXPECT_EQ(TopFigureAt({}, 0, 0), std::nullopt);
}

TEST(TopFigureAt, AFigureWithoutAPictureIsPickedAnywhereInItsRectangle) {
  const std::vector<TPlacedFigure> figures{{{0, 0, 4, 4}, nullptr}, {{0, 0, 4, 4}, &Ring}};
  EXPECT_EQ(TopFigureAt(figures, 1, 1), 0U);
  EXPECT_EQ(TopFigureAt(figures, 0, 0), 1U);
  // A mask that does not match its data is empty and shows nothing.
  const TFigureMask broken(4, 4, std::vector<bool>(3, true));
  EXPECT_FALSE(broken.Opaque(0, 0));
  EXPECT_EQ(broken.Width(), 0);
  EXPECT_FALSE(Ring.Opaque(-1, 0));
  EXPECT_FALSE(Ring.Opaque(4, 0));
}

TEST(VisiblePointOf, APointOnTheFigureThatNoLaterFigureCovers) {
  const TFigureMask solid = MaskOf({"####", "####", "####", "####"});
  // The second figure hides all of the first but its left column.
  const std::vector<TPlacedFigure> figures{{{10, 10, 14, 14}, &solid}, {{11, 10, 15, 14}, &solid}};
  const auto point = VisiblePointOf(figures, 0);
  ASSERT_TRUE(point.has_value());
  EXPECT_EQ(point->X, 10);
  EXPECT_EQ(TopFigureAt(figures, point->X, point->Y), 0U);
  // Of the visible pixels the one nearest the middle is chosen, never a corner.
  const auto top = VisiblePointOf(figures, 1);
  ASSERT_TRUE(top.has_value());
  EXPECT_TRUE(top->X == 12 || top->X == 13);
  EXPECT_TRUE(top->Y == 11 || top->Y == 12);
}

TEST(VisiblePointOf, NoneForAHiddenFigureOrOneOutsideTheList) {
  const TFigureMask solid = MaskOf({"##", "##"});
  const std::vector<TPlacedFigure> figures{{{0, 0, 2, 2}, &solid}, {{0, 0, 2, 2}, &solid}};
  EXPECT_EQ(VisiblePointOf(figures, 0), std::nullopt);
  EXPECT_EQ(VisiblePointOf(figures, 2), std::nullopt);
  const std::vector<TPlacedFigure> ring{{{0, 0, 4, 4}, &Ring}};
  const auto point = VisiblePointOf(ring, 0);
  ASSERT_TRUE(point.has_value());
  EXPECT_TRUE(Ring.Opaque(point->X, point->Y));
}

}  // namespace
}  // namespace fjordheim
