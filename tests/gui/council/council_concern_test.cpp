#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPainter>
#include <QTest>

#include <set>

#include "core/council/adviser.h"
#include "core/game/council_concerns.h"
#include "gui/app/main_form.h"
#include "gui/app/screen_game.h"
#include "gui/council/council_image.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/real_game.h"

namespace fjordheim {
namespace {

// A point inside each adviser's figure on the council picture.
constexpr std::array<QPoint, AdviceAreaCount> Figures{{{420, 150}, {500, 100}, {350, 100}, {250, 100}, {100, 100}}};

// Every sentence an adviser may add, in every season.
std::vector<std::pair<TAdviceArea, std::string>> EveryConcern() {
  std::vector<std::pair<TAdviceArea, std::string>> said;
  for (int season = 0; season < SeasonCount; ++season) {
    TSeasonForecast forecast;
    forecast.Available = true;
    forecast.Season = static_cast<TSeason>(season);
    forecast.HungerDeaths = 3;
    forecast.ShortWork.fill(true);
    forecast.AnimalsFed = false;
    forecast.DeposeChance = 1;
    TSeasonForecast idle = forecast;
    idle.NobodyWorks = true;
    for (const TSeasonForecast& f : {forecast, idle}) {
      const TCouncilConcerns concerns = TCouncilConcerns::Of(f);
      for (int area = 0; area < AdviceAreaCount; ++area) {
        const auto a = static_cast<TAdviceArea>(area);
        if (!concerns.Of(a).empty()) said.emplace_back(a, concerns.Of(a));
      }
    }
  }
  return said;
}

// How many pixels of the rectangle are close to the colour.
int PixelsLike(const QImage& image, const QRect& rect, QColor colour) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
              std::abs(pixel.blue() - colour.blue()) < 60) {
        ++count;
      }
    }
  }
  return count;
}

struct CouncilConcern : ::testing::Test {
  void SetUp() override {
    if (!QFileInfo::exists(GameFolder() + "/Bilder/Consult.bmp")) GTEST_SKIP() << "the game's files are not made";
  }
};

// A new village whose people have no work yet: the people's adviser says so under his advice,
// in a bubble whose tail ends on him, and every adviser's name and role stand on the picture.
TEST_F(CouncilConcern, TheAdviserOfTheDangerAddsItsSentenceAndEveryAdviserIsNamed) {
  TRealGame real(17);
  ASSERT_TRUE(real.Show());
  real.NewGame("Sigrid");
  TGameController& controller = real.Controller();
  ASSERT_TRUE(controller.Forecast().NobodyWorks);
  real.Form.ShowPage(TMainForm::TPage::Council);
  TCouncilImage* council = real.Game->Council();
  QTest::mouseClick(council, Qt::LeftButton, {}, Figures[0]);
  const TTextBubbla& bubble = council->Bubble();
  EXPECT_EQ(bubble.Text().toStdString(), controller.Advice().AdviceText(0));
  EXPECT_EQ(bubble.Concern().toStdString(), controller.CouncilConcerns().Of(TAdviceArea::People));
  EXPECT_FALSE(bubble.Concern().isEmpty());
  EXPECT_TRUE(bubble.Mirrored());
  EXPECT_GT(bubble.Bounds().Width(), bubble.PictureSize().width());
  // The tail leaves the bubble's right side and ends on the one who spoke.
  const int tipX = bubble.Bounds().Right;
  const int tipY =
      bubble.Bounds().Top + bubble.Bounds().Height() * TCouncilMeeting::TailHeight / TCouncilMeeting::BubbleHeight;
  const int zone = TCouncilMeeting::ZoneAt(tipX - 1, tipY);
  ASSERT_GE(zone, 0);
  EXPECT_EQ(TCouncilMeeting::Zones[static_cast<std::size_t>(zone)].Speaker, 0);

  const QImage picture = council->grab().toImage();
  for (int area = 0; area < AdviceAreaCount; ++area) {
    const QRect plate = TCouncilImage::NamePlate(static_cast<TAdviceArea>(area));
    EXPECT_TRUE(council->rect().contains(plate)) << area;
    const TWorkRect b = bubble.Bounds();
    if (plate.intersects(QRect(b.Left, b.Top, b.Width(), b.Height()))) continue;
    // The plate's light ground and its dark letters are seen.
    EXPECT_GT(PixelsLike(picture, plate, QColor(255, 248, 225)), plate.width() * plate.height() / 3) << area;
    EXPECT_GT(PixelsLike(picture, plate, QColor(59, 36, 20)), 40) << area;
    for (int other = 0; other < area; ++other) {
      EXPECT_FALSE(plate.intersects(TCouncilImage::NamePlate(static_cast<TAdviceArea>(other)))) << area << " " << other;
    }
  }
  // Resting on a figure or its plate names the adviser.
  for (int area = 0; area < AdviceAreaCount; ++area) {
    const QString name = QString::fromUtf8(Advisers[static_cast<std::size_t>(area)].Name);
    EXPECT_TRUE(TCouncilImage::HintAt(Figures[static_cast<std::size_t>(area)]).startsWith(name)) << area;
    const QPoint plate = TCouncilImage::NamePlate(static_cast<TAdviceArea>(area)).center();
    EXPECT_TRUE(TCouncilImage::HintAt(plate).startsWith(name)) << area;
  }
  EXPECT_TRUE(TCouncilImage::HintAt({5, 470}).isEmpty());
  SaveScreenshot(*real.Form.Screen(), "council_concern");

  // Once everyone has work, the same adviser gives his advice alone, in the bubble of its own size.
  for (const THumanFigure& figure : controller.HumanFigures()) {
    if (figure.InWork) controller.SetWork(figure.Id, TWorkKind::Household);
  }
  QTest::mouseClick(council, Qt::LeftButton, {}, Figures[2]);
  EXPECT_EQ(bubble.Concern().toStdString(), controller.CouncilConcerns().Of(TAdviceArea::Hunting));
  SaveScreenshot(*real.Form.Screen(), "council_after_work");
  for (const std::string& message : real.Sink.Messages) ADD_FAILURE() << "message: " << message;
}

