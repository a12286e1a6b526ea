#include "gui/controls/picture_button.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace fjordheim {
namespace {

QImage Filled(QColor colour) {
  QImage image(20, 10, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

struct PictureButton : ::testing::Test {
  PictureButton() {
    Button.resize(20, 10);
    Button.SetPicture1(Filled(Qt::red));
    Button.SetPicture2(Filled(Qt::green));
    Button.SetPicture3(Filled(Qt::blue));
    Button.show();
  }
  QColor ShownColour() { return Button.grab().toImage().pixelColor(5, 5); }
  TPictureButton Button;
};

TEST_F(PictureButton, PressShowsTheSecondPictureAndReleaseClicks) {
  QSignalSpy clicks(&Button, &TPictureButton::Clicked);
  QTest::mousePress(&Button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Button.State(), TPictureButton::TState::Pressed);
  EXPECT_EQ(ShownColour(), QColor(Qt::green));
  QTest::mouseRelease(&Button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Button.State(), TPictureButton::TState::Normal);
  EXPECT_EQ(ShownColour(), QColor(Qt::red));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(PictureButton, ReleasedOutsideIsNoClick) {
  QSignalSpy clicks(&Button, &TPictureButton::Clicked);
  QTest::mousePress(&Button, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&Button, Qt::LeftButton, {}, QPoint(50, 5));
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(PictureButton, WithoutMoveFocusItNeverLightsUp) {
  QTest::mouseMove(&Button, QPoint(3, 4));
  QTest::mouseMove(&Button, QPoint(7, 8));
  EXPECT_EQ(Button.State(), TPictureButton::TState::Normal);
  EXPECT_FALSE(Button.HighlightTimerActive());
}

TEST_F(PictureButton, LightsWhileMovedAndGoesOutOnAQuietTick) {
  Button.SetMoveFocus(true);
  QTest::mouseMove(&Button, QPoint(3, 4));
  EXPECT_EQ(Button.State(), TPictureButton::TState::Highlighted);
  EXPECT_EQ(ShownColour(), QColor(Qt::blue));
  EXPECT_TRUE(Button.HighlightTimerActive());
  // The first tick finds the move and only counts it off; the next one finds none.
  QTest::qWait(TPictureButton::HighlightInterval + 30);
  EXPECT_EQ(Button.State(), TPictureButton::TState::Highlighted);
  QTest::qWait(TPictureButton::HighlightInterval + 30);
  EXPECT_EQ(Button.State(), TPictureButton::TState::Normal);
  EXPECT_EQ(ShownColour(), QColor(Qt::red));
  EXPECT_FALSE(Button.HighlightTimerActive());
}

TEST_F(PictureButton, AMoveAlongARowFromTheLastPointDoesNotLight) {
  Button.SetMoveFocus(true);
  QTest::mouseMove(&Button, QPoint(0, 6));
  EXPECT_EQ(Button.State(), TPictureButton::TState::Normal);
  QTest::mouseMove(&Button, QPoint(4, 6));
  EXPECT_EQ(Button.State(), TPictureButton::TState::Normal);
  QTest::mouseMove(&Button, QPoint(5, 7));
  EXPECT_EQ(Button.State(), TPictureButton::TState::Highlighted);
}

TEST_F(PictureButton, AHeldButtonKeepsItsLight) {
  Button.SetMoveFocus(true);
  QTest::mouseMove(&Button, QPoint(3, 4));
  QTest::mousePress(&Button, Qt::LeftButton, {}, QPoint(3, 4));
  QTest::mouseMove(&Button, QPoint(6, 7));
  QTest::qWait(2 * TPictureButton::HighlightInterval + 60);
  EXPECT_EQ(Button.State(), TPictureButton::TState::Highlighted);
}

TEST_F(PictureButton, AMissingPictureDrawsNothing) {
  Button.SetPicture1(QImage());
  EXPECT_NO_FATAL_FAILURE(Button.grab());
}

}  // namespace
}  // namespace fjordheim
