#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "gui/controls/custom_image.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/picture_loader.h"
#include "gui/controls/zone_image.h"
#include "gui/dialogs/arkiv_form.h"
#include "gui/dialogs/catastrophe_dlg.h"
#include "gui/dialogs/decision_form.h"
#include "gui/dialogs/first_decision_form.h"
#include "gui/dialogs/intro_form.h"
#include "gui/dialogs/popup_form.h"
#include "gui/dialogs/score_form.h"
#include "gui/dialogs/seas_dlg.h"
#include "gui/dialogs/season_report_form.h"
#include "gui/dialogs/start_game_form.h"
#include "gui/pages/add_bookm_dlg.h"
#include "gui/pages/browser_load_form.h"
#include "gui/pages/browser_win.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/game_folder.h"

namespace fjordheim {
namespace {

const TGameLayout Double(2.0);

double FontSize(const QFont& font) { return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF(); }

// The controls a window places itself: its children and theirs inside plain panels and
// page stacks, but not the inner parts Qt's own composite controls lay out.
void CollectPlaced(const QWidget* parent, QList<QWidget*>& placed) {
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) continue;
    placed.push_back(child);
    const QByteArray kind = child->metaObject()->className();
    if (kind == "QWidget" || kind == "QFrame" || kind == "QStackedWidget" || kind == "QLabel" || kind == "QGroupBox") {
      CollectPlaced(child, placed);
    }
  }
}

// Every control of the second window stands at twice the place and size of the same
// control of the first, in a font twice the size. A label sized to its own text keeps
// only its place: its size follows the font's measures. Pages not shown are left for
// the comparison once they are.
void ExpectDoubled(QWidget& one, QWidget& two, const std::string& window) {
  one.show();
  two.show();
  EXPECT_EQ(two.size(), one.size() * 2) << window;
  EXPECT_DOUBLE_EQ(FontSize(two.font()), 2 * FontSize(one.font())) << window;
  QList<QWidget*> small;
  QList<QWidget*> large;
  CollectPlaced(&one, small);
  CollectPlaced(&two, large);
  ASSERT_EQ(small.size(), large.size()) << window;
  SaveScreenshot(two, QString::fromStdString(window).replace(' ', '_') + "_double");
  for (qsizetype i = 0; i < small.size(); ++i) {
    if (!small[i]->isVisibleTo(&one)) continue;
    const std::string what = window + " " + small[i]->metaObject()->className() + " " +
                             std::to_string(i);
    EXPECT_EQ(large[i]->pos(), small[i]->pos() * 2) << what;
    const auto* label = qobject_cast<QLabel*>(small[i]);
    const bool sizedByText = label != nullptr && !label->wordWrap() && label->size() == label->sizeHint();
    if (!sizedByText) {
      EXPECT_EQ(large[i]->size(), small[i]->size() * 2) << what;
    }
    EXPECT_DOUBLE_EQ(FontSize(large[i]->font()), 2 * FontSize(small[i]->font())) << what;
  }
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2)); }

class WindowsAtDoubleScale : public ::testing::Test {
 protected:
  WindowsAtDoubleScale() {
    for (const char* name : {"IChief", "face0", "firstdec", "arkiv", "banner"}) SavePicture(name, QSize(30, 20));
  }

  void SavePicture(const char* name, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    picture.save(Folder.Path(QString("Bilder/%1.bmp").arg(name)), "BMP");
  }

  std::unique_ptr<TIntroForm> Intro(TGameLayout layout) {
    return std::make_unique<TIntroForm>(Pics, Pictures, Sink, nullptr, layout);
  }

  // A double-size intro taken to its map, clicked at a point of the enlarged map; the
  // land chosen, or nothing while the window stays open.
  std::optional<int> LandClickedAt(QPoint at) {
    const std::unique_ptr<TIntroForm> form = Intro(Double);
    form->show();
    form->NameEdit->setText("Astrid");
    Click(form->Button3);
    Click(form->Button1);
    QTest::mouseClick(form->Image2, Qt::LeftButton, {}, at);
    if (!form->Accepted()) return std::nullopt;
    return form->Land();
  }

  TTestGameFolder Folder;
  std::string Pics = Folder.Path("Bilder/").toStdString();
  TCollectingMessageSink Sink;
  TPictureLoader Pictures{&Sink};
};

TEST_F(WindowsAtDoubleScale, TheWindowsOfTheStartAreDoubled) {
  TStartGameForm start1(nullptr);
  TStartGameForm start2(nullptr, Double);
  ExpectDoubled(start1, start2, "start");

  const std::array<std::string, 3> answers{"Jeg samler byrådet.", "Jeg drar på tokt.", "Jeg sover."};
  TFirstDecisionForm decision1(Pics, Pictures, answers);
  TFirstDecisionForm decision2(Pics, Pictures, answers, nullptr, Double);
  ExpectDoubled(decision1, decision2, "decision");
  EXPECT_EQ(decision2.findChild<TCustomImage*>()->size(), QSize(60, 40));

  const std::unique_ptr<TIntroForm> intro1 = Intro(TGameLayout());
  const std::unique_ptr<TIntroForm> intro2 = Intro(Double);
  ExpectDoubled(*intro1, *intro2, "intro");
  EXPECT_EQ(intro2->size(), QSize(836, 420));
  for (TIntroForm* intro : {intro1.get(), intro2.get()}) {
    intro->NameEdit->setText("Astrid");
    Click(intro->Button3);
  }
  ExpectDoubled(*intro1, *intro2, "intro faces");
  EXPECT_EQ(intro2->size(), QSize(546, 694));
  for (TIntroForm* intro : {intro1.get(), intro2.get()}) Click(intro->Button1);
  ExpectDoubled(*intro1, *intro2, "intro map");
}

