#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/common/translation.h"
#include "gui/app/main_form.h"
#include "gui/controls/picture_button.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

// The title of the real game in the language the player clicks; it goes back to Bokmål after
// the test, whatever the test left.
struct LanguageChoice : ::testing::Test {
  void SetUp() override {
    if (!QFileInfo::exists(GameFolder() + "/Bilder/Intropic.bmp")) GTEST_SKIP() << "no generated pictures";
    if (!QFileInfo::exists(GameFolder() + "/locale/nn/LC_MESSAGES/fjordheim.mo")) GTEST_SKIP() << "no catalogs";
    Game = std::make_unique<TRealGame>(7);
    ASSERT_TRUE(Game->Show());
  }
  void TearDown() override {
    Game.reset();
    UseCatalog(nullptr);
  }

  void Choose(TLanguageCode language) {
    QTest::mouseClick(Game->Form.LanguageButton(static_cast<std::size_t>(language)), Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  QString TitleHint() const { return Game->Form.TitleHint()->findChild<QLabel*>()->text(); }
  QString CouncilHint() const { return Game->Form.Button(TMainForm::TButton::Council)->toolTip(); }
  QPushButton* LanguageButton(TLanguageCode language) const {
    return Game->Form.LanguageButton(static_cast<std::size_t>(language));
  }
  QByteArray SettingsFile() const {
    QFile file(QString::fromStdString(Game->Settings.SettingsFiles().back()));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }

  std::unique_ptr<TRealGame> Game;
};

TEST_F(LanguageChoice, TheTitleOffersEachLanguageInItsOwnNameAndBokmalIsTheGamesOwn) {
  EXPECT_EQ(LanguageButton(TLanguageCode::Bokmal)->text(), QString::fromUtf8("Bokmål"));
  EXPECT_EQ(LanguageButton(TLanguageCode::Nynorsk)->text(), "Nynorsk");
  EXPECT_EQ(LanguageButton(TLanguageCode::English)->text(), "English");
  EXPECT_TRUE(LanguageButton(TLanguageCode::Bokmal)->isChecked());
  EXPECT_TRUE(LanguageButton(TLanguageCode::Nynorsk)->isVisible());
  EXPECT_EQ(TitleHint(), QString::fromUtf8("Klikk for å begynne"));
  EXPECT_EQ(Game->Form.HowToPlayButton()->text(), "Slik spiller du");
}

// The title's sign is drawn on sky of one colour: every button, with a margin round it, lies
// on that sky alone, so none touches the sign's frame.
TEST_F(LanguageChoice, TheButtonsStandOnTheSkyClearOfTheSign) {
  const QImage title(GameFolder() + "/Bilder/Intropic.bmp");
  ASSERT_FALSE(title.isNull());
  const QRgb sky = title.pixel(title.width() - 1, 0);
  for (TLanguageCode language : GameLanguages) {
    QPushButton* button = LanguageButton(language);
    const QWidget* panel = button->parentWidget()->parentWidget();
    const QRect place = QRect(button->mapTo(panel, QPoint(0, 0)), button->size()).adjusted(-4, -4, 4, 4);
    ASSERT_TRUE(title.rect().contains(place)) << button->text().toStdString();
    int other = 0;
    for (int y = place.top(); y <= place.bottom(); ++y) {
      for (int x = place.left(); x <= place.right(); ++x) other += title.pixel(x, y) != sky ? 1 : 0;
    }
    EXPECT_EQ(other, 0) << button->text().toStdString() << " stands over the picture at " << place.x() << "," << place.y();
  }
  SaveScreenshot(Game->Form, "title_language_choice");
}

TEST_F(LanguageChoice, AChoiceSpeaksAtOnceInEveryTextOfTheWindowAndIsRemembered) {
  Choose(TLanguageCode::Nynorsk);
  EXPECT_TRUE(LanguageButton(TLanguageCode::Nynorsk)->isChecked());
  EXPECT_FALSE(LanguageButton(TLanguageCode::Bokmal)->isChecked());
  EXPECT_EQ(TitleHint(), "Klikk for å byrje");
  EXPECT_EQ(Game->Form.HowToPlayButton()->text(), "Slik spelar du");
  EXPECT_TRUE(CouncilHint().startsWith(QString::fromUtf8("Hald rådsmøte ("))) << CouncilHint().toStdString();
  EXPECT_TRUE(SettingsFile().contains("LANGUAGE=nn"));
  Game->Form.resize(1280, 960);
  QTest::qWait(20);
  SaveScreenshot(Game->Form, "title_nynorsk");

  Choose(TLanguageCode::English);
  EXPECT_EQ(TitleHint(), "Click to begin");
  EXPECT_EQ(Game->Form.HowToPlayButton()->text(), "How to play");
  EXPECT_TRUE(CouncilHint().startsWith("Hold a council meeting (")) << CouncilHint().toStdString();
  SaveScreenshot(Game->Form, "title_english");
  TRandom random(1);
  EXPECT_EQ(TSettings(Game->Folder.ProgramFile(), random).Language().Code(), TLanguageCode::English);

  Choose(TLanguageCode::Bokmal);
  EXPECT_EQ(TitleHint(), QString::fromUtf8("Klikk for å begynne"));
  EXPECT_TRUE(CouncilHint().startsWith(QString::fromUtf8("Hold rådsmøte ("))) << CouncilHint().toStdString();
  EXPECT_TRUE(SettingsFile().contains("LANGUAGE=nb"));
}

// The language holds for the windows of a game started after the choice, as for the title.
TEST_F(LanguageChoice, TheGameStartedAfterTheChoiceSpeaksIt) {
  Choose(TLanguageCode::English);
  Game->NewGame("Ragnhild");
  EXPECT_TRUE(Game->Form.MainPanelShown());
  EXPECT_FALSE(LanguageButton(TLanguageCode::English)->isVisible());
  EXPECT_TRUE(CouncilHint().startsWith("Hold a council meeting (")) << CouncilHint().toStdString();
}

}  // namespace
}  // namespace fjordheim
