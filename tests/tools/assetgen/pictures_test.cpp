#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QColor>

#include <vector>

#include "core/settings/ini_file.h"
#include "core/trade/market_settings.h"
#include "core/trade/portraits.h"
#include "tools/assetgen/asset_generator.h"
#include "tools/assetgen/button_painter.h"
#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/people.h"
#include "tools/assetgen/speaker.h"
#include "tools/assetgen/svg_art.h"

namespace fjordheim {
namespace {

bool IsTemplateColour(QRgb pixel) { return qRed(pixel) == 0xff && qGreen(pixel) == 0x00 && qBlue(pixel) >= 0xa1 && qBlue(pixel) <= 0xa5; }

// A template colour left in a picture would show as bright magenta on a face.
TEST(People, EveryTemplateColourIsReplacedAndNoTwoLookAlike) {
  const TSvgArt person = TSvgArt::FromFile(QString(FJORDHEIM_ART_DIR) + "/person.svg");
  QList<QImage> faces;
  for (const TPerson& who : People()) {
    const QImage face = person.WithReplacements(who.Colours("#cfe3f0")).Render({78, 98}, who.Layers);
    for (int y = 0; y < face.height(); ++y)
      for (int x = 0; x < face.width(); ++x) ASSERT_FALSE(IsTemplateColour(face.pixel(x, y))) << x << "," << y;
    for (const QImage& other : faces) EXPECT_NE(face, other);
    faces.append(face);
  }
  EXPECT_EQ(faces.size(), 12);
}

bool HasLayer(const TPerson& who, const QString& prefix) {
  for (const QString& layer : who.Layers) {
    if (layer.startsWith(prefix)) return true;
  }
  return false;
}

// The pronoun the game uses of a merchant comes from the portrait's number.
TEST(People, TheSexOfEveryPortraitIsTheOneTheGameSpeaksOf) {
  ASSERT_EQ(static_cast<std::int32_t>(People().size()), PortraitCount);
  for (std::int32_t n = 0; n < PortraitCount; ++n) {
    const TPerson& who = People()[static_cast<std::size_t>(n)];
    const bool woman = who.Layers.contains("woman");
    EXPECT_NE(woman, who.Layers.contains("man")) << n;
    EXPECT_EQ(PortraitSex(n), woman ? TSex::Female : TSex::Male) << n;
    if (woman) {
      EXPECT_FALSE(HasLayer(who, "beard") || HasLayer(who, "moustache")) << n;
    } else {
      EXPECT_FALSE(HasLayer(who, "hair-braids") || HasLayer(who, "necklace")) << n;
    }
  }
}

// Each merchant of the shipped settings looks like its name: a man's name a man's face, a woman's
// a woman's, and "Sølvhår" grey hair.
TEST(People, EveryShippedMerchantHasAPortraitThatFitsTheName) {
  struct TExpected {
    const char* Name;
    TSex Sex;
    bool GreyHair;
  };
  const std::vector<TExpected> expected = {
      {"Ragnvald fra Ribe", TSex::Male, false},  {"Gunnhild Kjøpkone", TSex::Female, false},
      {"Tore Jernhånd", TSex::Male, false},      {"Åsa fra Birka", TSex::Female, false},
      {"Bjørn Pelsmann", TSex::Male, false},     {"Sigrid Sølvhår", TSex::Female, true},
      {"Halvdan Farmann", TSex::Male, false},
  };
  QFile file(QString(FJORDHEIM_ART_DIR) + "/../text/tunstad.ini");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::vector<TCPUMerchantData> merchants =
      ReadMarketSettings(TIniFile::FromBytes("\xEF\xBB\xBF" + file.readAll().toStdString())).Settings.CPUMerchants;
  ASSERT_EQ(merchants.size(), expected.size());
  for (std::size_t i = 0; i < merchants.size(); ++i) {
    const TCPUMerchantData& merchant = merchants[i];
    SCOPED_TRACE(merchant.Name);
    EXPECT_EQ(merchant.Name, expected[i].Name);
    ASSERT_GE(merchant.ImageNo, 0);
    ASSERT_LT(merchant.ImageNo, PortraitCount);
    const TPerson& who = People()[static_cast<std::size_t>(merchant.ImageNo)];
    EXPECT_EQ(PortraitSex(merchant.ImageNo), expected[i].Sex);
    const QColor hair(who.Hair);
    const bool grey = hair.saturation() < 20 && hair.value() > 100;
    if (expected[i].GreyHair) {
      EXPECT_TRUE(grey) << who.Hair.toStdString();
    }
  }
}

TEST(ButtonPainter, TheThreeStatesDifferAndKeepTheSize) {
  QImage icon(20, 20, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::red);
  const QImage normal = TButtonPainter::Paint(icon, {40, 30}, TButtonPainter::TState::Normal);
  const QImage pressed = TButtonPainter::Paint(icon, {40, 30}, TButtonPainter::TState::Pressed);
  const QImage lit = TButtonPainter::Paint(icon, {40, 30}, TButtonPainter::TState::Highlighted);
  EXPECT_EQ(normal.size(), QSize(40, 30));
  EXPECT_EQ(pressed.size(), QSize(40, 30));
  EXPECT_NE(normal, pressed);
  EXPECT_NE(normal, lit);
  // The pressed icon sits one pixel lower and further right.
  EXPECT_NE(normal.pixel(10, 5), normal.pixel(9, 4));
  EXPECT_EQ(pressed.pixel(11, 6), qRgb(255, 0, 0));
  EXPECT_NE(pressed.pixel(10, 5), qRgb(255, 0, 0));
}

TEST(ContactSheet, ItShowsEveryPictureOfTheManifest) {
  QTemporaryDir game;
  QDir(game.path()).mkpath("Bilder");
  QImage red(30, 20, QImage::Format_RGB888);
  red.fill(Qt::red);
  QStringList lines;
  for (int i = 0; i < 9; ++i) {
    ASSERT_TRUE(red.save(game.filePath(QString("Bilder/p%1.bmp").arg(i)), "BMP"));
    lines << QString("Bilder\\p%1.bmp").arg(i);
  }
  lines << "Sound\\x.wav";
  QFile manifest(game.filePath(TAssetGenerator::ManifestName));
  ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
  manifest.write(lines.join('\n').toUtf8());
  manifest.close();
  const QImage sheet = TContactSheet::Make(game.path());
  EXPECT_EQ(sheet.width(), 8 * 200);
  EXPECT_EQ(sheet.height(), 2 * 190);  // nine pictures make two rows; the sound is left out
  EXPECT_EQ(sheet.pixel(100 + 200, 20), qRgb(255, 0, 0));
  EXPECT_THROW(TContactSheet::Make("/nonexistent"), std::runtime_error);
}

TEST(Speaker, ALineIsSpokenOrBecomesATone) {
  const TSpeaker speaker;
  const TWave empty = speaker.Speak("   ", "x.wav");
  EXPECT_GT(empty.Frames(), 0);
  EXPECT_LT(empty.Frames(), empty.Rate);  // an empty line is a short tone
  if (!speaker.Available()) GTEST_SKIP() << "espeak-ng is not installed";
  const TWave spoken = speaker.Speak(QString::fromUtf8("Takk for gode råd."), "z4.wav");
  EXPECT_EQ(spoken.Channels, 1);
  EXPECT_GT(spoken.Frames(), spoken.Rate / 2);
  EXPECT_EQ(spoken.FileBytes(), speaker.Speak(QString::fromUtf8("Takk for gode råd."), "z4.wav").FileBytes());
}

TEST(AssetGenerator, AMissingDrawingIsReportedAndNoManifestIsWritten) {
  QTemporaryDir art, game;
  TAssetGenerator generator({art.path(), art.path(), game.path()});
  EXPECT_THROW(generator.Run(), std::runtime_error);
  EXPECT_FALSE(QFile::exists(game.filePath(TAssetGenerator::ManifestName)));
}

TEST(AssetGenerator, ANameThatLeavesTheGameFolderIsRefused) {
  QTemporaryDir data, game;
  QFile tips(QDir(data.path()).filePath("popup.txt"));
  ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
  tips.write("[POPUP1]\nTEXT=x\nBITMAP=..\\..\\escaped.bmp\n");
  tips.close();
  TAssetGenerator generator({FJORDHEIM_ART_DIR, data.path(), game.path() + "/inner"});
  EXPECT_THROW(generator.Run(), std::runtime_error);
  EXPECT_FALSE(QFile::exists(game.filePath("escaped.bmp")));
}

}  // namespace
}  // namespace fjordheim