// The archive and the browser are made once, before the game knows its scale, and take
// it when they are opened.
TEST_F(WindowsAtDoubleScale, TheArchiveAndTheBrowserTakeTheScaleWhenOpened) {
  TArkivForm arkiv1(Pics, Pictures);
  TArkivForm arkiv2(Pics, Pictures);
  arkiv2.SetLayout(Double);
  ExpectDoubled(arkiv1, arkiv2, "arkiv");

  TBrowserWin browser1(Pics, Pictures, Sink);
  TBrowserWin browser2(Pics, Pictures, Sink);
  browser2.SetLayout(Double);
  ExpectDoubled(browser1, browser2, "browser");
  browser2.resize(700, 500);
  browser2.SetLayout(Double);
  EXPECT_EQ(browser2.size(), QSize(700, 500)) << "the player's size stays while the scale does";

  TAddBookmDlg bookmark1(Sink);
  TAddBookmDlg bookmark2(Sink, nullptr, Double);
  ExpectDoubled(bookmark1, bookmark2, "bookmark");
  TBrowserLoadForm notice1;
  TBrowserLoadForm notice2(nullptr, Double);
  ExpectDoubled(notice1, notice2, "notice");
}

TEST_F(WindowsAtDoubleScale, TheSeasonWindowsAreDoubled) {
  TSeasDlg season1(nullptr);
  TSeasDlg season2(nullptr, QPixmap(), Double);
  ExpectDoubled(season1, season2, "season");
  TCatastNode event("_Visit");
  event.Heading = "Gjester fra sør";
  TCatastDlg catastrophe1(nullptr, event, QPixmap());
  TCatastDlg catastrophe2(nullptr, event, QPixmap(), Double);
  ExpectDoubled(catastrophe1, catastrophe2, "catastrophe");
  TTip tip;
  tip.Text = "vikingene brukte jern fra myrene?";
  TPopupForm popup1(nullptr, tip, QPixmap());
  TPopupForm popup2(nullptr, tip, QPixmap(), Double);
  ExpectDoubled(popup1, popup2, "popup");
  const TScoreOutcome outcome{"Du fikk 120 poeng.", true, {"1.    Olav  120"}, true, ""};
  TScoreForm score1(nullptr, outcome);
  TScoreForm score2(nullptr, outcome, Double);
  ExpectDoubled(score1, score2, "score");
  TSeasonInfoForm report1(nullptr, nullptr, nullptr);
  TSeasonInfoForm report2(nullptr, nullptr, nullptr, Double);
  ExpectDoubled(report1, report2, "report");
  TRandom random(7);
  TDecisionForm decisions1(nullptr, random);
  TDecisionForm decisions2(nullptr, random, Double);
  ExpectDoubled(decisions1, decisions2, "decisions");
}

// The map of the test folder is 4 × 2 pixels: lands 97, 50 and 128 in the top row, zone 7
// and nothing below. Drawn twice the size, each map pixel is a 2 × 2 square on screen.
TEST_F(WindowsAtDoubleScale, AClickOnTheDoubledMapPicksTheLandShownThere) {
  EXPECT_EQ(LandClickedAt({1, 1}), 0) << "the last screen pixel of the first land";
  EXPECT_EQ(LandClickedAt({2, 0}), 1) << "the first screen pixel of its neighbour";
  EXPECT_EQ(LandClickedAt({5, 1}), 2);
  EXPECT_EQ(LandClickedAt({3, 3}), std::nullopt) << "below the second land lies no land";
}

// A picture drawn at a scale shows each of its pixels as a square, the same square a
// click maps back to.
TEST(PicturesAtAScale, EachPixelIsDrawnAsASquare) {
  QImage picture(2, 2, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(200, 0, 0));
  picture.setPixel(1, 0, qRgb(0, 200, 0));
  picture.setPixel(0, 1, qRgb(0, 0, 200));
  picture.setPixel(1, 1, qRgb(200, 200, 0));
  TZoneImage zones;
  zones.SetPicture(picture);
  zones.SetScale(3);
  TCustomImage image;
  image.SetPicture(picture);
  image.SetScale(3);
  TPictureButton button;
  button.SetPicture1(picture);
  button.SetScale(3);
  for (QWidget* widget : {static_cast<QWidget*>(&zones), static_cast<QWidget*>(&image), static_cast<QWidget*>(&button)}) {
    widget->resize(6, 6);
    const QImage shown = widget->grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(2, 2), QPoint(3, 2), QPoint(2, 3), QPoint(5, 5)}) {
      EXPECT_EQ(shown.pixel(at), picture.pixel(at.x() / 3, at.y() / 3)) << widget->metaObject()->className() << " at " << at.x() << ","
                                                        << at.y();
    }
  }
  image.SetAutoSize(true);
  EXPECT_EQ(image.size(), QSize(6, 6));
}

}  // namespace
}  // namespace fjordheim
