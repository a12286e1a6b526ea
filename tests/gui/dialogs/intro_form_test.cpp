#include "gui/dialogs/intro_form.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <map>

#include "core/common/message_sink.h"
#include "core/game/land.h"
#include "gui/controls/picture_loader.h"
#include "gui/controls/zone_image.h"
#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

// A child types the name and presses Enter: that is one step, to the face page, and
// never on past it.
TEST(IntroForm, EnterAfterTheNameLeadsToTheFacePageOnly) {
  TCollectingMessageSink sink;
  TPictureLoader pictures(&sink);
  TIntroForm form("/nonexistent/", pictures, sink);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.NameEdit->setFocus();
  QTest::keyClick(form.NameEdit, Qt::Key_Return);
  EXPECT_EQ(form.PageIndex(), 0);
  QTest::keyClicks(form.NameEdit, "Magnus");
  QTest::keyClick(form.NameEdit, Qt::Key_Return);
  EXPECT_EQ(form.PageIndex(), 1);
  EXPECT_EQ(form.ChiefName(), "Magnus");
}

// The map of the real data set names each land where it lies: under most of a land's name is
// that land or the sea, never another land, and the page says what the choice changes.
TEST(IntroForm, TheMapNamesEachLandOverItselfAndSaysWhatTheLandChanges) {
  const std::string pics =
      QDir(QCoreApplication::applicationDirPath() + "/../../game/Bilder").absolutePath().toStdString() + "/";
  if (!QFileInfo::exists(QString::fromStdString(pics + "norden.map"))) GTEST_SKIP() << "the game's files are not made";
  TCollectingMessageSink sink;
  TPictureLoader pictures(&sink);
  TIntroForm form(pics, pictures, sink);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.NameEdit->setText("Sigrid");
  form.Button3->click();
  form.Button1->click();
  ASSERT_EQ(form.PageIndex(), 2);
  ASSERT_TRUE(sink.Messages.empty());
  QWidget* page = form.Image2->parentWidget();
  const QList<QLabel*> labels = page->findChildren<QLabel*>();
  bool told = false;
  for (const QLabel* label : labels) told = told || label->text() == QString::fromUtf8(LandChoiceText);
  EXPECT_TRUE(told);
  for (std::size_t land = 0; land < Lands.size(); ++land) {
    const QString name = QString::fromUtf8(Lands[land].Name.data(), static_cast<qsizetype>(Lands[land].Name.size()));
    const QLabel* found = nullptr;
    for (const QLabel* label : labels) {
      if (label->text().contains(name)) found = label;
    }
    ASSERT_NE(found, nullptr) << name.toStdString();
    EXPECT_TRUE(found->testAttribute(Qt::WA_TransparentForMouseEvents)) << "a click on the name chooses the map below";
    std::map<int, int> under;
    const QRect place = found->geometry();
    for (int y = place.top(); y <= place.bottom(); y += 2) {
      for (int x = place.left(); x <= place.right(); x += 2) ++under[form.Image2->ZoneAt(x, y)];
    }
    for (const auto& [zone, count] : under) {
      if (zone != 0 && zone != Lands[land].Zone) {
        EXPECT_LT(count * 10, place.width() * place.height() / 4) << name.toStdString() << " over zone " << zone;
      }
    }
    EXPECT_GT(under[Lands[land].Zone], 0) << name.toStdString() << " stands beside its land";
  }
  SaveScreenshot(form, "land_map");
}

}  // namespace
}  // namespace fjordheim
