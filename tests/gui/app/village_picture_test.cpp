#include <gtest/gtest.h>

#include <QFileInfo>
#include <QIcon>
#include <QPushButton>

#include <string>

#include "core/game/village_herds.h"
#include "core/settings/name_tables.h"
#include "gui/app/main_form.h"
#include "gui/app/screen_game.h"
#include "gui/controls/draw_transparent.h"
#include "gui/controls/zone_image.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

struct VillagePicture : ::testing::Test {
  void SetUp() override {
    if (!QFileInfo::exists(GameFolder() + "/Bilder/vihens.bmp")) GTEST_SKIP() << "the game's files are not made";
  }
};

QImage GamePicture(const std::string& name) {
  return QImage(GameFolder() + "/Bilder/" + QString::fromStdString(name)).convertToFormat(QImage::Format_RGB32);
}

// Whether the shown picture has the herd drawn wherever its own picture draws it, or the
// plain season picture there instead.
enum class THerd { Drawn, Absent, Mixed };
THerd HerdOn(const QImage& shown, const QImage& season, const std::string& herdPicture) {
  const QImage herd = GamePicture(herdPicture);
  int drawn = 0;
  int plain = 0;
  for (int y = 0; y < herd.height(); ++y) {
    for (int x = 0; x < herd.width(); ++x) {
      const QRgb pixel = herd.pixel(x, y);
      if (pixel == qRgb(255, 0, 255) || pixel == season.pixel(x, y)) continue;
      drawn += shown.pixel(x, y) == pixel;
      plain += shown.pixel(x, y) == season.pixel(x, y);
    }
  }
  if (drawn > 0 && plain == 0) return THerd::Drawn;
  if (plain > 0 && drawn == 0) return THerd::Absent;
  return THerd::Mixed;
}

TEST_F(VillagePicture, ShowsTheHerdsOfTheKindsTheVillageKeepsAndNoneOfTheOthers) {
  TRealGame real(7);
  ASSERT_TRUE(real.Show());
  real.NewGame("Ragnhild");
  TGameController& controller = real.Controller();
  const std::string season = std::string(SeasonPictureNames[controller.Village().Season]);
  const QImage plain = GamePicture(season);
  const auto shown = [&] { return real.Form.VillageImage()->Picture().convertToFormat(QImage::Format_RGB32); };
  for (const char* herd : HerdPictureNames) EXPECT_EQ(HerdOn(shown(), plain, herd), THerd::Drawn) << herd;

  // A village without pigs and fowl shows the cows and sheep alone, also after a visit indoors.
  controller.Village().Animals[static_cast<std::size_t>(TAnimalKind::Pig)] = 0;
  controller.Village().Animals[static_cast<std::size_t>(TAnimalKind::Hen)] = 0;
  const std::string pics = real.Settings.PicsPath();
  real.Game->ShowVillagePicture(pics + season, pics + "village.map");
  real.Form.ShowVillageSeason(controller.Village().Season);
  EXPECT_EQ(HerdOn(shown(), plain, "vicows.bmp"), THerd::Drawn);
  EXPECT_EQ(HerdOn(shown(), plain, "visheep.bmp"), THerd::Drawn);
  EXPECT_EQ(HerdOn(shown(), plain, "vipigs.bmp"), THerd::Absent);
  EXPECT_EQ(HerdOn(shown(), plain, "vihens.bmp"), THerd::Absent);
  SaveScreenshot(*real.Form.Screen(), "village_without_pigs_and_fowl");
}

// The status button shows the season of its caption, and beside it the chief's face.
TEST_F(VillagePicture, TheStatusButtonShowsThePictureOfTheSeasonItNames) {
  TRealGame real(7);
  ASSERT_TRUE(real.Show());
  real.NewGame("Ragnhild");
  QPushButton* status = real.Form.StatusButton();
  const auto seasonShown = [&] {
    const QImage icon = status->icon().pixmap(status->iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
    return icon.copy(0, 0, 32, 32);
  };
  const auto seasonPicture = [&](TSeason season) {
    const QImage bitmap = GamePicture("ListImgs/season" + std::to_string(static_cast<int>(season) + 1) + ".bmp");
    return KeyedImage(bitmap, qRgb(0, 0, 255)).convertToFormat(QImage::Format_ARGB32);
  };
  const TSeason first = real.Controller().Village().Season;
  EXPECT_EQ(seasonShown(), seasonPicture(first));
  EXPECT_GT(status->iconSize().width(), 32) << "the chief's face stands beside the season";
  real.Controller().Village().Season = TSeason::Winter;
  real.Form.SetStatusCaption(real.Controller().StatusCaption());
  EXPECT_EQ(seasonShown(), seasonPicture(TSeason::Winter));
  EXPECT_NE(seasonPicture(TSeason::Winter), seasonPicture(TSeason::Summer));
  SaveScreenshot(*status, "status_button_winter");
}

}  // namespace
}  // namespace fjordheim
