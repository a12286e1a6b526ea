#include "core/council/council_meeting.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

std::vector<std::string> SummerAdvice() {
  std::vector<std::string> lines;
  for (std::string_view area : AdviceAreaKeywords) {
    lines.push_back("NODE SUMMER " + std::string(area));
    lines.push_back("+" + std::string(area) + " says");
    lines.push_back("-" + std::string(area) + ".wav");
    lines.push_back("ENDNODE");
  }
  return lines;
}

// A point inside each adviser's first zone that no earlier zone holds.
constexpr std::array<std::array<int, 2>, 5> AdviserPoints{{{420, 150}, {500, 100}, {350, 100}, {250, 100}, {100, 100}}};
constexpr int ChiefX = 200;
constexpr int ChiefY = 300;

class CouncilMeeting : public ::testing::Test {
 protected:
  TAdviceGenerator FGenerator{SummerAdvice(), "advice.txt"};
  TCouncilMeeting FMeeting{FGenerator};
  TRandom FRandom{7};
};

TEST_F(CouncilMeeting, OpensWithTheChiefsLineAtTheSecondChiefZoneWithoutSound) {
  const TCouncilAnswer answer = FMeeting.Start(TAdviceSeason::Summer, FRandom);
  EXPECT_TRUE(answer.BubbleVisible);
  EXPECT_EQ(answer.Text, "Det er på tide å bestemme hva slags arbeid som skal gjøres. Hva har du å si?");
  const TBubblePlace place = PlaceBubble(answer.TailX, answer.TailY, answer.TailRight, TCouncilMeeting::BubbleWidth,
                                         TCouncilMeeting::BubbleHeight, TCouncilMeeting::PictureWidth,
                                         TCouncilMeeting::PictureHeight);
  EXPECT_EQ(place.X, 318);
  EXPECT_EQ(place.Y, 170);
  EXPECT_FALSE(answer.TailRight);
  EXPECT_EQ(answer.Frame, TCouncilMeeting::SideBubbleFrame);
  EXPECT_TRUE(answer.ChiefSound.empty());
}

TEST_F(CouncilMeeting, TheSameAdviserFiveTimesCountsOnce) {
  FMeeting.Start(TAdviceSeason::Summer, FRandom);
  for (int i = 0; i < 5; ++i) {
    const TCouncilAnswer answer = FMeeting.Click(AdviserPoints[1][0], AdviserPoints[1][1]);
    EXPECT_EQ(answer.Text, "CATTLE says");
    ASSERT_NE(answer.Advice, nullptr);
    EXPECT_FALSE(answer.AllHeardNow);
  }
  EXPECT_EQ(FMeeting.HeardCount(), 1);
  const TCouncilAnswer chief = FMeeting.Click(ChiefX, ChiefY);
  EXPECT_EQ(chief.Text, "Hva har dere andre å legge til?");
  EXPECT_EQ(chief.ChiefSound, "z2.wav");
}

TEST_F(CouncilMeeting, AllFiveHeardIsToldOnceAndTheChiefThanks) {
  FMeeting.Start(TAdviceSeason::Summer, FRandom);
  int told = 0;
  for (int round = 0; round < 2; ++round) {
    for (const auto& point : AdviserPoints) told += FMeeting.Click(point[0], point[1]).AllHeardNow ? 1 : 0;
  }
  EXPECT_EQ(told, 1);
  const TCouncilAnswer chief = FMeeting.Click(ChiefX, ChiefY);
  EXPECT_EQ(chief.Text, "Takk for gode råd.");
  EXPECT_EQ(chief.ChiefSound, "z4.wav");
  FMeeting.Start(TAdviceSeason::Summer, FRandom);
  EXPECT_EQ(FMeeting.HeardCount(), 0);
}

TEST_F(CouncilMeeting, AClickBesideEveryFigureHidesTheBubble) {
  FMeeting.Start(TAdviceSeason::Summer, FRandom);
  EXPECT_FALSE(FMeeting.Click(5, 5).BubbleVisible);
  EXPECT_TRUE(FMeeting.Click(ChiefX, ChiefY).BubbleVisible);
}

// Where the tail of a bubble at this place ends.
std::array<int, 2> TailEnd(TBubblePlace place, bool tailRight, int width, int height) {
  return {place.X + (tailRight ? width : 0),
          place.Y + height * TCouncilMeeting::TailHeight / TCouncilMeeting::BubbleHeight};
}

