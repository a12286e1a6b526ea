#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "gui/dialogs/catastrophe_dlg.h"
#include "gui/dialogs/popup_form.h"
#include "gui/dialogs/score_form.h"
#include "gui/dialogs/seas_dlg.h"
#include "gui/dialogs/season_report_form.h"
#include "gui/dialogs/status_form.h"
#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

TEST(SeasonReportWindow, ShowsTheSentencesOfTheSeasonThatEnded) {
  TSeasonChangeInfo info;
  info.Season = TSeason::Winter;
  info.AddDeath(TAgeGroup::Child);
  info.AddDeath(TAgeGroup::Adult);
  info.AddDeath(TAgeGroup::Adult);
  info.AddDeath(TAgeGroup::Elder);
  info.AddAnimalBirths(TAnimalKind::Cow, 2);
  info.AddAnimalBirths(TAnimalKind::Pig, 3);
  info.AddAnimalBirths(TAnimalKind::Sheep, 1);
  info.AddAnimalBirths(TAnimalKind::Hen, 4);
  info.AddAnimalDeaths(TAnimalKind::Cow, 2);
  info.AddAnimalDeaths(TAnimalKind::Hen, 5);
  TSeasonInfoForm form(nullptr, nullptr, nullptr);
  form.FillReport(info);
  form.show();
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Dette skjedde i løpet av vinteren."));
  EXPECT_EQ(form.BirthLabel()->text(), QString::fromUtf8("Det ble født ingen barn i løpet av vinteren."));
  EXPECT_EQ(form.DeathLabel()->text(), QString::fromUtf8("I løpet av vinteren døde 1 barn, 2 voksne og 1 gammel."));
  EXPECT_EQ(form.CattleBirthLabel()->text(),
            QString::fromUtf8("I løpet av vinteren ble født 2 kalver, 3 grisunger, 1 sau og 4 høns."));
  EXPECT_EQ(form.CattleDeathLabel()->text(), QString::fromUtf8("I løpet av vinteren døde 2 kyr og 5 høns."));
  SaveScreenshot(form, "season_report");
}

TEST(SeasonReportWindow, KeepsTheTwoBlanksBeforeTheSeason) {
  TSeasonChangeInfo info;
  info.Season = TSeason::Summer;
  info.AddBirth(TSex::Male);
  TSeasonInfoForm form(nullptr, nullptr, nullptr);
  form.FillReport(info);
  EXPECT_EQ(form.BirthLabel()->text(), QString::fromUtf8("Det ble født 1 gutt  i løpet av sommeren."));
  EXPECT_EQ(form.DeathLabel()->text(), QString::fromUtf8("Ingen mennesker døde i løpet av  sommeren."));
}

TEST(SeasonReportWindow, SaysWhyBelowItsOwnPanelsOnlyWhereThereIsSomethingToExplain) {
  TSeasonChangeInfo info;
  info.Season = TSeason::Winter;
  info.AddDeath(TAgeGroup::Adult);
  TSeasonReport report(info);
  report.PeopleWhy = "Maten rakk bare til 45 % av folket. For få jaktet og fisket.";
  report.AnimalsWhy = "Ingen stelte dyrene, så de fikk for lite fôr.";
  report.DepositionWhy = "Du ble avsatt fordi for mange i bygda døde eller sultet.";
  TSeasonInfoForm form(nullptr, nullptr, nullptr);
  form.FillReport(report);
  form.show();
  EXPECT_EQ(form.DeathLabel()->text(), QString::fromUtf8("I løpet av vinteren døde 1 voksen."));
  EXPECT_EQ(form.PeopleWhyLabel()->text().toStdString(), report.PeopleWhy);
  EXPECT_EQ(form.AnimalsWhyLabel()->text().toStdString(), report.AnimalsWhy);
  EXPECT_EQ(form.CropWhyLabel()->text().toStdString(), report.DepositionWhy);
  // The why lines sit below the report's own panels, never over them.
  EXPECT_GE(form.PeopleWhyLabel()->geometry().top(), form.DeathLabel()->parentWidget()->geometry().bottom());
  SaveScreenshot(form, "season_report_why");
  form.FillReport(TSeasonReport(info));
  EXPECT_TRUE(form.PeopleWhyLabel()->text().isEmpty());
  EXPECT_TRUE(form.CropWhyLabel()->text().isEmpty());
}

TEST(ScoreWindow, SaysWhyADeposedChiefWasDeposed) {
  TScoreOutcome outcome{"Du fikk 120 poeng.", false, {"1.    Olav  120"}, true,
                        "Du ble avsatt fordi rådet var misfornøyd med avgjørelsene dine."};
  TScoreForm deposed(nullptr, outcome);
  deposed.show();
  EXPECT_TRUE(deposed.CauseLabel()->isVisible());
  EXPECT_EQ(deposed.CauseLabel()->text().toStdString(), outcome.Cause);
  SaveScreenshot(deposed, "score_window_deposed");
  outcome.Cause.clear();
  TScoreForm left(nullptr, outcome);
  left.show();
  EXPECT_FALSE(left.CauseLabel()->isVisible());
}

class StatusWindow : public ::testing::Test {
 protected:
  TVillage FVillage = TVillage::StartVillage();
  TVillageStatusForm FForm{nullptr, TStatusPictures()};
};

