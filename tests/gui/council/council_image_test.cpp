#include "gui/council/council_image.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>

#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

std::vector<std::string> SummerAdvice() {
  std::vector<std::string> lines;
  for (std::string_view area : AdviceAreaKeywords) {
    lines.push_back("NODE SUMMER " + std::string(area));
    lines.push_back("+The " + std::string(area) + " adviser says that the barley must be sown before the rain, "
                    "that the nets must be mended and that the cattle need more hay this year");
    lines.push_back("-" + std::string(area) + ".wav");
    lines.push_back("ENDNODE");
  }
  return lines;
}

constexpr QPoint Cattle{500, 100};
constexpr QPoint Chief{200, 300};
const std::array<QPoint, 5> Advisers{{{420, 150}, Cattle, {350, 100}, {250, 100}, {100, 100}}};

class CouncilView : public ::testing::Test {
 protected:
  CouncilView() {
    FView.OnAllHeard = [this] {
      ++FAllHeard;
      FBubbleShownAtAllHeard = FView.Bubble().Text().toStdString();
    };
    FView.OnAdvice = [this](const TAdviceNode& advice) { FAdviceSounds.push_back(advice.Sound); };
    FView.OnChiefSound = [this](const std::string& file) { FChiefSounds.push_back(file); };
    FView.show();
    FView.StartMeeting(TAdviceSeason::Summer, FRandom);
  }
  void Click(QPoint point) { QTest::mouseClick(&FView, Qt::LeftButton, {}, point); }

  TAdviceGenerator FGenerator{SummerAdvice(), "advice.txt"};
  TRandom FRandom{5};
  TCouncilImage FView{nullptr, FGenerator, nullptr, QPixmap()};
  int FAllHeard = 0;
  std::string FBubbleShownAtAllHeard;
  std::vector<std::string> FAdviceSounds;
  std::vector<std::string> FChiefSounds;
};

TEST_F(CouncilView, TheSameAdviserFiveTimesIsHeardOnceAndSpeaksEachTime) {
  for (int i = 0; i < 5; ++i) Click(Cattle);
  EXPECT_EQ(FView.Meeting().HeardCount(), 1);
  EXPECT_EQ(FAdviceSounds.size(), 5U);
  EXPECT_EQ(FAllHeard, 0);
  Click(Chief);
  EXPECT_EQ(FView.Bubble().Text(), QString::fromUtf8("Hva har dere andre å legge til?"));
  EXPECT_EQ(FChiefSounds, std::vector<std::string>{"z2.wav"});
}

TEST_F(CouncilView, AllFiveHeardIsToldOnceBeforeTheLastBubbleAndTheChiefThanks) {
  const QString opening = FView.Bubble().Text();
  for (QPoint point : Advisers) Click(point);
  for (QPoint point : Advisers) Click(point);
  EXPECT_EQ(FAllHeard, 1);
  EXPECT_EQ(FBubbleShownAtAllHeard, FGenerator.AdviceText(3));
  Click(Chief);
  EXPECT_EQ(FView.Bubble().Text(), QString::fromUtf8("Takk for gode råd."));
  EXPECT_EQ(FChiefSounds, std::vector<std::string>{"z4.wav"});
  EXPECT_FALSE(opening.isEmpty());
}

TEST_F(CouncilView, AClickOutsideHidesTheBubbleUntilTheNextFigure) {
  EXPECT_TRUE(FView.Bubble().Visible());
  Click({5, 5});
  EXPECT_FALSE(FView.Bubble().Visible());
  Click(Cattle);
  EXPECT_TRUE(FView.Bubble().Visible());
  // Left of the cattle adviser, its tail on him.
  EXPECT_EQ(FView.Bubble().Bounds().Left, 458 - 210);
  EXPECT_EQ(FView.Bubble().Bounds().Top, 140 - 110);
  EXPECT_TRUE(FView.Bubble().Mirrored());
}

TEST_F(CouncilView, TheHelpPointerShowsOverTheFiguresOnly) {
  QTest::mouseMove(&FView, Cattle);
  EXPECT_EQ(FView.cursor().shape(), Qt::WhatsThisCursor);
  QTest::mouseMove(&FView, {5, 5});
  EXPECT_EQ(FView.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CouncilView, ALongAdviceWrapsIntoLinesCentredOnTheTextArea) {
  Click(Cattle);
  QImage canvas(FView.size(), QImage::Format_RGB32);
  QPainter painter(&canvas);
  const QRect block = FView.Bubble().TextBlock(painter);
  const int lineHeight = QFontMetrics(painter.font()).height();
  EXPECT_GT(block.height(), 3 * lineHeight);
  EXPECT_EQ(block.width(), 149);
  EXPECT_EQ(block.left(), 248 + 30);
  EXPECT_EQ(block.top(), 30 + 27 + (97 - block.height()) / 2);
  SaveScreenshot(FView, "council_page");
}

}  // namespace
}  // namespace fjordheim
