#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <string>

#include "core/council/council_meeting.h"
#include "core/game/first_year_guide.h"
#include "core/work/work_places.h"
#include "gui/app/main_form.h"
#include "gui/app/screen_game.h"
#include "gui/controls/forecast_line.h"
#include "gui/controls/guide_overlay.h"
#include "gui/controls/picture_button.h"
#include "gui/council/council_image.h"
#include "gui/pages/browser_win.h"
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

// Two windows as they stand on the screen, in one picture.
void SaveBeside(QWidget& first, QWidget& second, const QString& name) {
  const QRect both = first.frameGeometry().united(second.frameGeometry());
  QImage picture(both.size(), QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  for (QWidget* window : {&second, &first}) painter.drawPixmap(window->geometry().topLeft() - both.topLeft(), window->grab());
  painter.end();
  QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
  picture.save(QCoreApplication::applicationDirPath() + "/screenshots/" + name + ".png");
}

// A point on the icon where it lies on top of every other icon.
QPoint PointOn(const TCustomDivider& divider, const TCustomCreature* icon) {
  const TWorkRect& b = icon->Bounds();
  for (int y = b.Top + 2; y < b.Bottom; y += 3) {
    for (int x = b.Left + 1; x < b.Right; ++x) {
      if (divider.IconAt(x, y) == icon) return {x, y};
    }
  }
  return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
}

// The real game on the real data set, with a settings file and game folder of the test's own,
// so that the help switched off is written there and nowhere in the build.
class GuidedYear : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!GameIsBuilt()) GTEST_SKIP() << "the game's files are not made";
    ASSERT_TRUE(FFolder.Made());
    MakeForm();
  }

  void MakeForm() {
    FForm.reset();
    FSettings = std::make_unique<TSettings>(FFolder.ProgramFile(), FRandom);
    FForm = std::make_unique<TMainForm>(*FSettings, FRandom, FSink);
    FGame = dynamic_cast<TScreenGame*>(&FForm->Actions());
    ASSERT_NE(FGame, nullptr);
    FGame->Controller().SetAutosave(false);
    FGame->Controller().SetWarnings(false);
    FForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
  }

  void StartGame() {
    FSettings->ChiefName = "Olav";
    FForm->Actions().NewGame();
    FForm->ShowNewGame();
    // A well-fed village, so that no season of the first year ends the chief.
    FGame->Controller().Village().SetFoodStore(1e9L);
  }

  const TFirstYearGuide& Guide() const { return FForm->Guide(); }
  TGuideOverlay& Overlay() const { return *FForm->GuideOverlay(); }
  QRect OnPanel(TMainForm::TButton button) const {
    const TPictureButton* widget = FForm->Button(button);
    return QRect(widget->mapTo(FForm->Screen(), QPoint(0, 0)), widget->size());
  }
  // The arrow ends right beside the button it points at.
  void ExpectArrowAt(TMainForm::TButton button) const {
    const QRect place = OnPanel(button);
    EXPECT_LE(std::abs(Overlay().Tip().x() - place.left()), 4);
    EXPECT_GE(Overlay().Tip().y(), place.top());
    EXPECT_LE(Overlay().Tip().y(), place.bottom());
  }
  void Shot(const QString& name) { SaveScreenshot(*FForm->Screen(), name); }

  void HearAdviser(int speaker) {
    for (const TCouncilZone& zone : TCouncilMeeting::Zones) {
      if (zone.Speaker != speaker) continue;
      QTest::mouseClick(FGame->Council(), Qt::LeftButton, {},
                        QPoint((zone.Hit.Left + zone.Hit.Right) / 2, (zone.Hit.Top + zone.Hit.Bottom) / 2));
      return;
    }
  }
  // The first idle figures of the work page go hunting and fishing by the keyboard.
  void GiveWork(int people) {
    THumanDivider& page = *FGame->WorkDivider();
    int given = 0;
    for (TCustomCreature* icon : page.Icons()) {
      if (given == people) break;
      const auto* human = static_cast<THuman*>(icon);
      if (human->Person()->Work != TWorkKind::Idle) continue;
      QTest::mouseClick(&page, Qt::LeftButton, {}, PointOn(page, icon));
      QTest::keyClick(&page, Qt::Key_3);
      if (human->Person()->Work != TWorkKind::Idle) ++given;
    }
    ASSERT_EQ(given, people);
  }

  TPlayFolder FFolder{"[Tunstad]\r\nSOUND=OFF\r\n"};
  TRandom FRandom{11};
  TCollectingMessageSink FSink;
  std::unique_ptr<TSettings> FSettings;
  std::unique_ptr<TMainForm> FForm;
  TScreenGame* FGame = nullptr;
};