// The tail says who speaks: it ends on a figure whose click the same speaker answers, for
// the bubble of the advice and for the larger one that holds a concern too, and every bubble
// stands inside the picture.
TEST(CouncilZones, EveryBubblesTailEndsOnItsSpeakerWhateverTheBubblesSize) {
  for (const int percent : {100, TCouncilMeeting::ConcernBubblePercent}) {
    const int width = TCouncilMeeting::BubbleWidth * percent / 100;
    const int height = TCouncilMeeting::BubbleHeight * percent / 100;
    for (int index = 0; index < TCouncilMeeting::ZoneCount; ++index) {
      const TCouncilZone& zone = TCouncilMeeting::Zones[static_cast<std::size_t>(index)];
      const TBubblePlace place = PlaceBubble(zone.TailX, zone.TailY, zone.TailRight, width, height,
                                             TCouncilMeeting::PictureWidth, TCouncilMeeting::PictureHeight);
      EXPECT_GE(place.X, 0) << index;
      EXPECT_GE(place.Y, 0) << index;
      EXPECT_LE(place.X + width, TCouncilMeeting::PictureWidth) << index;
      EXPECT_LE(place.Y + height, TCouncilMeeting::PictureHeight) << index;
      const auto [x, y] = TailEnd(place, zone.TailRight, width, height);
      const int hit = TCouncilMeeting::ZoneAt(x, y);
      ASSERT_GE(hit, 0) << index << " at " << percent << "%";
      EXPECT_EQ(TCouncilMeeting::Zones[static_cast<std::size_t>(hit)].Speaker, zone.Speaker)
          << index << " at " << percent << "%";
    }
  }
}

TEST_F(CouncilMeeting, AnAdviserAddsHisConcernAndTheChiefNone) {
  FMeeting.Concerns = [](TAdviceArea area) {
    return area == TAdviceArea::Hunting ? std::string("Vi trenger flere på jakt og fiske.") : std::string();
  };
  FMeeting.Start(TAdviceSeason::Summer, FRandom);
  const TCouncilAnswer hunting = FMeeting.Click(AdviserPoints[2][0], AdviserPoints[2][1]);
  EXPECT_EQ(hunting.Text, "HUNTING says");
  EXPECT_EQ(hunting.Concern, "Vi trenger flere på jakt og fiske.");
  EXPECT_TRUE(hunting.TailRight);
  EXPECT_TRUE(FMeeting.Click(AdviserPoints[1][0], AdviserPoints[1][1]).Concern.empty());
  EXPECT_TRUE(FMeeting.Click(ChiefX, ChiefY).Concern.empty());
}

TEST(CouncilZones, RightAndBottomEdgesAreOutsideAndOverlapsGoToTheEarlierZone) {
  EXPECT_EQ(TCouncilMeeting::ZoneAt(455, 150), 0);
  EXPECT_EQ(TCouncilMeeting::ZoneAt(456, 150), 2);
  EXPECT_EQ(TCouncilMeeting::ZoneAt(64, 257), -1);
  EXPECT_EQ(TCouncilMeeting::ZoneAt(179, 256), 5);
  EXPECT_EQ(TCouncilMeeting::ZoneAt(300, 100), 3);
  EXPECT_EQ(TCouncilMeeting::ZoneAt(450, 150), 0);
  EXPECT_EQ(TCouncilMeeting::ZoneAt(250, 265), 6);
}

TEST(CouncilChief, LinesAndSoundsFollowTheNumberHeard) {
  EXPECT_EQ(TCouncilMeeting::ChiefSound(0), "z1.wav");
  EXPECT_EQ(TCouncilMeeting::ChiefLine(3), "Er det noen som har noe å legge til?");
  EXPECT_EQ(TCouncilMeeting::ChiefSound(4), "z3.wav");
}

TEST(CentredTextOffset, ATallTextRisesByHalfItsExcessRoundedTowardZero) {
  const TWorkRect rect = TCouncilMeeting::BubbleTextRect;
  EXPECT_EQ(CentredTextOffset(rect, 149, 40).Dy, 28);
  EXPECT_EQ(CentredTextOffset(rect, 149, 100).Dy, -1);
  EXPECT_EQ(CentredTextOffset(rect, 100, 40).Dx, 24);
}

}  // namespace
}  // namespace fjordheim
