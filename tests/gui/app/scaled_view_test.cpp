#include "gui/app/scaled_view.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace fjordheim {
namespace {

TEST(ScreenScale, WholeFactorsAreCrispAndOthersSmooth) {
  const TScreenScale full = TScreenScale::For({1920, 1080});
  EXPECT_EQ(full.Factor, 2.0);
  EXPECT_FALSE(full.Smooth);
  EXPECT_EQ(full.Offset, QPoint(320, 60));
  const TScreenScale small = TScreenScale::For({800, 600});
  EXPECT_DOUBLE_EQ(small.Factor, 1.25);
  EXPECT_TRUE(small.Smooth);
  EXPECT_EQ(small.Offset, QPoint(0, 0));
  const TScreenScale exact = TScreenScale::For({640, 480});
  EXPECT_EQ(exact.Factor, 1.0);
  EXPECT_FALSE(exact.Smooth);
  EXPECT_EQ(TScreenScale::For({2000, 1500}).Factor, 3.0);
}

TEST(ScreenScale, ScreenPixelsMapToTheGamePixelTheyShow) {
  TScreenScale scale{2.0, false, QPoint(320, 60)};
  EXPECT_EQ(scale.ToGame(QPointF(322, 62)), QPoint(1, 1));
  EXPECT_EQ(scale.ToGame(QPointF(323, 63)), QPoint(1, 1));
  EXPECT_EQ(scale.ToGame(QPointF(324, 61)), QPoint(2, 0));
  EXPECT_EQ(scale.ToGame(QPointF(319, 60)), QPoint(-1, 0));
  TScreenScale half{1.5, true, QPoint(0, 0)};
  EXPECT_EQ(half.ToGame(QPointF(3, 4)), QPoint(2, 2));
  EXPECT_EQ(half.ToGame(QPointF(2, 1)), QPoint(1, 0));
}

// Records where the mouse reaches it, in its own (game) pixels.
class TProbe : public QWidget {
 public:
  TProbe() { setMouseTracking(true); }
  QPoint Pressed{-100, -100};
  QPoint Moved{-100, -100};

 protected:
  void mousePressEvent(QMouseEvent* event) override { Pressed = event->position().toPoint(); }
  void mouseMoveEvent(QMouseEvent* event) override { Moved = event->position().toPoint(); }
};

class ScaledView : public ::testing::TestWithParam<QSize> {};

TEST_P(ScaledView, EveryScreenPixelReachesItsGamePixel) {
  auto* probe = new TProbe;
  TScaledView view(probe);
  view.resize(GetParam());
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  const TScreenScale& scale = view.Scale();
  for (int sx = scale.Offset.x(); sx < scale.Offset.x() + 40; ++sx) {
    const int sy = scale.Offset.y() + 2 * (sx - scale.Offset.x()) + 1;
    const QPoint expected = scale.ToGame(QPointF(sx, sy));
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(sx, sy));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, QPoint(sx, sy));
    ASSERT_EQ(probe->Pressed, expected) << "screen " << sx << ", " << sy << " at factor " << scale.Factor;
  }
  const QPointF lastMiddle = scale.ToScreen(QPoint(639, 479));
  const QPoint far(static_cast<int>(lastMiddle.x()), static_cast<int>(lastMiddle.y()));
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, far);
  EXPECT_EQ(probe->Pressed, QPoint(639, 479));
}

// A text field on the screen (the market's chat) takes the keys once clicked, and a click
// elsewhere gives them to what was clicked there, as in a plain window.
TEST(ScaledViewKeys, AClickedTextFieldTakesTheKeysTyped) {
  auto* screen = new QWidget;
  auto* field = new QLineEdit(screen);
  field->setGeometry(29, 428, 156, 21);
  auto* button = new QPushButton(screen);
  button->setGeometry(300, 200, 80, 30);
  auto* idle = new QWidget(screen);
  idle->setGeometry(500, 100, 50, 50);
  TScaledView view(screen);
  view.resize(1280, 960);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  const auto click = [&view](QPoint game) {
    const QPointF shown = view.Scale().ToScreen(game);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(static_cast<int>(shown.x()), static_cast<int>(shown.y())));
  };

  click({100, 438});
  QTest::keyClicks(&view, "Hei");
  EXPECT_EQ(field->text(), QString("Hei"));
  click({520, 120});
  EXPECT_TRUE(field->hasFocus()) << "a widget that takes no focus leaves it where it was";
  click({340, 215});
  EXPECT_TRUE(button->hasFocus());
  QTest::keyClicks(&view, "du");
  EXPECT_EQ(field->text(), QString("Hei"));
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaledView, ::testing::Values(QSize(640, 480), QSize(1280, 960), QSize(960, 720),
                                                                 QSize(1366, 768), QSize(1024, 768)));

}  // namespace
}  // namespace fjordheim
