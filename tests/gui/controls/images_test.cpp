#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "gui/controls/custom_image.h"
#include "gui/controls/draw_transparent.h"
#include "gui/controls/picture_list.h"
#include "gui/controls/transparent_image.h"
#include "gui/controls/zone_image.h"

namespace fjordheim {
namespace {

QImage Corners() {
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(Qt::gray);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(3, 0, qRgb(0, 255, 0));
  image.setPixel(0, 2, qRgb(0, 0, 255));
  image.setPixel(3, 2, qRgb(255, 0, 255));
  return image;
}

TEST(CustomImage, DestRectByStretchCenterAndAutoSize) {
  TCustomImage image;
  EXPECT_EQ(image.size(), QSize(105, 105));
  image.SetPicture(QImage(40, 21, QImage::Format_RGB32));
  EXPECT_EQ(image.DestRect(), QRect(0, 0, 40, 21));
  image.SetCenter(true);
  EXPECT_EQ(image.DestRect(), QRect(32, 42, 40, 21));
  image.SetStretch(true);
  EXPECT_EQ(image.DestRect(), QRect(0, 0, 105, 105));
  image.move(7, 9);
  image.SetAutoSize(true);
  EXPECT_EQ(image.geometry(), QRect(7, 9, 40, 21));
}

TEST(TransparentImage, TakesTheCornerColourAgainForANewPicture) {
  TTransparentImage image;
  image.SetTranspColourLoc(TTranspColourLoc::tclLowerLeft);
  image.SetPicture(Corners());
  EXPECT_EQ(image.TranspColour(), qRgb(0, 0, 255));
  QImage other = Corners();
  other.setPixel(0, 2, qRgb(1, 2, 3));
  image.SetPicture(other);
  EXPECT_EQ(image.TranspColour(), qRgb(1, 2, 3));
  image.SetTranspColourLoc(TTranspColourLoc::tclLowerRight);
  EXPECT_EQ(image.TranspColour(), qRgb(255, 0, 255));
}

TEST(TransparentImage, AGivenColourSwitchesToCustomAndStays) {
  TTransparentImage image;
  image.SetTranspColour(qRgb(9, 9, 9));
  EXPECT_EQ(image.TranspColourLoc(), TTranspColourLoc::tclCustom);
  image.SetPicture(Corners());
  EXPECT_EQ(image.TranspColour(), qRgb(9, 9, 9));
}

TEST(TransparentImage, LeavesTheBackgroundWhereThePictureIsKeyed) {
  QWidget back;
  back.resize(10, 10);
  back.setAutoFillBackground(true);
  QPalette palette;
  palette.setColor(QPalette::Window, Qt::yellow);
  back.setPalette(palette);
  TTransparentImage image(&back);
  image.resize(10, 10);
  image.SetPicture(Corners());
  const QImage shot = back.grab().toImage();
  EXPECT_EQ(shot.pixel(0, 0), QColor(Qt::yellow).rgb());
  EXPECT_EQ(shot.pixel(3, 0), qRgb(0, 255, 0));
  EXPECT_EQ(shot.pixel(1, 1), QColor(Qt::gray).rgb());
  // Outside the picture the work bitmap holds the transparent colour as well.
  EXPECT_EQ(shot.pixel(8, 8), QColor(Qt::yellow).rgb());
}

TEST(DrawTransparent, KeepsTheTargetUnderTheKeyColourOnly) {
  QImage target(4, 3, QImage::Format_RGB32);
  target.fill(Qt::white);
  {
    QPainter painter(&target);
    DrawTransparent(painter, Corners(), qRgb(255, 0, 255));
  }
  EXPECT_EQ(target.pixel(3, 2), qRgb(255, 255, 255));
  EXPECT_EQ(target.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(target.pixel(2, 1), QColor(Qt::gray).rgb());
}

TEST(CreatePictureList, KeepsIndicesWhenAPictureIsMissingAndReportsItOnce) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("ListImgs");
  Corners().save(dir.filePath("ListImgs/one.bmp"), "BMP");
  TCollectingMessageSink sink;
  TPictureLoader loader(&sink);
  const std::string pics = dir.path().toStdString() + "/";
  const TPictureList list = CreatePictureList(qRgb(255, 0, 255), {"one", "gone", "one"}, pics, loader);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Size(), QSize(4, 3));
  EXPECT_EQ(qAlpha(list.Picture(0).pixel(3, 2)), 0);
  EXPECT_EQ(list.Picture(2).pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(list.Picture(1).size(), QSize(4, 3));
  EXPECT_TRUE(list.Picture(7).isNull());
  CreatePictureList(qRgb(255, 0, 255), {"gone"}, pics, loader);
  ASSERT_EQ(sink.Messages.size(), 1u);
  EXPECT_EQ(sink.Messages[0], "Finner ikke bildet " + pics + "ListImgs\\gone.bmp");
}

TEST(ZoneImage, LooksUpZonesByThePictureWidthAndReadsAMaskOnce) {
  QTemporaryDir dir;
  const QString path = dir.filePath("land.map");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("\x00\x61\x32\x80\x00\x61", 6));
  file.close();
  TZoneImage image;
  image.SetPicture(QImage(3, 2, QImage::Format_RGB32));
  image.SetMaskFile(path.toStdString());
  EXPECT_EQ(image.ZoneAt(1, 0), 97);
  EXPECT_EQ(image.ZoneAt(0, 1), 128);
  EXPECT_EQ(image.ZoneAt(3, 0), 0);
  EXPECT_EQ(image.ZoneAt(0, 5), 0);
  ASSERT_TRUE(file.remove());
  image.SetMaskFile(dir.filePath("LAND.MAP").toStdString());
  EXPECT_EQ(image.ZoneAt(1, 0), 97);
  EXPECT_THROW(image.SetMaskFile((path + "x").toStdString()), std::runtime_error);
  EXPECT_EQ(image.ZoneAt(1, 0), 0);
}

}  // namespace
}  // namespace fjordheim
