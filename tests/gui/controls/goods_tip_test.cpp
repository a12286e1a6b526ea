#include "gui/controls/goods_tip.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <cstdlib>

namespace fjordheim {
namespace {

// The tip is for reading over goods: it must never stand outside the picture it speaks of,
// nor hide the goods it names.
TEST(GoodsTip, StandsCentredAboveTheGoodsOrBelowThemWhereThereIsNoRoomAndStaysInside) {
  QWidget page;
  page.resize(200, 100);
  TGoodsTip tip(&page, 12);
  EXPECT_FALSE(tip.isVisibleTo(&page));
  EXPECT_TRUE(tip.testAttribute(Qt::WA_TransparentForMouseEvents)) << "the pointer reaches the goods under it";

  tip.ShowOver(QStringLiteral("Pels: 4"), QRect(80, 50, 40, 30), 2);
  ASSERT_TRUE(tip.isVisibleTo(&page));
  EXPECT_EQ(tip.text(), QStringLiteral("Pels: 4"));
  EXPECT_EQ(tip.geometry().bottom() + 1 + 2, 50) << "two pixels above the goods";
  EXPECT_LE(std::abs(tip.geometry().center().x() - 100), 1);

  tip.ShowOver(QStringLiteral("Pels: 4"), QRect(0, 2, 10, 10), 2);
  EXPECT_EQ(tip.y(), 14) << "below the goods at the top edge";
  EXPECT_EQ(tip.x(), 0) << "inside at the left edge";
  tip.ShowOver(QStringLiteral("Pels: 4"), QRect(190, 50, 10, 10), 0);
  EXPECT_EQ(tip.geometry().right(), 199) << "inside at the right edge";

  tip.ShowOver(QString(), QRect(80, 50, 40, 30), 2);
  EXPECT_FALSE(tip.isVisibleTo(&page)) << "nothing to tell, no tip";
}

}  // namespace
}  // namespace fjordheim
