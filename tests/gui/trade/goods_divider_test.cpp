#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

#include "gui/trade/goods_container.h"
#include "gui/trade/goods_divider.h"
#include "gui/trade/goods_icon.h"
#include "gui/trade/separated_goods_container.h"
#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

constexpr QRgb Red = qRgb(255, 0, 0);

QPoint Centre(const TGoodsIcon* icon) {
  const TWorkRect& b = icon->Bounds();
  return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
}

QPoint DotCentre(const TWorkRect& bounds, TGoodsKind kind, int n) {
  const TIconPlace cell = GoodsCell(bounds, 2, 2, kind, n);
  return {cell.X + 12, cell.Y + 13};
}

// The trading page as the market window lays it out, with three units of each side.
class GoodsPage : public ::testing::Test {
 protected:
  GoodsPage() {
    FTable.TopOwner = SideCounterpart;
    FTable.MarginY = 30;
    for (TGoodsContainer* container : {&FTheirs, &FMine, static_cast<TGoodsContainer*>(&FTable)}) {
      FDivider.AddGoodsContainer(container);
    }
    FMine.Demands = {0, 0, 4, 0, 0, 0};
    FTheirs.Demands = {};
    for (int i = 0; i < 3; ++i) {
      Add(TGoodsKind::Furs, SidePlayer, &FMine);
      Add(TGoodsKind::Iron, SideCounterpart, &FTheirs);
    }
    FDivider.ArrangeAll();
    FPage.resize(640, 480);
    FPage.show();
  }

  TGoodsIcon* Add(TGoodsKind kind, std::int32_t owner, TGoodsContainer* container) {
    FIcons.push_back(std::make_unique<TGoodsIcon>(kind, 0, 0, owner, nullptr));
    FIcons.back()->SetContainer(container);
    FDivider.AddIcon(FIcons.back().get());
    return FIcons.back().get();
  }
  TGoodsIcon* Mine(int i) { return FIcons[static_cast<std::size_t>(2 * i)].get(); }
  TGoodsIcon* Theirs(int i) { return FIcons[static_cast<std::size_t>(2 * i + 1)].get(); }
  void Click(TGoodsIcon* icon, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(&FDivider, Qt::LeftButton, mods, Centre(icon));
  }
  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(&FDivider, Qt::LeftButton, {}, from);
    QTest::mouseMove(&FDivider, from + QPoint(8, 8));
    QTest::mouseMove(&FDivider, to);
    QTest::mouseRelease(&FDivider, Qt::LeftButton, {}, to);
  }
  QRgb Pixel(QPoint at) { return FDivider.grab().toImage().pixel(at); }

  QWidget FPage;
  TGoodsDivider FDivider{&FPage, QPixmap()};
  TGoodsContainer FTheirs{&FDivider, SideCounterpart, {16, 30, 213, 219}};
  TGoodsContainer FMine{&FDivider, SidePlayer, {16, 227, 213, 394}};
  TSeparatedGoodsContainer FTable{&FDivider, SideAny, {215, 267, 553, 412}};
  std::vector<std::unique_ptr<TGoodsIcon>> FIcons;
};

TEST_F(GoodsPage, ShiftAndCtrlAddAUnitToTheSelectionOrTakeItOut) {
  Click(Mine(0));
  Click(Mine(1), Qt::ShiftModifier);
  EXPECT_TRUE(Mine(0)->Selected());
  EXPECT_TRUE(Mine(1)->Selected());
  Click(Mine(0), Qt::ControlModifier);
  EXPECT_FALSE(Mine(0)->Selected());
  // Shift on a selected unit takes it out and leaves it out of the drag of the others.
  QTest::mousePress(&FDivider, Qt::LeftButton, Qt::ShiftModifier, Centre(Mine(1)));
  EXPECT_FALSE(Mine(1)->Selected());
  EXPECT_FALSE(Mine(1)->Dragging());
  QTest::mouseRelease(&FDivider, Qt::LeftButton, Qt::ShiftModifier, Centre(Mine(1)));
  Click(Theirs(2));
  EXPECT_TRUE(Theirs(2)->Selected());
  EXPECT_FALSE(Mine(0)->Selected());
}

TEST_F(GoodsPage, ABandSelectsTheSameUnitsWhicheverWayItIsDrawn) {
  const QPoint topLeft(10, 220);
  const QPoint bottomRight(Centre(Mine(1)).x(), 318);
  Drag(topLeft, bottomRight);
  const std::vector<bool> forwards{Mine(0)->Selected(), Mine(1)->Selected(), Mine(2)->Selected()};
  EXPECT_EQ(forwards, (std::vector<bool>{true, true, false}));
  QTest::mouseClick(&FDivider, Qt::LeftButton, {}, {600, 100});
  EXPECT_FALSE(Mine(0)->Selected());
  Drag(bottomRight, topLeft);
  EXPECT_EQ((std::vector<bool>{Mine(0)->Selected(), Mine(1)->Selected(), Mine(2)->Selected()}), forwards);
  EXPECT_FALSE(Theirs(0)->Selected());
}

