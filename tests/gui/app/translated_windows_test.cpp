#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <deque>

#include "core/common/translation.h"
#include "core/game/score_file.h"
#include "gui/app/main_form.h"
#include "gui/controls/forecast_line.h"
#include "gui/controls/picture_button.h"
#include "gui/council/council_image.h"
#include "gui/dialogs/arkiv_form.h"
#include "gui/dialogs/season_report_form.h"
#include "gui/dialogs/status_form.h"
#include "gui/work/human_divider.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/player_answers.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

// What a player of the language must read in the windows, and the name of its screenshots.
struct TLanguageWords {
  TLanguageCode Language;
  const char* Name;
  const char* StatusTitle;
  const char* PeopleTab;
  const char* Close;
  const char* Chronicle;
  const char* SaveHint;
  const char* SaveBoxTitle;
  const char* SaveButton;
  const char* DecisionsTitle;
  const char* ScoreTitle;
  const char* ReportTitle;
};

void PrintTo(const TLanguageWords& words, std::ostream* out) { *out << words.Name; }

// The real game on the built data set and catalogs, in the language the title's button chose.
struct TranslatedWindows : ::testing::TestWithParam<TLanguageWords> {
  void SetUp() override {
    if (!GameIsBuilt()) GTEST_SKIP() << "no generated pictures";
    if (!QFileInfo::exists(GameFolder() + "/locale/nn/LC_MESSAGES/fjordheim.mo")) GTEST_SKIP() << "no catalogs";
    Game = std::make_unique<TRealGame>(11);
    ASSERT_TRUE(Game->Show());
    Game->Form.resize(1280, 960);
    QTest::mouseClick(Game->Form.LanguageButton(static_cast<std::size_t>(GetParam().Language)), Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    Game.reset();
    UseCatalog(nullptr);
  }
  QString Shot(const char* window) const { return QString("%1_%2").arg(window, GetParam().Name); }

  std::unique_ptr<TRealGame> Game;
};

TEST_P(TranslatedWindows, TheCouncilStatusAndFileWindowsSpeakTheChosenLanguage) {
  const TLanguageWords& words = GetParam();
  SaveScreenshot(Game->Form, Shot("title"));
  Game->NewGame("Ragnhild");
  emit Game->Form.Button(TMainForm::TButton::Council)->Clicked();
  QTest::qWait(20);
  SaveScreenshot(Game->Form, Shot("council"));

  QString title, tab, close, chronicle;
  TModalScript status({[&](QWidget* m) {
    auto* form = dynamic_cast<TVillageStatusForm*>(m);
    ASSERT_NE(form, nullptr);
    title = form->windowTitle();
    tab = form->PageControl()->tabText(0);
    close = form->findChildren<QPushButton*>().front()->text();
    chronicle = form->ChronicleButton()->text();
    SaveScreenshot(*form, Shot("status"));
    form->accept();
  }});
  Game->Form.Actions().ShowVillageStatus();
  EXPECT_EQ(title, QString::fromUtf8(words.StatusTitle));
  EXPECT_EQ(tab, QString::fromUtf8(words.PeopleTab));
  EXPECT_EQ(close, QString::fromUtf8(words.Close));
  EXPECT_EQ(chronicle, QString::fromUtf8(words.Chronicle));

  QString hint, boxTitle;
  TModalScript files({[&](QWidget* m) {
                        auto* arkiv = qobject_cast<TArkivForm*>(m);
                        ASSERT_NE(arkiv, nullptr);
                        hint = arkiv->BtnSave->toolTip();
                        SaveScreenshot(*arkiv, Shot("arkiv"));
                        QTest::mouseClick(arkiv->BtnSave, Qt::LeftButton, {}, QPoint(2, 2));
                      },
                      [&](QWidget* m) {
                        auto* box = qobject_cast<QFileDialog*>(m);
                        ASSERT_NE(box, nullptr);
                        boxTitle = box->windowTitle();
                        EXPECT_EQ(box->labelText(QFileDialog::Accept), QString::fromUtf8(words.SaveButton));
                        SaveScreenshot(*box, Shot("save_box"));
                        box->reject();
                      }});
  emit Game->Form.Button(TMainForm::TButton::File)->Clicked();
  EXPECT_EQ(hint, QString::fromUtf8(words.SaveHint));
  EXPECT_EQ(boxTitle, QString::fromUtf8(words.SaveBoxTitle));
}

// The decision window after the council, and the score list, as the player meets them.
TEST_P(TranslatedWindows, TheDecisionWindowAndTheScoreListSpeakTheChosenLanguage) {
  Game->NewGame("Ragnhild");
  QString decisions, score;
  TModalScript board({[&](QWidget* m) {
    decisions = m->windowTitle();
    SaveScreenshot(*m, Shot("decisions"));
    qobject_cast<QDialog*>(m)->reject();
  }});
  Game->Game->RunDecisionWindow(Game->Controller().DecisionBoard());
  EXPECT_EQ(decisions, QString::fromUtf8(GetParam().DecisionsTitle));

  TModalScript list({[&](QWidget* m) {
    score = m->windowTitle();
    SaveScreenshot(*m, Shot("score_list"));
    qobject_cast<QDialog*>(m)->accept();
  }});
  TScoreOutcome outcome;
  outcome.Listed = true;
  outcome.Lines = {"Ragnhild        120", "Astrid           90"};
  Game->Game->ShowScoreList(outcome);
  EXPECT_EQ(score, QString::fromUtf8(GetParam().ScoreTitle));
}

// One season as the player meets it: the council, the work page with its forecast beside the
// work places, clear of the key help, and the report, all in the language chosen.
TEST_P(TranslatedWindows, OneSeasonCouncilWorkPageAndReportSpeakTheChosenLanguage) {
  Game->NewGame("Ragnhild");
  TGameController& controller = Game->Controller();
  emit Game->Form.Button(TMainForm::TButton::Council)->Clicked();
  QTest::qWait(20);
  SaveScreenshot(Game->Form, Shot("season_council"));
  // With the bubble away, no dark letter of an adviser's name or role reaches the light edge
  // of its plate.
  TCouncilImage& council = *Game->Game->Council();
  QTest::mouseClick(&council, Qt::LeftButton, {}, QPoint(5, 5));
  const QImage plates = council.grab().toImage();
  for (int area = 0; area < AdviceAreaCount; ++area) {
    const QRect plate = TCouncilImage::NamePlate(static_cast<TAdviceArea>(area));
    for (const int x : {plate.left() + 3, plate.right() - 3}) {
      for (int y = plate.top() + 6; y < plate.bottom() - 5; ++y) {
        EXPECT_GT(qGray(plates.pixel(x, y)), 150) << "plate " << area << " is cut at " << y;
      }
    }
  }

  std::deque<TModalScript::TAction> answers;
  QString reportTitle;
  for (int i = 0; i < 20; ++i) {
    answers.push_back([&](QWidget* modal) {
      if (auto* report = dynamic_cast<TSeasonInfoForm*>(modal)) {
        reportTitle = report->windowTitle();
        SaveScreenshot(*report, Shot("season_report"));
      }
      AnswerAsAPlayer(modal);
    });
  }
  TModalScript script(std::move(answers));
  for (int area = 0; area < AdviceAreaCount; ++area) controller.HearAdviser(area);
  controller.TakeDecisions();
  // Everyone to hunting and fishing with the keys, as a player may: the forecast tells what
  // comes of it.
  Game->Form.ShowPage(TMainForm::TPage::Work);
  THumanDivider& page = *Game->Game->WorkDivider();
  QTest::keyClick(&page, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&page, Qt::Key_1);
  QTest::qWait(20);
  SaveScreenshot(Game->Form, Shot("season_work"));
  const TForecastLine* line = Game->Game->ForecastLine();
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->isVisible());
  const QString forecast = line->text();
  EXPECT_FALSE(line->geometry().intersects(page.KeyHelpRect())) << "the forecast covers the key help";
  const QRect room = line->contentsRect();
  EXPECT_LE(line->fontMetrics().boundingRect(room, Qt::TextWordWrap, forecast).height(), room.height());
  for (const QString& word : forecast.split(' ')) {
    EXPECT_LE(line->fontMetrics().horizontalAdvance(word), room.width()) << word.toStdString() << " is cut";
  }
  const TSeasonForecast shown = controller.Forecast();

