#include "gui/app/screen_game.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <memory>
#include <utility>
#include <string>

#include "core/game/headless_view.h"
#include "core/game/village_herds.h"
#include "core/settings/name_tables.h"
#include "core/work/work_places.h"
#include "gui/app/main_form.h"
#include "gui/controls/draw_transparent.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/zone_image.h"
#include "gui/council/council_image.h"
#include "gui/dialogs/arkiv_form.h"
#include "gui/dialogs/seas_dlg.h"
#include "gui/work/creature.h"
#include "gui/work/creature_divider.h"
#include "gui/work/human.h"
#include "gui/work/human_divider.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/player_answers.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2)); }

// A point on the icon where it lies on top of every other icon.
QPoint PointOn(const TCustomDivider& divider, const TCustomCreature* icon) {
  const TWorkRect& b = icon->Bounds();
  for (int y = b.Top + 2; y < b.Bottom; y += 3) {
    for (int x = b.Left + 1; x < b.Right; ++x) {
      if (divider.IconAt(x, y) == icon) return {x, y};
    }
  }
  ADD_FAILURE() << "icon is covered";
  return {};
}

bool Inside(const TWorkRect& inner, const TWorkRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right && inner.Bottom <= outer.Bottom;
}

// The real game on the real data set: the pictures, sounds and data the build made, with
// a game and page folder of the test's own, so that saves touch nothing of the build.
class ScreenGame : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!GameIsBuilt()) GTEST_SKIP() << "the game's files are not made";
    ASSERT_TRUE(FFolder.Made());
    FSettings = std::make_unique<TSettings>(ProgramFile(), FRandom);
    FForm = std::make_unique<TMainForm>(*FSettings, FRandom, FSink);
    FGame = dynamic_cast<TScreenGame*>(&FForm->Actions());
    ASSERT_NE(FGame, nullptr);
    Controller().SetAutosave(false);
    Controller().SetWarnings(false);
    FForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
  }

  std::string ProgramFile() const { return FFolder.ProgramFile(); }
  TGameController& Controller() { return FGame->Controller(); }

  void StartGame(std::int32_t face = 0) {
    FSettings->ChiefName = "Olav";
    FSettings->ChiefFace = face;
    FForm->Actions().NewGame();
    FForm->ShowGame();
    // A well-fed village, so that no first season ends the chief.
    Controller().Village().SetFoodStore(1e9L);
  }

  // The council heard, the decisions taken and "Neste årstid" pressed.
  void EndSeason() {
    for (int area = 0; area < AdviceAreaCount; ++area) Controller().HearAdviser(area);
    TModalScript script(PlayerAnswers(20));
    Click(FForm->Button(TMainForm::TButton::Beslut));
    ASSERT_TRUE(Controller().DecisionsTaken());
    Click(FForm->Button(TMainForm::TButton::ChgSeason));
  }

  // The game saved and loaded again, so that its figures are made from the file.
  void Reload() {
    const std::string path = FSettings->GamePath() + "reload.tun";
    ASSERT_TRUE(Controller().SaveGame(path));
    ASSERT_TRUE(FForm->Actions().LoadGame(path));
    FForm->ShowGame();
  }

  TPlayFolder FFolder{"[Tunstad]\r\nSOUND=OFF\r\n"};
  TRandom FRandom{42};
  std::unique_ptr<TSettings> FSettings;
  TCollectingMessageSink FSink;
  std::unique_ptr<TMainForm> FForm;
  TScreenGame* FGame = nullptr;
};

TEST_F(ScreenGame, ASeasonChangedInTheHallShowsTheVillageOfTheNewSeason) {
  StartGame();
  FForm->EnterIndoor();
  ASSERT_TRUE(FForm->Indoor());
  EndSeason();
  ASSERT_EQ(Controller().Village().Season, TSeason::Winter);
  EXPECT_FALSE(FForm->Indoor());
  EXPECT_EQ(FForm->VillageImage()->MaskFile(), FSettings->PicsPath() + "village.map");
  // The winter picture, with the herds the village keeps drawn over it.
  QImage winter = FForm->Pictures()
                      .Load(FSettings->PicsPath() + std::string(SeasonPictureNames[TSeason::Winter]))
                      .convertToFormat(QImage::Format_RGB32);
  QPainter painter(&winter);
  for (const std::string& herd : VillageHerdPictures(Controller().Village().Animals)) {
    painter.drawImage(0, 0, KeyedImage(FForm->Pictures().Load(FSettings->PicsPath() + herd), qRgb(255, 0, 255)));
  }
  painter.end();
  EXPECT_EQ(FForm->VillageImage()->Picture().convertToFormat(QImage::Format_RGB32), winter);
  for (const std::string& message : FSink.Messages) ADD_FAILURE() << "message during play: " << message;
}