TEST_F(GoodsPage, UnitsDroppedOnTheOtherSidesGoodsGoBackAndOnTheTableStayThere) {
  Click(Mine(0));
  Click(Mine(1), Qt::ShiftModifier);
  Click(Mine(2), Qt::ShiftModifier);
  const TWorkRect before = Mine(2)->Bounds();
  Drag(Centre(Mine(2)), {100, 100});
  EXPECT_EQ(FMine.Items().size(), 3);
  EXPECT_EQ(Mine(2)->Bounds(), before);
  EXPECT_FALSE(Mine(2)->Selected());

  for (int i = 0; i < 3; ++i) Click(Mine(i), i == 0 ? Qt::NoModifier : Qt::ShiftModifier);
  Drag(Centre(Mine(0)), {300, 390});
  EXPECT_EQ(FTable.Items().size(), 3);
  EXPECT_TRUE(FMine.Items().isEmpty());
  // The player's units lie in the bottom row, centred.
  EXPECT_EQ(Mine(0)->Bounds().Left, 215 + (338 - 72) / 2);
  EXPECT_EQ(Mine(0)->Bounds().Bottom, 412);
  SaveScreenshot(FDivider, "goods_page_units_on_table");
}

TEST_F(GoodsPage, ADraggedUnitLeavesARedDotInItsContainerUntilItIsDropped) {
  const QPoint fourthDot = DotCentre(FMine.Bounds(), TGoodsKind::Furs, 3);
  const QPoint thirdDot = DotCentre(FMine.Bounds(), TGoodsKind::Furs, 2);
  EXPECT_EQ(Pixel(fourthDot), Red);
  EXPECT_NE(Pixel(thirdDot), Red);
  Click(Mine(2));
  QTest::mousePress(&FDivider, Qt::LeftButton, {}, Centre(Mine(2)));
  QTest::mouseMove(&FDivider, Centre(Mine(2)) + QPoint(10, 10));
  QTest::mouseMove(&FDivider, {400, 300});
  EXPECT_TRUE(Mine(2)->Dragging());
  EXPECT_EQ(Pixel(thirdDot), Red);
  SaveScreenshot(FDivider, "goods_page_red_dots");
  QTest::mouseRelease(&FDivider, Qt::LeftButton, {}, {400, 300});
  EXPECT_FALSE(Mine(2)->Dragging());
  EXPECT_EQ(Pixel(thirdDot), Red) << "the unit went to the table, its want is still open";
  EXPECT_EQ(FTable.Items().size(), 1);
}

TEST_F(GoodsPage, ADisabledPageIgnoresTheMouseAndTheKeys) {
  FDivider.setEnabled(false);
  const TWorkRect before = Mine(0)->Bounds();
  Click(Mine(0));
  Drag(Centre(Mine(0)), {300, 390});
  QTest::keyClick(&FDivider, Qt::Key_Return);
  EXPECT_FALSE(Mine(0)->Selected());
  EXPECT_EQ(Mine(0)->Bounds(), before);
  EXPECT_TRUE(FTable.Items().isEmpty());
}

TEST_F(GoodsPage, ADragGoesOnOverAButtonLyingOnThePage) {
  QPushButton button(&FPage);
  button.setGeometry(338, 335, 95, 38);
  button.show();
  Click(Theirs(0));
  QTest::mousePress(&FDivider, Qt::LeftButton, {}, Centre(Theirs(0)));
  QTest::mouseMove(&FDivider, Centre(Theirs(0)) + QPoint(8, 8));
  QTest::mouseMove(&FDivider, {380, 350});
  EXPECT_TRUE(Theirs(0)->Bounds().Contains(380, 350)) << "the unit follows the pointer over the button";
  QTest::mouseRelease(&FDivider, Qt::LeftButton, {}, {380, 350});
  EXPECT_EQ(Theirs(0)->Container(), &FTable);
  EXPECT_EQ(Theirs(0)->Bounds().Top, 267 + 30);
}

TEST_F(GoodsPage, TheKeysChooseUnitsAndMoveThemOnAndOffTheTable) {
  FDivider.setFocus();
  QTest::keyClick(&FDivider, Qt::Key_Right);
  QTest::keyClick(&FDivider, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&FDivider, Qt::Key_Return);
  ASSERT_EQ(FTable.Items().size(), 2);
  for (TCustomCreature* unit : FTable.Items()) EXPECT_EQ(static_cast<TGoodsIcon*>(unit)->Owner(), SideCounterpart);
  TGoodsIcon* onTable = static_cast<TGoodsIcon*>(FTable.Items().front());
  QTest::mouseClick(&FDivider, Qt::LeftButton, {}, Centre(onTable));
  QTest::keyClick(&FDivider, Qt::Key_Backspace);
  EXPECT_EQ(FTable.Items().size(), 1);
  EXPECT_EQ(FTheirs.Items().size(), 2);
}

TEST_F(GoodsPage, AUnitLetGoPastTheEdgeOfThePageStaysWhollyOnIt) {
  Click(Theirs(0));
  QTest::mousePress(&FDivider, Qt::LeftButton, {}, Centre(Theirs(0)));
  QTest::mouseMove(&FDivider, Centre(Theirs(0)) + QPoint(8, 8));
  QTest::mouseMove(&FDivider, {700, 520});
  EXPECT_EQ(Theirs(0)->Bounds().Right, 640);
  EXPECT_EQ(Theirs(0)->Bounds().Bottom, 480);
  QTest::mouseRelease(&FDivider, Qt::LeftButton, {}, {700, 520});
  EXPECT_EQ(Theirs(0)->Container(), &FTheirs);
}

}  // namespace
}  // namespace fjordheim
