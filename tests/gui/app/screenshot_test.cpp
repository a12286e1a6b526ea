#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTest>

#include "core/settings/name_tables.h"
#include "gui/app/main_form.h"
#include "gui/pages/browser_win.h"

namespace fjordheim {
namespace {

class TSeasonGame : public TGameActions {
 public:
  void NewGame() override {}
  bool LoadGame(const std::string&) override { return true; }
  bool SaveGame(const std::string&) override { return true; }
  void ChangeSeason() override {}
  void TakeDecisions() override {}
  void ShowVillageStatus() override {}
  void LeaveGame() override {}
  TSeason Season() const override { return Now; }
  std::string StatusCaption() const override { return std::string(SeasonYearNames[Now]) + " 852"; }
  std::string BookmarkFile() const override { return {}; }
  std::optional<TChief> Chief() const override { return std::nullopt; }
  TSeason Now = TSeason::Autumn;
};

// A picture with a handful of colours at most is taken for blank.
int ColourCount(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

// The generated game folder sits beside the tests in the build tree; the shots are kept
// in build/screenshots for a person to look at.
struct Screenshots : ::testing::Test {
  void SetUp() override {
    const QDir build(QCoreApplication::applicationDirPath() + "/../..");
    Game = build.absoluteFilePath("game");
    if (!QFileInfo::exists(Game + "/Bilder/viautumn.bmp")) GTEST_SKIP() << "no generated pictures in " << Game.toStdString();
    Shots = build.absoluteFilePath("screenshots");
    QDir().mkpath(Shots);
  }

  void Keep(const QImage& shot, const QString& name, QSize size) {
    EXPECT_EQ(shot.size(), size) << name.toStdString();
    EXPECT_GT(ColourCount(shot), 20) << name.toStdString() << " looks blank";
    EXPECT_TRUE(shot.save(Shots + "/" + name + ".png"));
  }

  QString Game;
  QString Shots;
};

TEST_F(Screenshots, TitleVillageInEverySeasonAndBrowser) {
  TRandom random(7);
  TSettings settings((Game + "/fjordheim").toStdString(), random);
  TCollectingMessageSink sink;
  auto game = std::make_unique<TSeasonGame>();
  TSeasonGame* seasons = game.get();
  TMainForm form(settings, random, sink, std::move(game));
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.resize(1280, 960);
  QTest::qWait(20);
  Keep(form.grab().toImage(), "title", QSize(1280, 960));

  const char* names[] = {"village_autumn", "village_winter", "village_spring", "village_summer"};
  for (int season = 0; season < SeasonCount; ++season) {
    seasons->Now = static_cast<TSeason>(season);
    form.ShowGame();
    QTest::qWait(10);
    Keep(form.grab().toImage(), names[season], QSize(1280, 960));
  }

  form.Browser()->ShowPage(settings.HtmlPath() + "pets.htm");
  QTest::qWait(20);
  Keep(form.Browser()->grab().toImage(), "browser", QSize(601, 442));
  for (const std::string& message : sink.Messages) ADD_FAILURE() << "message while drawing: " << message;
}

}  // namespace
}  // namespace fjordheim
