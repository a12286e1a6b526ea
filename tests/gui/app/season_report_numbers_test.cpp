#include <gtest/gtest.h>

#include <QFileInfo>
#include <QGroupBox>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <deque>
#include <functional>

#include "gui/app/main_form.h"
#include "gui/app/screen_game.h"
#include "gui/dialogs/decision_form.h"
#include "gui/dialogs/season_report_form.h"
#include "gui/dialogs/status_form.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/modal_script.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

struct SeasonReportNumbers : ::testing::Test {
  void SetUp() override {
    if (!GameIsBuilt()) GTEST_SKIP() << "the game's files are not made";
  }
};

// The whole text of a word-wrapped label fits inside it.
void ExpectWhole(const QLabel* label) {
  const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
  EXPECT_LE(needed.height(), label->contentsRect().height()) << label->text().toStdString();
}

// The rightmost column of the row band [top, top + height) that holds a drawn pixel, or -1.
int RightmostDrawn(const QImage& image, int top, int height, QRgb background) {
  for (int x = image.width() - 1; x >= 0; --x) {
    for (int y = top; y < std::min(image.height(), top + height); ++y) {
      if (image.pixel(x, y) != background) return x;
    }
  }
  return -1;
}

TEST_F(SeasonReportNumbers, TheSlaughterPageAndTheReportTellTheFoodAndTheNumbersOfTheWork) {
  TRealGame real(7);
  ASSERT_TRUE(real.Show());
  TGameController& controller = real.Controller();
  real.NewGame("Sigrid");
  ASSERT_TRUE(controller.InGame());
  struct TShown {
    QString Note;
    QString AnimalsWhy;
    QString CattleDeaths;
  };
  std::vector<TShown> shown;
  QString reasons;
  std::deque<TModalScript::TAction> answers;
  for (int i = 0; i < 40; ++i) {
    answers.push_back([&shown, &reasons](QWidget* modal) {
      if (auto* status = dynamic_cast<TVillageStatusForm*>(modal)) {
        reasons = status->ReasonsLabel()->isVisible() ? status->ReasonsLabel()->text() : QString();
        ExpectWhole(status->ReasonsLabel());
        SaveScreenshot(*status, "report_status_reasons");
        status->accept();
      } else if (auto* decisions = dynamic_cast<TDecisionForm*>(modal)) {
        for (int row = 0; row < 3; ++row) decisions->CheckBox(row)->click();
        decisions->OkButton()->click();
        if (decisions->isVisible()) decisions->CloseButton()->click();
      } else if (auto* report = dynamic_cast<TSeasonInfoForm*>(modal)) {
        shown.push_back({report->AnimalNoteLabel()->text(), report->AnimalsWhyLabel()->text(),
                         report->CattleDeathLabel()->text()});
        for (const QLabel* label : {report->PeopleWhyLabel(), report->AnimalsWhyLabel(), report->CropWhyLabel(),
                                    report->AnimalNoteLabel()}) {
          ExpectWhole(label);
        }
        SaveScreenshot(*report, "report_numbers");
        report->accept();
      } else if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
        box->buttons().front()->click();
      } else if (auto* dialog = dynamic_cast<QDialog*>(modal)) {
        dialog->accept();
      }
    });
  }
  TModalScript script(std::move(answers));
  for (int area = 0; area < AdviceAreaCount; ++area) controller.HearAdviser(area);
  controller.TakeDecisions();

  // Two grown men tend 39 animals, which need six; the rest hunt, keep house and farm.
  int tenders = 0;
  for (const THumanFigure& figure : controller.HumanFigures()) {
    const THumanInfo& person = *figure.Person;
    TWorkKind work = TWorkKind::Farming;
    if (person.IsAdultMan()) work = tenders++ < 2 ? TWorkKind::Cattle : TWorkKind::HuntFish;
    if (person.IsAdultWoman()) work = TWorkKind::Household;
    if (figure.InWork) {
      ASSERT_TRUE(controller.SetWork(figure.Id, work).Accepted);
    }
  }

  QLabel* slaughterLine = real.Game->SlaughterLine();
  ASSERT_NE(slaughterLine, nullptr);
  real.Form.ShowPage(TMainForm::TPage::Cattle);
  EXPECT_FALSE(slaughterLine->isVisible()) << "nothing marked yet";
  const std::vector<TAnimalFigure> cows = controller.AnimalFigures(TAnimalKind::Cow);
  const std::vector<TAnimalFigure> hens = controller.AnimalFigures(TAnimalKind::Hen);
  ASSERT_TRUE(cows.size() >= 2 && !hens.empty());
  ASSERT_TRUE(controller.MarkForSlaughter(cows[0].Id).Accepted);
  EXPECT_EQ(slaughterLine->text().toStdString(), "Til slakt: 1 ku. Det gir 4 i mat, nok til 4 voksne i en årstid.");
  ASSERT_TRUE(controller.MarkForSlaughter(cows[1].Id).Accepted);
  ASSERT_TRUE(controller.MarkForSlaughter(hens[0].Id).Accepted);
  EXPECT_TRUE(slaughterLine->isVisible());
  EXPECT_EQ(slaughterLine->text().toStdString(),
            "Til slakt: 2 kyr og 1 høne. Det gir 8,2 i mat, nok til 8 voksne i en årstid.");
  ExpectWhole(slaughterLine);
  QTest::qWait(20);
  SaveScreenshot(real.Form, "report_slaughter_page");

  ASSERT_EQ(controller.BtnChgSeasonClick(), TSeasonChange::Changed);
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_TRUE(shown[0].Note.contains(QString::fromUtf8("Slakten av 2 kyr og 1 høne ga 8,2 i mat"))) << shown[0].Note.toStdString();
  EXPECT_FALSE(slaughterLine->isVisible()) << "the marked animals are gone";
  if (!shown[0].CattleDeaths.startsWith("Ingen")) {
    // 36 animals after the slaughter, of 9.59 animal units, lose only the few with 4.84 of
    // work: five well-fed men, each doing 1.1.
    EXPECT_EQ(shown[0].AnimalsWhy.toStdString(), "2 stelte dyrene; 36 dyr trengte minst 5, så de fikk for lite fôr.");
  }
  // The status window tells the same reasons until the next season ends.
  real.Form.Actions().ShowVillageStatus();
  const std::string lines = controller.LastSeasonWhy().Joined();
  EXPECT_EQ(reasons.toStdString(), lines.empty() ? "" : "Sist årstid: " + lines);
}

