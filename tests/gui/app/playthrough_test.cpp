#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <string>

#include "gui/app/main_form.h"
#include "gui/app/scaled_view.h"
#include "gui/app/screen_game.h"
#include "gui/controls/picture_button.h"
#include "gui/council/council_image.h"
#include "gui/dialogs/catastrophe_dlg.h"
#include "gui/dialogs/decision_form.h"
#include "gui/dialogs/popup_form.h"
#include "gui/dialogs/score_form.h"
#include "gui/dialogs/seas_dlg.h"
#include "gui/dialogs/season_report_form.h"
#include "gui/work/creature.h"
#include "gui/work/creature_container.h"
#include "gui/work/creature_divider.h"
#include "gui/work/human.h"
#include "gui/work/human_divider.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

// One point inside each adviser's figure on the council picture.
constexpr std::array<QPoint, AdviceAreaCount> Advisers{{{420, 150}, {500, 100}, {350, 100}, {250, 100}, {100, 100}}};

TSeason After(TSeason season) { return static_cast<TSeason>((static_cast<int>(season) + 1) % SeasonCount); }

// The season windows have no meta-object of their own; the test names them.
std::string WindowName(QWidget* modal) {
  if (dynamic_cast<TDecisionForm*>(modal)) return "decisions";
  if (dynamic_cast<TPopupForm*>(modal)) return "tip";
  if (dynamic_cast<TSeasDlg*>(modal)) return "season_dialog";
  if (dynamic_cast<TCatastDlg*>(modal)) return "catastrophe";
  if (dynamic_cast<TSeasonInfoForm*>(modal)) return "season_report";
  if (dynamic_cast<TScoreForm*>(modal)) return "score";
  if (dynamic_cast<QMessageBox*>(modal)) return "message";
  return "other";
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2)); }

// Answers whatever window the turn cycle opens, as a player who reads and goes on, and
// keeps a picture of each.
struct TPlayer {
  int Shots = 0;
  int Reports = 0;
  int Decisions = 0;
  std::vector<std::string> Windows;

  void Answer(QWidget* modal) {
    Windows.push_back(WindowName(modal));
    SaveScreenshot(*modal, QString("play_%1_%2").arg(++Shots, 2, 10, QChar('0')).arg(QString::fromStdString(Windows.back())));
    if (auto* decisions = dynamic_cast<TDecisionForm*>(modal)) {
      for (int row = 0; row < 3; ++row) decisions->CheckBox(row)->click();
      decisions->OkButton()->click();
      ++Decisions;
      SaveScreenshot(*modal, QString("play_%1_decisions_verdict").arg(Shots, 2, 10, QChar('0')));
      if (decisions->isVisible()) decisions->CloseButton()->click();
    } else if (auto* tip = dynamic_cast<TPopupForm*>(modal)) {
      tip->done(TPopupForm::Close);
    } else if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
      box->buttons().front()->click();
    } else if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
      if (dynamic_cast<TSeasonInfoForm*>(modal) != nullptr) ++Reports;
      dialog->accept();
    }
  }
};

struct Playthrough : ::testing::Test {
  void SetUp() override {
    if (!GameIsBuilt()) GTEST_SKIP() << "the game's files are not made";
  }
};