  ASSERT_EQ(controller.BtnChgSeasonClick(), TSeasonChange::Changed);
  EXPECT_EQ(reportTitle, QString::fromUtf8(GetParam().ReportTitle));
  UseCatalog(nullptr);
  const std::string bokmal = shown.WorkLine();
  EXPECT_FALSE(forecast.isEmpty());
  EXPECT_NE(forecast.toStdString(), bokmal) << "the forecast is not translated";
}

// The status window is made once and kept: a game after a change of language shows it anew
// in the language chosen, not the one it was made in.
TEST_P(TranslatedWindows, TheStatusWindowMadeInBokmalSpeaksTheLanguageChosenLater) {
  Game->Form.ChooseLanguage(TLanguageCode::Bokmal);
  QCoreApplication::processEvents();
  Game->NewGame("Ragnhild");
  TModalScript first({[](QWidget* m) { qobject_cast<QDialog*>(m)->accept(); }});
  Game->Form.Actions().ShowVillageStatus();
  Game->Form.ChooseLanguage(GetParam().Language);
  QCoreApplication::processEvents();
  QString title;
  TModalScript again({[&](QWidget* m) {
    title = m->windowTitle();
    qobject_cast<QDialog*>(m)->accept();
  }});
  Game->Form.Actions().ShowVillageStatus();
  EXPECT_EQ(title, QString::fromUtf8(GetParam().StatusTitle));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindows,
                         ::testing::Values(TLanguageWords{TLanguageCode::Nynorsk, "nynorsk", "Slik ligg det an...", "Menneske",
                                                          "Lukk", "Krønike", "Lagre", "Lagre spelet", "Lagre",
                                                          "Andre avgjerder", "Topplista",
                                                          "Dette skjedde i løpet av hausten."},
                                           TLanguageWords{TLanguageCode::English, "english", "How things stand...", "People",
                                                          "Close", "Chronicle", "Save", "Save the game", "Save",
                                                          "Other decisions", "High scores",
                                                          "This happened during the autumn."}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace fjordheim
