#include "tools/assetgen/svg_art.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fjordheim {
namespace {

// Two overlapping zones, a zone nested in a drawn group, a zone inside a season layer's
// neighbour and a layer that only some renderings show.
const char* Drawing = R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20" viewBox="0 0 40 20">
  <rect width="40" height="20" fill="#ffffff"/>
  <g id="zone-5"><rect x="0" y="0" width="20" height="20" fill="#ff0000"/></g>
  <g id="zone-7"><rect x="10" y="0" width="20" height="10" fill="#00ff00"/></g>
  <g><rect x="30" y="10" width="10" height="10" fill="#0000ff"/>
    <g id="zone-9"><rect x="35" y="15" width="5" height="5" fill="#000000"/></g></g>
  <g id="layer-winter.snow" style="display:inline"><rect x="30" y="0" width="10" height="10" fill="#eeeeee"/></g>
</svg>)";

int ZoneAt(const QByteArray& mask, int x, int y) { return std::uint8_t(mask[y * 40 + x]); }

TEST(ZoneMask, TheTopmostZoneWinsAndUnzonedDrawingIsZero) {
  const QByteArray mask = TSvgArt(Drawing).ZoneMask({40, 20});
  ASSERT_EQ(mask.size(), 800);
  EXPECT_EQ(ZoneAt(mask, 2, 2), 5);
  EXPECT_EQ(ZoneAt(mask, 15, 5), 7);   // zone 7 lies over zone 5
  EXPECT_EQ(ZoneAt(mask, 15, 15), 5);  // below zone 7 only zone 5
  EXPECT_EQ(ZoneAt(mask, 25, 15), 0);  // the white ground is no zone
  EXPECT_EQ(ZoneAt(mask, 32, 12), 0);  // drawn, but not a zone
  EXPECT_EQ(ZoneAt(mask, 37, 17), 9);  // a zone inside a plain group
  EXPECT_EQ(ZoneAt(mask, 35, 5), 0);   // a season layer is never a zone
}

TEST(ZoneMask, AHiddenHitShapeWidensItsZoneButIsNotDrawn) {
  const TSvgArt art(R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10" viewBox="0 0 20 10">
    <rect width="20" height="10" fill="#ffffff"/>
    <g id="zone-3"><rect x="0" y="0" width="2" height="2" fill="#ff0000"/>
      <rect class="hit" style="display:none" x="0" y="0" width="10" height="10"/></g></svg>)");
  const QByteArray mask = art.ZoneMask({20, 10});
  EXPECT_EQ(mask[5 * 20 + 5], 3);
  EXPECT_EQ(mask[5 * 20 + 15], 0);
  EXPECT_EQ(art.Render({20, 10}).pixelColor(5, 5), QColor("#ffffff"));
}

TEST(ZoneMask, ZonesAreListedInDocumentOrder) {
  EXPECT_EQ(TSvgArt(Drawing).ZoneNumbers(), (QList<int>{5, 7, 9}));
}

TEST(SvgLayers, ALayerShowsOnlyWhenNamedEvenWhenItsStyleSaysInline) {
  const TSvgArt art(Drawing);
  EXPECT_EQ(art.Render({40, 20}).pixelColor(35, 5), QColor("#ffffff"));
  EXPECT_EQ(art.Render({40, 20}, {"winter"}).pixelColor(35, 5), QColor("#eeeeee"));
  EXPECT_EQ(art.Render({40, 20}, {"summer"}).pixelColor(35, 5), QColor("#ffffff"));
}