TEST_F(Playthrough, TwoSeasonsFromTheCouncilToTheSeasonReport) {
  TRealGame real(11);
  ASSERT_TRUE(real.Show());
  TMainForm& form = real.Form;
  TGameController& controller = real.Controller();

  TPlayer player;
  std::deque<TModalScript::TAction> answers;
  for (int i = 0; i < 80; ++i) answers.push_back([&player](QWidget* modal) { player.Answer(modal); });
  TModalScript script(std::move(answers));

  real.NewGame("Olav");
  ASSERT_TRUE(controller.InGame());
  EXPECT_TRUE(form.Button(TMainForm::TButton::Work)->isHidden());
  // The market is open in every season but winter.
  EXPECT_EQ(form.Button(TMainForm::TButton::Trade)->isHidden(), controller.Village().Season == TSeason::Winter);
  const TSeason first = controller.Village().Season;

  for (int season = 0; season < 2; ++season) {
    const QString at = QString("play_season%1_").arg(season + 1);
    SaveScreenshot(*form.Screen(), at + "village");
    // Next season before the council: the season dialog says what is missing.
    QTest::keyClick(&form, Qt::Key_N);
    EXPECT_EQ(controller.Village().Season, season == 0 ? first : After(first));

    Click(form.Button(TMainForm::TButton::Council));
    ASSERT_EQ(form.ShownPage(), TMainForm::TPage::Council);
    for (QPoint adviser : Advisers) QTest::mouseClick(real.Game->Council(), Qt::LeftButton, {}, adviser);
    SaveScreenshot(*form.Screen(), at + "council");
    ASSERT_EQ(controller.HeardCount(), AdviceAreaCount);
    ASSERT_TRUE(form.Button(TMainForm::TButton::Work)->isVisible());

    Click(form.Button(TMainForm::TButton::Work));
    ASSERT_EQ(form.ShownPage(), TMainForm::TPage::Work);
    // The keys work at once, typed to the scaled screen as the player's keyboard does:
    // the page gives the work place the keyboard. Everyone to the fields, then the first
    // in reading order to hunting and fishing.
    EXPECT_EQ(form.Screen()->focusWidget(), real.Game->WorkDivider());
    QWidget* keyboard = form.View();
    QTest::keyClick(keyboard, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(keyboard, Qt::Key_4);
    for (Qt::Key work_key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_1, Qt::Key_2, Qt::Key_3}) {
      QTest::keyClick(keyboard, Qt::Key_Right);
      QTest::keyClick(keyboard, work_key);
    }
    SaveScreenshot(*form.Screen(), at + "work");
    int hunters = 0;
    int farmers = 0;
    for (const THumanFigure& figure : controller.HumanFigures()) {
      if (!figure.InWork) continue;
      hunters += figure.Person->Work == TWorkKind::HuntFish;
      farmers += figure.Person->Work == TWorkKind::Farming;
    }
    EXPECT_GT(hunters, 0);
    EXPECT_GT(farmers, 0);

    Click(form.Button(TMainForm::TButton::Slakt));
    ASSERT_EQ(form.ShownPage(), TMainForm::TPage::Cattle);
    EXPECT_EQ(form.Screen()->focusWidget(), real.Game->SlaughterDivider());
    QTest::keyClick(keyboard, Qt::Key_Right);
    QTest::keyClick(keyboard, Qt::Key_Delete);
    SaveScreenshot(*form.Screen(), at + "slaughter");
    int marked = 0;
    for (int kind = 0; kind < AnimalKindCount; ++kind) {
      for (const TAnimalFigure& figure : controller.AnimalFigures(static_cast<TAnimalKind>(kind))) marked += figure.Marked;
    }
    EXPECT_EQ(marked, 1);

    Click(form.Button(TMainForm::TButton::Beslut));
    EXPECT_TRUE(controller.DecisionsTaken());

    const int reports = player.Reports;
    Click(form.Button(TMainForm::TButton::ChgSeason));
    EXPECT_EQ(player.Reports, reports + 1);
    // A first winter with few hands may end the chief; the game then shows his deposition.
    if (controller.Deposed()) {
      ASSERT_EQ(season, 1) << "deposed after the first season";
      EXPECT_FALSE(form.MainPanelShown());
      SaveScreenshot(*form.Screen(), "play_deposition");
      EXPECT_NE(std::find(player.Windows.begin(), player.Windows.end(), "score"), player.Windows.end());
      EXPECT_TRUE(QFileInfo::exists(real.Folder.GamePath() + "/nothing.tpl")) << "the score list is the game's own";
      break;
    }
    EXPECT_EQ(form.ShownPage(), TMainForm::TPage::Main);
  }
  EXPECT_EQ(controller.Village().Season, After(After(first)));
  EXPECT_EQ(player.Reports, 2);
  EXPECT_EQ(player.Decisions, 2);
  EXPECT_NE(std::find(player.Windows.begin(), player.Windows.end(), "season_dialog"), player.Windows.end());
  if (!controller.Deposed()) SaveScreenshot(*form.Screen(), "play_season3_village");
  for (const std::string& message : real.Sink.Messages) ADD_FAILURE() << "message during play: " << message;
}

// The player's mouse on the scaled screen: every press, move and release goes to the
// view that scales the game, at the screen pixel showing the given point of a widget.
class TScreenMouse {
 public:
  explicit TScreenMouse(TMainForm& form) : FForm(form) {}

  void Click(QWidget* widget, QPoint at, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(Viewport(), Qt::LeftButton, keys, ScreenPoint(widget, at));
  }
  void Drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, ScreenPoint(widget, from));
    for (int step = 1; step <= 8; ++step) MoveTo(widget, from + (to - from) * step / 8);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, ScreenPoint(widget, to));
  }
  void MoveTo(QWidget* widget, QPoint at) { QTest::mouseMove(Viewport(), ScreenPoint(widget, at)); }

 private:
  QWidget* Viewport() const { return FForm.View()->viewport(); }
  QPoint ScreenPoint(QWidget* widget, QPoint at) const {
    const QPointF centre = FForm.View()->Scale().ToScreen(widget->mapTo(FForm.Screen(), at));
    return {static_cast<int>(centre.x()), static_cast<int>(centre.y())};
  }

  TMainForm& FForm;
};

