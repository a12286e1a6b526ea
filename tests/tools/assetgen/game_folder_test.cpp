// The data set the build made in the game folder: masks against the zone tables,
// picture lists of one size and their transparent colours, valid sounds, every name of
// the program and the data present, and a second run giving the same bytes.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tools/assetgen/asset_generator.h"
#include "tools/assetgen/text_data.h"
#include "tools/assetgen/wave.h"

namespace fjordheim {
namespace {

const QString Game = FJORDHEIM_GAME_DIR;

QByteArray Bytes(const QString& gamePath) {
  QFile file(QDir(Game).filePath(QString(gamePath).replace('\\', '/')));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Picture(const QString& name) { return QImage::fromData(Bytes("Bilder\\" + name), "BMP"); }

QStringList Manifest() { return QString::fromUtf8(Bytes(TAssetGenerator::ManifestName)).split('\n', Qt::SkipEmptyParts); }

QMap<int, int> ZoneAreas(const QString& mask) {
  QMap<int, int> areas;
  for (char byte : Bytes("Bilder\\" + mask))
    if (byte != 0) ++areas[std::uint8_t(byte)];
  return areas;
}

QSet<int> Zones(const QMap<int, int>& areas) {
  const QList<int> keys = areas.keys();
  return QSet<int>(keys.begin(), keys.end());
}

TEST(GameFolderMasks, TheVillageHoldsEveryOutdoorZoneAndNoOther) {
  const QImage picture = Picture("viautumn.bmp");
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(Bytes("Bilder\\village.map").size(), picture.width() * picture.height());
  const QSet<int> outdoor = {3, 5, 8, 14, 15, 17, 30, 35, 59, 69, 70, 80, 83, 87, 101, 137, 180, 185, 193, 196, 210, 241, 250};
  const QMap<int, int> areas = ZoneAreas("village.map");
  EXPECT_EQ(Zones(areas), outdoor);
  for (auto it = areas.begin(); it != areas.end(); ++it) EXPECT_GE(it.value(), 150) << "zone " << it.key() << " is too small to find";
  for (const char* season : {"viwinter.bmp", "vispring.bmp", "visummer.bmp"}) EXPECT_EQ(Picture(season).size(), picture.size());
}

TEST(GameFolderMasks, TheHallHoldsEveryIndoorZoneAndTheMapItsThreeLands) {
  EXPECT_EQ(Bytes("Bilder\\indoor.map").size(), Picture("indoor.bmp").width() * Picture("indoor.bmp").height());
  const QSet<int> indoor = Zones(ZoneAreas("indoor.map"));
  for (int zone : {5, 30, 35, 70, 180, 185, 210, 253}) EXPECT_TRUE(indoor.contains(zone)) << zone;
  EXPECT_EQ(Bytes("Bilder\\norden.map").size(), Picture("norden.bmp").width() * Picture("norden.bmp").height());
  const QMap<int, int> lands = ZoneAreas("norden.map");
  EXPECT_EQ(Zones(lands), (QSet<int>{97, 50, 128}));
  for (int area : lands) EXPECT_GE(area, 1000);
}

struct TList {
  QStringList Names;
  QRgb Key;
};

TEST(GameFolderLists, EachListIsOfOneSizeWithItsTransparentColour) {
  const QRgb magenta = qRgb(255, 0, 255), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
  const TList lists[] = {
      {{"komini", "grismini", "farmini", "honamini", "splatt2", "splatt3"}, magenta},
      {{"status1", "status2", "status3", "status4"}, blue},
      {{"male3", "female3", "child3"}, white},
      {{"bubbla1", "bubbla2", "bubbla3"}, magenta},
      {{"i_silver", "i_barnst", "i_furs", "i_iron", "i_jewel", "i_weap"}, magenta},
      {{"rboy", "rgirl"}, magenta},
      {{"rcow", "rpig", "rsheep", "rhen"}, magenta},
      {{"scow", "spig", "ssheep", "shen", "sperson"}, magenta},
  };
  for (const TList& list : lists) {
    const QSize size = Picture("ListImgs\\" + list.Names.first() + ".bmp").size();
    for (const QString& name : list.Names) {
      const QString path = "ListImgs\\" + name + ".bmp";
      const QImage image = Picture(path);
      ASSERT_FALSE(image.isNull()) << path.toStdString();
      EXPECT_EQ(image.size(), size) << path.toStdString();
      EXPECT_EQ(image.pixel(0, 0) & 0xffffff, list.Key & 0xffffff) << path.toStdString();
      int keyed = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) keyed += (image.pixel(x, y) & 0xffffff) == (list.Key & 0xffffff);
      EXPECT_LT(keyed, image.width() * image.height() * 9 / 10) << path.toStdString() << " is almost empty";
    }
  }
}

TEST(GameFolderLists, TheBubbleTextRoomIsInsideEveryBubble) {
  for (const char* name : {"bubbla1", "bubbla2", "bubbla3"}) {
    const QImage bubble = Picture(QString("ListImgs\\") + name + ".bmp");
    for (int y = 27; y < 124; y += 4)
      for (int x = 30; x < 179; x += 4) ASSERT_NE(bubble.pixel(x, y) & 0xffffff, 0xff00ffu) << name << " " << x << "," << y;
  }
}

TEST(GameFolderPictures, EveryPictureIs24BitAndTheThermometerIsWhiteKeyed) {
  for (const QString& path : Manifest()) {
    if (!path.endsWith(".bmp")) continue;
    const QByteArray bytes = Bytes(path);
    ASSERT_GE(bytes.size(), 54) << path.toStdString();
    EXPECT_EQ(bytes.left(2), "BM") << path.toStdString();
    EXPECT_EQ(std::uint8_t(bytes[28]), 24) << path.toStdString();
  }
  const QImage thermometer = Picture("thermo.bmp");
  EXPECT_EQ(thermometer.size(), QSize(43, 227));
  EXPECT_EQ(thermometer.pixel(0, 0) & 0xffffff, 0xffffffu);
}

// The counterpart's picture is copied into the table scene as a rectangle: its
// background must be the wall it lands on.
TEST(GameFolderPictures, TradingPicturesSitOnTheWallOfTheTable) {
  const QImage table = Picture("Trade.bmp");
  const QPoint positions[] = {{244, 3}, {233, 7},  {236, 0},  {234, 6},  {240, 20}, {252, 11},
                              {234, 23}, {248, 34}, {242, 83}, {235, 29}, {238, 17}, {216, 66}};
  QSet<QByteArray> faces;
  for (int i = 0; i < 12; ++i) {
    const QImage trade = Picture(QString("trade%1.bmp").arg(i));
    ASSERT_FALSE(trade.isNull());
    EXPECT_LE(positions[i].x() + trade.width(), table.width());
    EXPECT_EQ(trade.pixel(0, 0), table.pixel(positions[i])) << i;
    faces.insert(Bytes(QString("Bilder\\face%1.bmp").arg(i)));
  }
  EXPECT_EQ(faces.size(), 12) << "twelve distinct people";
}

TEST(GameFolderSounds, EverySoundIsPcm16AndTheLoopsAreStereo) {
  int sounds = 0;
  for (const QString& path : Manifest()) {
    if (!path.endsWith(".wav")) continue;
    ++sounds;
    const std::optional<TWave> wave = TWave::Parse(Bytes(path));
    ASSERT_TRUE(wave) << path.toStdString();
    EXPECT_GT(wave->Frames(), 0) << path.toStdString();
    if (path.startsWith("Sound\\stereo\\")) {
      EXPECT_EQ(wave->Channels, 2) << path.toStdString();
    }
  }
  EXPECT_GE(sounds, 54);
  const std::optional<TWave> click = TWave::Parse(Bytes("Sound\\mono\\respons1.wav"));
  ASSERT_TRUE(click);
  EXPECT_LT(click->Frames(), click->Rate / 10);
}

TEST(GameFolderNames, EveryNameOfTheProgramAndTheDataIsMade) {
  const QStringList made = Manifest();
  const auto has = [&](const QString& path) { return made.contains(path, Qt::CaseInsensitive); };
  for (const char* name : {"Bilder\\village.map", "Bilder\\WConsult.bmp", "Bilder\\IChief.bmp", "Bilder\\face11.bmp",
                           "Bilder\\Buttons\\BtnChgSeason3.bmp", "Sound\\stereo\\höst.wav", "Sound\\mono\\älg.wav",
                           "Sound\\z4.wav", "Sound\\MrktDRe2.wav", "Sound\\boo.wav", "Sound\\intro2.wav"})
    EXPECT_TRUE(has(QString::fromUtf8(name))) << name;
  const TTextDataNames data(FJORDHEIM_TEXT_DATA_DIR);
  for (const TSpokenLine& line : data.AdviceLines()) EXPECT_TRUE(has("Sound\\" + line.Sound)) << line.Sound.toStdString();
  for (const TNamedAsset& sound : data.EventSounds()) EXPECT_TRUE(has("Sound\\" + sound.Name)) << sound.Name.toStdString();
  for (const TNamedAsset& picture : data.EventPictures()) EXPECT_TRUE(has("Bilder\\" + picture.Name));
  for (const TNamedAsset& picture : data.TipPictures()) EXPECT_TRUE(has("Bilder\\" + picture.Name));
  for (const TNamedAsset& picture : data.PagePictures()) {
    EXPECT_TRUE(has("Bilder\\" + picture.Name)) << picture.Name.toStdString();
    EXPECT_EQ(Picture(picture.Name).size(), picture.Size) << picture.Name.toStdString();
  }
  for (const QString& path : made) EXPECT_FALSE(Bytes(path).isEmpty()) << path.toStdString();
}

TEST(GameFolderDeterminism, ASecondRunGivesTheSameBytes) {
  QTemporaryDir again;
  TAssetGenerator generator({FJORDHEIM_ART_DIR, FJORDHEIM_TEXT_DATA_DIR, again.path()});
  generator.Run();
  const QStringList made = generator.Made();
  EXPECT_EQ(made, Manifest());
  for (const QString& path : made) {
    QFile file(QDir(again.path()).filePath(QString(path).replace('\\', '/')));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(file.readAll(), Bytes(path)) << path.toStdString();
  }
}

}  // namespace
}  // namespace fjordheim