// With the real bubble pictures, every advice of the data set and the longest sentence its
// adviser may add stay inside the larger bubble.
TEST_F(CouncilConcern, EveryAdviceWithAConcernFitsInsideTheLargerBubble) {
  TRealGame real(3);
  ASSERT_TRUE(real.Show());
  const TPictureList& pictures = real.Form.BubblePictures();
  ASSERT_FALSE(pictures.Picture(TCouncilMeeting::SideBubbleFrame).isNull());
  std::map<TAdviceArea, std::string> longest;
  for (const auto& [area, sentence] : EveryConcern()) {
    if (sentence.size() > longest[area].size()) longest[area] = sentence;
  }
  ASSERT_EQ(longest.size(), static_cast<std::size_t>(AdviceAreaCount));
  QWidget owner;
  owner.resize(TCouncilMeeting::PictureWidth, TCouncilMeeting::PictureHeight);
  TTextBubbla bubble(&owner, &pictures, 0, 0);
  const int percent = TCouncilMeeting::ConcernBubblePercent;
  const QSize size = pictures.Size() * percent / 100;
  bubble.SetSize(size);
  const TWorkRect text = TCouncilMeeting::BubbleTextRect;
  bubble.SetTextRect({text.Left * percent / 100, text.Top * percent / 100, text.Right * percent / 100,
                      text.Bottom * percent / 100});
  QImage canvas(owner.size(), QImage::Format_RGB32);
  QPainter painter(&canvas);
  painter.setFont(owner.font());
  // The body of the side bubble, without its tail, is 8 to 136 of its 150 pixels high.
  const int bodyTop = 8 * size.height() / 150;
  const int bodyBottom = 136 * size.height() / 150;
  int checked = 0;
  for (int season = 0; season < AdviceSeasonCount; ++season) {
    for (const TAdviceNode& advice : real.Controller().Advice().Group(static_cast<TAdviceSeason>(season)).Nodes()) {
      bubble.SetText(QString::fromStdString(advice.Text));
      bubble.SetConcern(QString::fromStdString(longest[advice.Area]));
      const QRect block = bubble.TextBlock(painter);
      EXPECT_GE(block.top(), bodyTop) << advice.Text;
      EXPECT_LE(block.bottom(), bodyBottom) << advice.Text;
      ++checked;
    }
  }
  EXPECT_GT(checked, 50);
}

}  // namespace
}  // namespace fjordheim
