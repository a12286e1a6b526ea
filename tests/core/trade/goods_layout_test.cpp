#include "core/trade/goods_layout.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "core/trade/table_proposal.h"

namespace fjordheim {
namespace {

constexpr TWorkRect PlayerGoods{16, 227, 213, 394};
constexpr TWorkRect Table{215, 267, 553, 412};
constexpr int IconWidth = 24;
constexpr int IconHeight = 27;

TEST(ArrangeGoodsGrid, EachKindHasItsRowAndUnitsFollowInListOrder) {
  const auto places = ArrangeGoodsGrid(PlayerGoods, 2, 2,
                                       {TGoodsKind::Iron, TGoodsKind::Silver, TGoodsKind::Iron, TGoodsKind::Weapons},
                                       IconWidth);
  ASSERT_EQ(places.size(), 4U);
  EXPECT_EQ(places[0], (TIconPlace{18, 229 + 3 * 27}));
  EXPECT_EQ(places[1], (TIconPlace{18, 229}));
  EXPECT_EQ(places[2], (TIconPlace{18 + 24, 229 + 3 * 27}));
  EXPECT_EQ(places[3], (TIconPlace{18, 229 + 5 * 27}));
}

TEST(ArrangeGoodsGrid, ARowPastTheRightEdgePilesItsLaterUnitsAtTheEdge) {
  const std::vector<TGoodsKind> furs(11, TGoodsKind::Furs);
  const auto places = ArrangeGoodsGrid(PlayerGoods, 2, 2, furs, IconWidth);
  EXPECT_EQ(places[7].X, 18 + 7 * 24);
  for (std::size_t n = 8; n < furs.size(); ++n) {
    EXPECT_EQ(places[n].X, 213 - IconWidth) << n;
    EXPECT_EQ(places[n].Y, 229 + 2 * 27);
  }
}

TEST(ArrangeGoodsTable, ThirtyUnitsOnATable338WideAreSqueezedToElevenAndCentred) {
  std::vector<TGoodsUnit> units(30, TGoodsUnit{TGoodsKind::Amber, SideCounterpart});
  const auto places = ArrangeGoodsTable(Table, 30, SideCounterpart, units, IconHeight);
  EXPECT_EQ(TableRowStep(338, 30), 11);
  EXPECT_EQ(places[0], (TIconPlace{215 + 4, 267 + 30}));
  EXPECT_EQ(places[29], (TIconPlace{215 + 4 + 29 * 11, 267 + 30}));
}

TEST(ArrangeGoodsTable, RowsAreOrderedByKindCentredAndTheOthersLieAtTheBottomEdge) {
  const std::vector<TGoodsUnit> units{{TGoodsKind::Weapons, SideCounterpart},
                                      {TGoodsKind::Furs, SidePlayer},
                                      {TGoodsKind::Silver, SideCounterpart},
                                      {TGoodsKind::Furs, SidePlayer},
                                      {TGoodsKind::Amber, SidePlayer}};
  const auto places = ArrangeGoodsTable(Table, 30, SideCounterpart, units, IconHeight);
  const int topLeft = 215 + (338 - 2 * 24) / 2;
  const int bottomLeft = 215 + (338 - 3 * 24) / 2;
  EXPECT_EQ(places[2], (TIconPlace{topLeft, 297}));
  EXPECT_EQ(places[0], (TIconPlace{topLeft + 24, 297}));
  EXPECT_EQ(places[4], (TIconPlace{bottomLeft, 412 - 27}));
  EXPECT_EQ(places[1], (TIconPlace{bottomLeft + 24, 412 - 27}));
  EXPECT_EQ(places[3], (TIconPlace{bottomLeft + 48, 412 - 27}));
  EXPECT_EQ(TableRowStep(338, 0), 24);
  EXPECT_EQ(TableRowStep(338, 14), 24);
  EXPECT_EQ(TableRowStep(338, 15), 22);
}

TEST(MissingDemandDots, EachMissingWantedUnitHasADotInTheCellItWouldTake) {
  const TWorkRect counterpart{16, 30, 213, 219};
  EXPECT_EQ(MissingDemandDots(counterpart, 2, 2, {}, {}).size(), 0U);
  const auto dots = MissingDemandDots(counterpart, 2, 2, {3, 0, 0, 1, 0, 0}, {1, 4, 0, 1, 0, 0});
  ASSERT_EQ(dots.size(), 2U);
  EXPECT_EQ(dots[0], (TWorkRect{18 + 24 + 9, 32 + 10, 18 + 24 + 15, 32 + 16}));
  EXPECT_EQ(dots[1], (TWorkRect{18 + 48 + 9, 32 + 10, 18 + 48 + 15, 32 + 16}));
}

// A peer may say it wants 100 or 65535 of a kind: its dots stay in the kind's row inside the
// container, and never reach the face and the bubble beside it.
TEST(MissingDemandDots, AHugeWantKeepsItsDotsInsideItsRow) {
  const TWorkRect counterpart{16, 30, 213, 219};
  for (const std::uint16_t want : {std::uint16_t{9}, std::uint16_t{100}, std::uint16_t{65535}}) {
    const auto dots = MissingDemandDots(counterpart, 2, 2, {0, 0, 0, want, 0, 0}, {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(dots.size(), 8U) << want << ": a row of 197 pixels has eight cells";
    for (const TWorkRect& dot : dots) {
      EXPECT_LE(dot.Right, counterpart.Right) << want;
      EXPECT_EQ(dot.Top, 32 + 3 * 27 + 10) << want;
    }
  }
  EXPECT_EQ(MissingDemandDots(counterpart, 2, 2, {0, 0, 0, 100, 0, 0}, {0, 0, 0, 6, 0, 0}).size(), 2U);
  EXPECT_TRUE(MissingDemandDots(counterpart, 2, 2, {0, 0, 0, 100, 0, 0}, {0, 0, 0, 60, 0, 0}).empty());
  // A container too narrow or too low for a dot shows none.
  EXPECT_TRUE(MissingDemandDots(TWorkRect{0, 0, 10, 100}, 2, 2, {5, 5, 5, 5, 5, 5}, {}).empty());
  EXPECT_EQ(MissingDemandDots(TWorkRect{0, 0, 100, 40}, 2, 2, {1, 1, 1, 1, 1, 1}, {}).size(), 1U);
}

TEST(TakesUnitOf, OnlyTheTableOrTheUnitsOwnSideTakesIt) {
  EXPECT_TRUE(TakesUnitOf(SideAny, SidePlayer));
  EXPECT_TRUE(TakesUnitOf(SideAny, SideCounterpart));
  EXPECT_TRUE(TakesUnitOf(SidePlayer, SidePlayer));
  EXPECT_FALSE(TakesUnitOf(SideCounterpart, SidePlayer));
}

TEST(KeepInside, AUnitDroppedPartlyOutsideThePageLiesWhollyInside) {
  const TWorkRect unit{0, 0, IconWidth, IconHeight};
  EXPECT_EQ(KeepInside(unit, 630, 470, 640, 480), (TWorkRect{616, 453, 640, 480}));
  EXPECT_EQ(KeepInside(unit, -5, -30, 640, 480), (TWorkRect{0, 0, 24, 27}));
}

TEST(ProposalOnTable, TheCounterpartsUnitsComeToThePlayerAndHisOwnGo) {
  const auto proposal = ProposalOnTable({{TGoodsKind::Iron, SideCounterpart},
                                         {TGoodsKind::Iron, SideCounterpart},
                                         {TGoodsKind::Furs, SidePlayer},
                                         {TGoodsKind::Furs, SidePlayer},
                                         {TGoodsKind::Furs, SidePlayer}});
  EXPECT_EQ(proposal.Deltas, (TProposal{0, 0, -3, 2, 0, 0}));
  EXPECT_TRUE(proposal.FromBothSides());
  EXPECT_FALSE(ProposalOnTable({{TGoodsKind::Furs, SidePlayer}}).FromBothSides());
  EXPECT_FALSE(ProposalOnTable({}).HasPlayerUnits);
}

TEST(UnitsShowingProposal, AsManyUnitsOfEachSideAsTheProposalNamesInOrder) {
  const std::vector<TGoodsUnit> units{{TGoodsKind::Iron, SideCounterpart}, {TGoodsKind::Furs, SidePlayer},
                                      {TGoodsKind::Iron, SideCounterpart}, {TGoodsKind::Iron, SideCounterpart},
                                      {TGoodsKind::Furs, SidePlayer},      {TGoodsKind::Iron, SidePlayer}};
  EXPECT_EQ(UnitsShowingProposal(units, {0, 0, -1, 2, 0, 0}), (std::vector<bool>{true, true, true, false, false, false}));
  // A proposal of more than there is shows what there is.
  EXPECT_EQ(UnitsShowingProposal(units, {5, 0, -9, 0, 0, 0}), (std::vector<bool>{false, true, false, false, true, false}));
}

}  // namespace
}  // namespace fjordheim