TEST_F(SeasonReportNumbers, ManyDeadStayInsideTheirRowsWithTheRealPictures) {
  TRealGame real(3);
  const TPictureList humans =
      CreatePictureList(qRgb(255, 0, 255), {"rboy", "rgirl"}, real.Settings.PicsPath(), real.Form.Pictures());
  const TPictureList cattle = CreatePictureList(qRgb(255, 0, 255), {"rcow", "rpig", "rsheep", "rhen"},
                                                real.Settings.PicsPath(), real.Form.Pictures());
  ASSERT_FALSE(humans.Size().isEmpty());
  EXPECT_LE(humans.Size().width(), TSeasonReport::HumanPictureSize);
  TSeasonChangeInfo info;
  info.Season = TSeason::Winter;
  info.DeadByAgeGroup = {3, 6, 5, 14, 13};
  info.AnimalsDead = {5, 7, 9, 15};
  info.AnimalsBorn = {2, 14, 9, 30};
  info.AnimalsSlaughtered = {1, 0, 0, 2};
  TSeasonReport report(info);
  report.PeopleWhy = "Maten rakk bare til 23 % av folket. Den gode jakten hjalp bare dyrene. Om vinteren gir jakt og "
                     "fiske lite: 2 jaktet og fisket; 37 mennesker trengte minst 16.";
  report.AnimalsWhy = "Ingen stelte dyrene; 39 dyr trengte minst 6, så de fikk for lite fôr.";
  report.CropWhy = "Åkeren fikk for lite stell tidligere i år, så høstens avling blir liten.";
  report.DepositionWhy = "Du ble avsatt fordi for mange i bygda døde eller sultet.";
  TSeasonInfoForm form(nullptr, &humans, &cattle, real.Form.GameLayout());
  form.FillReport(report);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  SaveScreenshot(form, "report_many_dead");

  const QLabel* picture = form.DeadHumanImage();
  const auto* box = dynamic_cast<const QGroupBox*>(picture->parentWidget());
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->contentsRect().contains(picture->geometry())) << "the picture stands inside its box";
  const QImage image = picture->pixmap().toImage();
  ASSERT_EQ(image.size(), picture->size());
  const double scale = static_cast<double>(image.width()) / 153;
  for (int row = 0; row < 3; ++row) {
    const int right = RightmostDrawn(image, static_cast<int>(16 * row * scale), static_cast<int>(16 * scale),
                                     QColor(255, 255, 225).rgb());
    // The row reaches across the picture (14 adults do not fit twelve apart) and never past it.
    EXPECT_GT(right, image.width() * 3 / 4) << "row " << row;
    EXPECT_LT(right, image.width()) << "row " << row;
  }
  for (const QLabel* label :
       {form.PeopleWhyLabel(), form.AnimalsWhyLabel(), form.CropWhyLabel(), form.AnimalNoteLabel()}) {
    ExpectWhole(label);
  }
  EXPECT_TRUE(form.AnimalNoteLabel()->text().startsWith(QString::fromUtf8("Dyrene fikk 2 kalver, 14 grisunger, 9 lam og 30 kyllinger.")));
}

}  // namespace
}  // namespace fjordheim