QPoint Centre(const TWorkRect& bounds) { return {(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2}; }

TEST_F(Playthrough, TwoSeasonsWithTheMouseAloneOnTheScaledScreen) {
  TRealGame real(5);
  ASSERT_TRUE(real.Show());
  TMainForm& form = real.Form;
  TGameController& controller = real.Controller();
  // The window fills the screen, so the game is scaled and every point is mapped back.
  ASSERT_GT(form.View()->Scale().Factor, 1.0);
  TPlayer player;
  std::deque<TModalScript::TAction> answers;
  for (int i = 0; i < 40; ++i) answers.push_back([&player](QWidget* modal) { player.Answer(modal); });
  TModalScript script(std::move(answers));
  real.NewGame("Sigrid");
  TScreenMouse mouse(form);
  auto press = [&](TMainForm::TButton button) {
    QWidget* widget = form.Button(button);
    mouse.Click(widget, widget->rect().center());
  };

  // The first season sends three people to the fields, the second three to hunting.
  constexpr std::array<std::size_t, 2> Targets{3, 0};
  for (int season = 0; season < 2; ++season) {
    press(TMainForm::TButton::Council);
    ASSERT_EQ(form.ShownPage(), TMainForm::TPage::Council);
    // The help pointer shows over an adviser on the screen itself, not only in the picture.
    mouse.MoveTo(real.Game->Council(), Advisers[0]);
    EXPECT_EQ(form.View()->viewport()->cursor().shape(), Qt::WhatsThisCursor);
    for (QPoint adviser : Advisers) mouse.Click(real.Game->Council(), adviser);
    ASSERT_EQ(controller.HeardCount(), AdviceAreaCount);

    press(TMainForm::TButton::Work);
    ASSERT_EQ(form.ShownPage(), TMainForm::TPage::Work);
    THumanDivider* work = real.Game->WorkDivider();
    const TWorkPlace& target = WorkPlaces[Targets[static_cast<std::size_t>(season)]];
    mouse.MoveTo(work, Centre(target.Bounds));
    EXPECT_EQ(form.WorkAreaHeard(), static_cast<int>(Targets[static_cast<std::size_t>(season)]) + 1);
    mouse.MoveTo(work, {20, 460});
    EXPECT_EQ(form.WorkAreaHeard(), 0);
    // Three people not yet at that work, picked by click and Ctrl-click (Shift-click in the
    // second season) on a pixel where each one shows among the others, then carried there
    // together.
    std::vector<THuman*> picked;
    std::vector<QPoint> shown;
    for (TCustomCreature* icon : work->Icons()) {
      auto* human = static_cast<THuman*>(icon);
      const std::optional<QPoint> point = work->PointOn(icon);
      if (picked.size() < 3 && human->Person()->Work != target.Kind && point) {
        picked.push_back(human);
        shown.push_back(*point);
      }
    }
    ASSERT_EQ(picked.size(), 3u);
    const Qt::KeyboardModifier widen = season == 0 ? Qt::ControlModifier : Qt::ShiftModifier;
    mouse.Click(work, shown[0]);
    for (std::size_t i = 1; i < picked.size(); ++i) mouse.Click(work, shown[i], widen);
    for (THuman* human : picked) EXPECT_TRUE(human->Selected());
    mouse.Drag(work, shown[0], Centre(target.Bounds));
    for (THuman* human : picked) EXPECT_EQ(human->Person()->Work, target.Kind);
    SaveScreenshot(*form.Screen(), QString("mouse_season%1_work").arg(season + 1));

    press(TMainForm::TButton::Slakt);
    ASSERT_EQ(form.ShownPage(), TMainForm::TPage::Cattle);
    TCreatureDivider* slaughter = real.Game->SlaughterDivider();
    auto* animal = static_cast<TCreature*>(slaughter->Icons().front());
    const std::optional<QPoint> onAnimal = slaughter->PointOn(animal);
    ASSERT_TRUE(onAnimal.has_value());
    mouse.Click(slaughter, *onAnimal);
    // The first season lays the animal on the table, the second on the chopping block.
    mouse.Drag(slaughter, *onAnimal, Centre(season == 0 ? SlaughterPenBounds : ChoppingBlockBounds));
    EXPECT_EQ(animal->State(), TCreature::Marked);
    EXPECT_EQ(animal->Container(), static_cast<TCustomContainer*>(slaughter->SlaughterContainer()));

    press(TMainForm::TButton::Beslut);
    EXPECT_TRUE(controller.DecisionsTaken());
    const TSeason before = controller.Village().Season;
    press(TMainForm::TButton::ChgSeason);
    EXPECT_EQ(controller.Village().Season, After(before));
    EXPECT_EQ(player.Reports, season + 1);
    // A chief who sends so few to work may be deposed, but not before the second season.
    if (season == 0) {
      ASSERT_FALSE(controller.Deposed()) << "deposed after the first season";
    }
    SaveScreenshot(*form.Screen(), QString("mouse_season%1_after").arg(season + 1));
  }
  for (const std::string& message : real.Sink.Messages) ADD_FAILURE() << "message during play: " << message;
}

}  // namespace
}  // namespace fjordheim