// A child's first autumn: each step shows its sentence and points at what to click, and the
// next step comes when the child has done it.
TEST_F(GuidedYear, ANewGameLeadsTheChildStepByStepThroughTheFirstSeason) {
  StartGame();
  ASSERT_TRUE(Guide().Shown());
  EXPECT_EQ(Guide().Step(), TGuideStep::HearAdvisers);
  EXPECT_TRUE(Overlay().Shown());
  EXPECT_TRUE(Overlay().Sentence().contains(QString::fromUtf8("Hold rådsmøte")));
  ExpectArrowAt(TMainForm::TButton::Council);
  EXPECT_TRUE(FForm->CouncilHint()->isHidden()) << "the help says it already";
  Shot("guide_1_council_button");

  Click(FForm->Button(TMainForm::TButton::Council));
  EXPECT_EQ(Guide().Target(), TGuideTarget::Adviser);
  HearAdviser(0);
  HearAdviser(1);
  EXPECT_TRUE(Overlay().Sentence().contains("2 av 5")) << Overlay().Sentence().toStdString();
  // The arrow moved on to the third adviser.
  const QPoint onPage = Overlay().Tip() - FForm->PageWidget(TMainForm::TPage::Council)->mapTo(FForm->Screen(), QPoint());
  EXPECT_EQ(TCouncilMeeting::Zones[static_cast<std::size_t>(TCouncilMeeting::ZoneAt(onPage.x(), onPage.y()))].Speaker, 2);
  Shot("guide_2_advisers");
  for (int speaker = 2; speaker < AdviceAreaCount; ++speaker) HearAdviser(speaker);
  ASSERT_TRUE(FGame->Controller().CouncilHeld());
  EXPECT_EQ(Guide().Step(), TGuideStep::DivideWork);
  ExpectArrowAt(TMainForm::TButton::Work);

  Click(FForm->Button(TMainForm::TButton::Work));
  EXPECT_EQ(Guide().Target(), TGuideTarget::IdlePeople);
  Shot("guide_3_work_page");
  GiveWork(6);
  EXPECT_EQ(Guide().Target(), TGuideTarget::ForecastLine);
  const TForecastLine* line = FGame->ForecastLine();
  EXPECT_TRUE(QRect(line->mapTo(FForm->Screen(), QPoint()), line->size()).adjusted(0, -3, 0, 0).contains(Overlay().Tip()));
  EXPECT_FALSE(Overlay().Box().intersects(QRect(line->mapTo(FForm->Screen(), QPoint()), line->size())));
  Shot("guide_4_forecast");

  Click(FForm->Button(TMainForm::TButton::Slakt));
  EXPECT_EQ(Guide().Step(), TGuideStep::MarkAnimals);
  EXPECT_EQ(Guide().Target(), TGuideTarget::AnimalPen);
  Shot("guide_5_slaughter");
  TCreatureDivider& pen = *FGame->SlaughterDivider();
  QTest::mouseClick(&pen, Qt::LeftButton, {}, PointOn(pen, pen.Icons().front()));
  QTest::keyClick(&pen, Qt::Key_Delete);
  EXPECT_EQ(Guide().Step(), TGuideStep::TakeDecisions);
  ExpectArrowAt(TMainForm::TButton::Beslut);
  Shot("guide_6_decisions");

  {
    TModalScript script({AnswerAsAPlayer});
    Click(FForm->Button(TMainForm::TButton::Beslut));
  }
  ASSERT_TRUE(FGame->Controller().DecisionsTaken());
  EXPECT_EQ(Guide().Step(), TGuideStep::ChangeSeason);
  ExpectArrowAt(TMainForm::TButton::ChgSeason);
  Shot("guide_7_next_season");

  bool reportGuided = false;
  TModalScript script({[this, &reportGuided](QWidget* report) {
                         QTest::qWait(20);
                         const TGuideOverlay* note = FForm->WindowGuide();
                         reportGuided = note != nullptr && note->isVisible() &&
                                        note->Sentence().contains("rapporten") &&
                                        !note->window()->geometry().intersects(report->frameGeometry());
                         if (note != nullptr) SaveBeside(*note->window(), *report, "guide_8_report");
                         AnswerAsAPlayer(report);
                       },
                       AnswerAsAPlayer, AnswerAsAPlayer, AnswerAsAPlayer});
  Click(FForm->Button(TMainForm::TButton::ChgSeason));
  EXPECT_TRUE(reportGuided);
  EXPECT_EQ(FGame->Controller().Village().Season, TSeason::Winter);
  EXPECT_EQ(Guide().Step(), TGuideStep::HearAdvisers);
  EXPECT_TRUE(Overlay().Shown());
}