TEST_F(ScreenGame, TheSeasonDialogShowsItsPicture) {
  StartGame();
  bool seen = false;
  TModalScript script({[&seen](QWidget* modal) {
    auto* dialog = dynamic_cast<TSeasDlg*>(modal);
    ASSERT_NE(dialog, nullptr);
    seen = true;
    const QPixmap picture = dialog->Image()->pixmap();
    EXPECT_FALSE(picture.isNull());
    SaveScreenshot(*dialog, "season_dialog_picture");
    dialog->accept();
  }});
  Click(FForm->Button(TMainForm::TButton::ChgSeason));
  EXPECT_TRUE(seen);
}

// After a load the save box proposes the loaded chief's own file, not the chief of the
// game played before, whose file the player might overwrite.
TEST_F(ScreenGame, TheSaveBoxProposesTheLoadedChiefsOwnFile) {
  StartGame();
  ASSERT_TRUE(Controller().SaveGame(FSettings->GamePath() + "Olav.tun"));
  FSettings->ChiefName = "Magnus";
  const QString olav = QDir(FFolder.GamePath()).filePath("Olav.tun");
  TModalScript load({[](QWidget* m) { Click(dynamic_cast<TArkivForm*>(m)->BtnLoad); },
                     [olav](QWidget* m) {
                       auto* name = m->findChild<QLineEdit*>("fileNameEdit");
                       ASSERT_NE(name, nullptr);
                       name->setText(olav);
                       QTest::keyClick(name, Qt::Key_Return);
                     }});
  FForm->BtnFileClick();
  EXPECT_EQ(FSettings->ChiefName, "Olav");
  QString proposed;
  TModalScript save({[](QWidget* m) { Click(dynamic_cast<TArkivForm*>(m)->BtnSave); },
                     [&proposed](QWidget* m) {
                       auto* box = dynamic_cast<QFileDialog*>(m);
                       ASSERT_NE(box, nullptr);
                       proposed = box->selectedFiles().value(0).section('/', -1);
                       box->reject();
                     }});
  FForm->BtnFileClick();
  EXPECT_EQ(proposed, "Olav.tun");
}

// The council on the screen shows the advice the game drew; it draws nothing of its own,
// so a seeded game on the screen spends its numbers as the same game without one.
TEST_F(ScreenGame, TheCouncilOnTheScreenDrawsNothingOfItsOwn) {
  TRandom headlessRandom{42};
  TSettings headlessSettings(ProgramFile(), headlessRandom);
  THeadlessView view;
  TCollectingMessageSink sink;
  TGameController headless(headlessSettings, headlessRandom, view, sink);
  headless.SetAutosave(false);
  StartGame();
  headless.NewGame("Olav", 0, FSettings->StartChoice);
  EXPECT_EQ(FRandom.Random(1 << 30), headlessRandom.Random(1 << 30));
  for (int area = 0; area < AdviceAreaCount; ++area) {
    EXPECT_EQ(Controller().Advice().AdviceText(area), headless.Advice().AdviceText(area));
  }
}

TEST_F(ScreenGame, TheCouncilAndThePageShowTheFaceTheChiefChose) {
  StartGame(3);
  QWidget* council = FGame->Council();
  const QImage first = council->grab().toImage();
  StartGame(8);
  const QImage second = council->grab().toImage();
  ASSERT_EQ(first.size(), second.size());
  const QRect seat = TCouncilImage::ChiefSeat();
  int changed = 0;
  for (int y = 0; y < first.height(); y += 2) {
    for (int x = 0; x < first.width(); x += 2) {
      if (first.pixel(x, y) == second.pixel(x, y)) continue;
      ASSERT_TRUE(seat.contains(x, y)) << x << "," << y;
      ++changed;
    }
  }
  EXPECT_GT(changed, seat.width() * seat.height() / 40);
  SaveScreenshot(*council, "council_chief_face");
}