// A layer in two groups, one of them inside a zone: both are drawn in their places, and
// nothing else of the drawing is.
TEST(SvgLayers, ALayerDrawnAloneKeepsItsPlacesAndLeavesTheRestOut) {
  const char* herds = R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20" viewBox="0 0 40 20">
  <rect width="40" height="20" fill="#ffffff"/>
  <g id="zone-3"><rect x="0" y="0" width="10" height="10" fill="#ff0000"/>
    <g id="layer-fowl.hens"><rect x="2" y="2" width="4" height="4" fill="#00ff00"/></g></g>
  <g id="layer-fowl.geese"><rect x="30" y="10" width="5" height="5" fill="#0000ff"/></g>
  <g id="layer-cows"><rect x="20" y="0" width="5" height="5" fill="#000000"/></g>
</svg>)";
  const QImage fowl = TSvgArt(herds).RenderLayerAlone({40, 20}, "fowl");
  EXPECT_EQ(fowl.pixelColor(3, 3), QColor("#00ff00"));
  EXPECT_EQ(fowl.pixelColor(32, 12), QColor("#0000ff"));
  EXPECT_EQ(fowl.pixelColor(8, 8).alpha(), 0);    // the zone around the hens
  EXPECT_EQ(fowl.pixelColor(22, 2).alpha(), 0);   // another layer
  EXPECT_EQ(fowl.pixelColor(15, 15).alpha(), 0);  // the background
  // The season pictures, which name no herd, leave the herds out.
  EXPECT_EQ(TSvgArt(herds).Render({40, 20}).pixelColor(3, 3), QColor("#ff0000"));
}

TEST(SvgElement, AnElementIsDrawnAloneAndFitted) {
  const QImage image = TSvgArt(Drawing).RenderElement("zone-9", {10, 10});
  EXPECT_EQ(image.pixelColor(5, 5), QColor("#000000"));
  EXPECT_THROW(TSvgArt(Drawing).RenderElement("zone-404", {10, 10}), std::runtime_error);
}

TEST(KeyedPicture, HalfCoveredPixelsKeepTheirColourButNeverTheKey) {
  QImage argb(3, 1, QImage::Format_ARGB32);
  argb.setPixel(0, 0, qRgba(10, 20, 30, 255));
  argb.setPixel(1, 0, qRgba(255, 0, 255, 255));  // drawn in the key colour itself
  argb.setPixel(2, 0, qRgba(10, 20, 30, 100));   // mostly transparent
  const QImage keyed = KeyedPicture(argb, QColor(255, 0, 255));
  EXPECT_EQ(keyed.format(), QImage::Format_RGB888);
  EXPECT_EQ(keyed.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_NE(keyed.pixel(1, 0), qRgb(255, 0, 255));
  EXPECT_EQ(keyed.pixel(2, 0), qRgb(255, 0, 255));
}

TEST(SvgArt, AFileThatIsNotADrawingIsReported) {
  EXPECT_THROW(TSvgArt("not svg").Render({4, 4}), std::runtime_error);
  EXPECT_THROW(TSvgArt::FromFile("/nonexistent/x.svg"), std::runtime_error);
}

// A drawing that names a font the machine lacks would come out in a stand-in font and
// differ from every other machine's: the generator stops and names drawing and font.
TEST(SvgArt, AFontTheMachineLacksStopsTheGeneratorWithTheDrawingAndTheFontNamed) {
  const QByteArray text = R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20">
    <text font-family="DejaVu Serif" font-size="10">a</text>
    <text style="font-family: 'Fjordheim Runes', serif; font-size: 10px">b</text>
    <text font-family="sans-serif">c</text></svg>)";
  EXPECT_EQ(TSvgArt(text).MissingFonts(), QStringList{"Fjordheim Runes"});
  QTemporaryDir folder;
  const QString path = folder.filePath("runes.svg");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
  file.close();
  try {
    TSvgArt::FromFile(path);
    ADD_FAILURE() << "a missing font was not reported";
  } catch (const std::runtime_error& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("runes.svg"), std::string::npos) << message;
    EXPECT_NE(message.find("Fjordheim Runes"), std::string::npos) << message;
  }
}

TEST(SvgArt, EveryFontOfTheDrawingsIsInstalled) {
  const QDir art(QStringLiteral(FJORDHEIM_ART_DIR));
  for (const QString& name : art.entryList({"*.svg"})) {
    EXPECT_NO_THROW(TSvgArt::FromFile(art.filePath(name))) << name.toStdString();
  }
}

}  // namespace
}  // namespace fjordheim