// Switched off with its own button, the help is gone at once, and no new game brings it
// back: not in this run, nor in the next one, which reads the player's settings again.
TEST_F(GuidedYear, SwitchedOffTheHelpIsGoneAndStaysOffInANewGame) {
  StartGame();
  ASSERT_TRUE(Overlay().Shown());
  Click(Overlay().SwitchOffButton());
  EXPECT_FALSE(Guide().Shown());
  EXPECT_FALSE(Overlay().Shown());
  EXPECT_TRUE(Overlay().SwitchOffButton()->isHidden());
  EXPECT_TRUE(FSink.Messages.empty());
  StartGame();
  EXPECT_FALSE(Guide().Shown());
  MakeForm();
  StartGame();
  EXPECT_FALSE(Guide().Shown());
  EXPECT_FALSE(Overlay().Shown());
  EXPECT_TRUE(FSettings->GuideOff());
}

// Without the help, a line still says why the season's buttons are missing, until the
// fifth adviser has spoken.
TEST_F(GuidedYear, TheCouncilLineSaysWhyTheButtonsAreMissingAlsoWithoutTheHelp) {
  FForm->SetGuideAllowed(false);
  StartGame();
  EXPECT_FALSE(Overlay().Shown());
  QLabel* hint = FForm->CouncilHint();
  EXPECT_FALSE(hint->isHidden());
  EXPECT_EQ(hint->text().toStdString(), HearCouncilFirstText);
  EXPECT_TRUE(FForm->Button(TMainForm::TButton::Work)->isHidden());
  Shot("guide_council_line");
  Click(FForm->Button(TMainForm::TButton::Council));
  EXPECT_FALSE(hint->isHidden());
  for (int speaker = 0; speaker < AdviceAreaCount; ++speaker) HearAdviser(speaker);
  EXPECT_TRUE(hint->isHidden());
  EXPECT_FALSE(FForm->Button(TMainForm::TButton::Work)->isHidden());
}

// A saved game goes on without the help.
TEST_F(GuidedYear, ALoadedGameComesWithoutTheHelp) {
  StartGame();
  const std::string path = FSettings->GamePath() + "guide.tun";
  ASSERT_TRUE(FGame->Controller().SaveGame(path));
  ASSERT_TRUE(FForm->Actions().LoadGame(path));
  FForm->ShowGame();
  EXPECT_FALSE(Guide().Shown());
  EXPECT_FALSE(Overlay().Shown());
  EXPECT_FALSE(FForm->CouncilHint()->isHidden());
}

// The title says that it is to be clicked, and leads to the page on how to play.
TEST_F(GuidedYear, TheTitleAsksForAClickAndLeadsToThePageOnHowToPlay) {
  FForm->ShowTitle();
  ASSERT_FALSE(FForm->TitleHint()->isHidden());
  EXPECT_TRUE(FForm->TitleHint()->findChild<QLabel*>()->text().contains(QString::fromUtf8("Klikk for å begynne")));
  Shot("title");
  Click(FForm->HowToPlayButton());
  TBrowserWin* browser = FForm->Browser();
  EXPECT_TRUE(browser->isVisible());
  EXPECT_NE(browser->LocationUrl().find("hjelp.htm"), std::string::npos) << browser->LocationUrl();
  SaveScreenshot(*browser, "how_to_play_page");
  browser->close();
  StartGame();
  EXPECT_TRUE(FForm->TitleHint()->isHidden());
}

}  // namespace
}  // namespace fjordheim