TEST_F(ScreenGame, AHugeHerdKeepsToItsPen) {
  StartGame();
  Controller().Village().Animals = {3000, 3000, 3000, 3000};
  Reload();
  FForm->BtnSlaktClick();
  ASSERT_EQ(FGame->SlaughterDivider()->Icons().size(), 12000);
  for (const TCustomCreature* icon : FGame->SlaughterDivider()->Icons()) {
    ASSERT_TRUE(Inside(icon->Bounds(), AnimalPenBounds)) << icon->Bounds().Top << " " << icon->Bounds().Bottom;
  }
  SaveScreenshot(*FForm->Screen(), "slaughter_huge_herd");
}

// A player clicked a cow and widened the choice with Shift and an arrow; the cow before
// it, which he never chose, lives on.
TEST_F(ScreenGame, ShiftArrowOnTheSlaughterPageGoesOnFromTheAnimalClicked) {
  StartGame();
  FForm->BtnSlaktClick();
  const std::vector<TAnimalFigure>& cows = Controller().AnimalFigures(TAnimalKind::Cow);
  ASSERT_GE(cows.size(), 3U);
  TCreatureDivider& page = *FGame->SlaughterDivider();
  // The cows in reading order, as the pen lays them out.
  QList<TCustomCreature*> cowIcons;
  for (TCustomCreature* icon : page.Icons()) {
    if (static_cast<TCreature*>(icon)->Kind() == TAnimalKind::Cow) cowIcons.push_back(icon);
  }
  std::sort(cowIcons.begin(), cowIcons.end(), [](const TCustomCreature* a, const TCustomCreature* b) {
    return std::pair(a->Bounds().Top, a->Bounds().Left) < std::pair(b->Bounds().Top, b->Bounds().Left);
  });
  QTest::mouseClick(&page, Qt::LeftButton, {}, PointOn(page, cowIcons[1]));
  QTest::keyClick(&page, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&page, Qt::Key_Delete);
  int marked = 0;
  for (const TAnimalFigure& cow : Controller().AnimalFigures(TAnimalKind::Cow)) marked += cow.Marked;
  EXPECT_EQ(marked, 2);
  EXPECT_EQ(static_cast<TCreature*>(cowIcons[0])->State(), TCreature::Alive);
  EXPECT_EQ(static_cast<TCreature*>(cowIcons[1])->State(), TCreature::Marked);
}

// The season label stands over the top left of every page; nothing the work page draws
// may peek out from under it (the idle's sleeping head once did).
TEST_F(ScreenGame, NothingOfTheWorkPagePeeksOutFromUnderTheSeasonLabel) {
  StartGame();
  FForm->BtnWorkClick();
  const QWidget* page = FForm->PageWidget(TMainForm::TPage::Work);
  const QRect label = FForm->StatusButton()->geometry().translated(-page->mapTo(FForm->Screen(), QPoint(0, 0)));
  const QImage drawing = FForm->Pictures().Load(FSettings->PicsPath() + "WorkDiv.bmp");
  const QRgb ground = drawing.pixel(20, 470);
  for (int y = label.bottom() + 1; y <= label.bottom() + 6; ++y) {
    for (int x = label.left(); x <= label.right(); ++x) {
      ASSERT_EQ(drawing.pixel(x, y), ground) << x << "," << y;
    }
  }
  SaveScreenshot(*FForm->Screen(), "work_page_under_label");
}

// A saved game may hold a person whose sex byte is neither man nor woman: he stands on a
// row of the work page, the player can move him, and his byte stays as it was.
TEST_F(ScreenGame, APersonWithAnOddSexByteStandsOnTheWorkPage) {
  StartGame();
  THumanInfo* odd = nullptr;
  for (const auto& person : Controller().Village().People) {
    if (person->IsAdult()) odd = person.get();
  }
  ASSERT_NE(odd, nullptr);
  odd->Sex = static_cast<TSex>(2);
  odd->Work = TWorkKind::Idle;
  Reload();
  FForm->BtnWorkClick();
  const THuman* icon = nullptr;
  for (const TCustomCreature* item : FGame->WorkDivider()->Icons()) {
    const auto* human = static_cast<const THuman*>(item);
    if (static_cast<int>(human->Person()->Sex) == 2) icon = human;
  }
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(Inside(icon->Bounds(), IdleStripBounds));
  TCustomDivider& page = *FGame->WorkDivider();
  QTest::mouseClick(&page, Qt::LeftButton, {}, PointOn(page, icon));
  QTest::keyClick(&page, Qt::Key_4);
  EXPECT_EQ(icon->Person()->Work, TWorkKind::Farming);
  EXPECT_EQ(static_cast<int>(icon->Person()->Sex), 2);
}

}  // namespace
}  // namespace fjordheim