TEST_F(StatusWindow, TheLastSeasonsReasonsStandInABandOnlyWhenThereAreAny) {
  const QSize plain = FForm.size();
  FForm.SetReasons("3 stelte dyrene; 18 dyr trengte minst 6, så de fikk for lite fôr.");
  FForm.show();
  EXPECT_TRUE(FForm.ReasonsLabel()->isVisible());
  EXPECT_EQ(FForm.ReasonsLabel()->text(), QString::fromUtf8("Sist årstid: 3 stelte dyrene; 18 dyr trengte minst 6, så de fikk for lite fôr."));
  EXPECT_GT(FForm.height(), plain.height());
  EXPECT_TRUE(FForm.rect().contains(FForm.ReasonsLabel()->geometry()));
  EXPECT_GE(FForm.ReasonsLabel()->geometry().top(), FForm.PageControl()->geometry().bottom());
  SaveScreenshot(FForm, "status_reasons");
  FForm.SetReasons("");
  EXPECT_FALSE(FForm.ReasonsLabel()->isVisible());
  EXPECT_EQ(FForm.size(), plain);
}

TEST_F(StatusWindow, BarsFollowTheFactors) {
  const std::array<std::pair<long double, QRect>, 4> cases{{
      {0.0L, {50, 190, 8, 50}}, {0.5L, {50, 134, 8, 106}}, {1.0L, {50, 78, 8, 162}}, {1.5L, {50, 22, 8, 218}}}};
  for (const auto& [factor, rect] : cases) {
    FForm.SetVillageFactor(factor);
    EXPECT_EQ(FForm.VillageShape()->geometry(), rect) << static_cast<double>(factor);
  }
  FForm.SetTradeFactor(1.0L);
  EXPECT_EQ(FForm.TradeShape()->geometry(), QRect(170, 78, 8, 162));
  EXPECT_EQ(FForm.ChiefShape()->geometry(), QRect(114, 134, 8, 106));
}

TEST_F(StatusWindow, CountsTheFoundingVillageAndKeepsTheLastTab) {
  EXPECT_EQ(FForm.PageControl()->currentIndex(), 1);
  FForm.Update();
  FForm.SetVillage(&FVillage);
  FForm.Update();
  EXPECT_EQ(FForm.CountLabel(0)->text(), "(3)");
  EXPECT_EQ(FForm.CountLabel(1)->text(), "(8)");
  EXPECT_EQ(FForm.CountLabel(2)->text(), "(9)");
  EXPECT_EQ(FForm.CountLabel(3)->text(), "(14)");
  EXPECT_EQ(FForm.CountLabel(4)->text(), "(3)");
  EXPECT_EQ(FForm.AnimalLabel(0)->text(), QString::number(FVillage.Animals[0]));
  EXPECT_EQ(FForm.FedLabel()->text(), QString::fromUtf8("Sist årstid fikk folket 100 % av maten de trengte."));
  EXPECT_EQ(FForm.StoreLabel()->text(), QString::fromUtf8("Forrådet er tomt."));
  // Nothing of the animal tab is drawn over anything else.
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    EXPECT_FALSE(FForm.AnimalLabel(kind)->geometry().intersects(FForm.AnimalPicture(kind)->geometry())) << kind;
  }
  FForm.show();
  SaveScreenshot(FForm, "status_window");
  FForm.PageControl()->setCurrentIndex(0);
  FForm.hide();
  FForm.Update();
  FForm.show();
  EXPECT_EQ(FForm.PageControl()->currentIndex(), 0);
  SaveScreenshot(FForm, "status_window_people");
}

TEST(EventWindows, CatastropheTipScoreAndSeasonDialogsShowTheirTexts) {
  TCatastNode event("_Visit");
  event.Heading = "Gjester fra sør";
  event.AddLine("Et skip har kommet med handelsmenn.");
  event.AddLine("");
  event.AddLine("De blir over vinteren.");
  TCatastDlg catastrophe(nullptr, event, QPixmap());
  catastrophe.show();
  EXPECT_EQ(catastrophe.windowTitle(), QString::fromUtf8("Hva hendte nå?"));
  EXPECT_EQ(catastrophe.Memo()->toPlainText(),
            QString::fromUtf8("Et skip har kommet med handelsmenn.\n\nDe blir over vinteren."));
  SaveScreenshot(catastrophe, "catastrophe_dialog");

  TTip tip;
  tip.Text = "vikingene brukte jern fra myrene?";
  tip.MoreButton = false;
  TPopupForm popup(nullptr, tip, QPixmap());
  popup.show();
  EXPECT_TRUE(popup.MoreButton()->isHidden());
  SaveScreenshot(popup, "tip_window");

  TScoreOutcome outcome{"Du fikk 120 poeng.", true, TScoreList::StartedBy("Olav", 120).Lines(), true, ""};
  TScoreForm score(nullptr, outcome);
  score.show();
  EXPECT_EQ(score.ScoreLabel()->text(), "Du fikk 120 poeng.");
  EXPECT_TRUE(score.Memo()->toPlainText().startsWith("1.    "));
  SaveScreenshot(score, "score_window");

  TSeasDlg season(nullptr);
  season.SetMissing(QString::fromUtf8("Hold rådsmøte"), "Ta andre avgjørelser");
  season.show();
  EXPECT_EQ(season.L2()->text(), "Ta andre avgjørelser");
  SaveScreenshot(season, "season_dialog");
}

TEST(EventWindows, TheTipWindowAnswersOneForMoreAndTwoForClose) {
  TTip tip;
  tip.Text = "tekst";
  tip.PageName = "food.htm";
  TPopupForm popup(nullptr, tip, QPixmap());
  popup.show();
  QTest::mouseClick(popup.MoreButton(), Qt::LeftButton);
  EXPECT_EQ(popup.result(), TPopupForm::ReadMore);
  TPopupForm other(nullptr, tip, QPixmap());
  other.show();
  QTest::mouseClick(other.CloseButton(), Qt::LeftButton);
  EXPECT_EQ(other.result(), TPopupForm::Close);
}

}  // namespace
}  // namespace fjordheim
