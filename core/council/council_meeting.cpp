#include "core/council/council_meeting.h"

#include <algorithm>

namespace fjordheim {

TCouncilAnswer TCouncilMeeting::Start(TAdviceSeason season, TRandom& random) {
  FGenerator.SelectAdvice(season, random);
  return Begin();
}

TCouncilAnswer TCouncilMeeting::Begin() {
  FHeard = {};
  FHeardCount = 0;
  TCouncilAnswer answer = AnswerAt(Zones[7]);
  answer.Text = Tr(OpeningLine);
  return answer;
}

TCouncilAnswer TCouncilMeeting::AnswerAt(const TCouncilZone& zone) {
  TCouncilAnswer answer;
  answer.BubbleVisible = true;
  answer.Frame = SideBubbleFrame;
  answer.TextRect = BubbleTextRect;
  answer.TailX = zone.TailX;
  answer.TailY = zone.TailY;
  answer.TailRight = zone.TailRight;
  return answer;
}

int TCouncilMeeting::ZoneAt(int x, int y) {
  for (int i = 0; i < ZoneCount; ++i) {
    if (Zones[static_cast<std::size_t>(i)].Hit.Contains(x, y)) return i;
  }
  return -1;
}

TCouncilAnswer TCouncilMeeting::Click(int x, int y) {
  const int index = ZoneAt(x, y);
  if (index < 0) return {};
  const TCouncilZone& zone = Zones[static_cast<std::size_t>(index)];
  TCouncilAnswer answer = AnswerAt(zone);
  if (zone.Speaker == ChiefSpeaker) {
    answer.Text = ChiefLine(FHeardCount);
    answer.ChiefSound = ChiefSound(FHeardCount);
    return answer;
  }
  const auto area = static_cast<std::size_t>(zone.Speaker);
  if (!FHeard[area]) {
    FHeard[area] = true;
    ++FHeardCount;
    answer.AllHeardNow = FHeardCount == AdviceAreaCount;
  }
  answer.Text = FGenerator.AdviceText(zone.Speaker);
  answer.Advice = FGenerator.AdviceNode(zone.Speaker);
  if (Concerns) answer.Concern = Concerns(static_cast<TAdviceArea>(zone.Speaker));
  return answer;
}

std::string TCouncilMeeting::ChiefLine(int heardCount) {
  if (heardCount <= 0) return Tr(OpeningLine);
  if (heardCount <= 2) return Tr("Hva har dere andre å legge til?");
  if (heardCount <= 4) return Tr("Er det noen som har noe å legge til?");
  return Tr("Takk for gode råd.");
}

std::string TCouncilMeeting::ChiefSound(int heardCount) {
  if (heardCount <= 0) return "z1.wav";
  if (heardCount <= 2) return "z2.wav";
  if (heardCount <= 4) return "z3.wav";
  return "z4.wav";
}

TBubblePlace PlaceBubble(int tailX, int tailY, bool tailRight, int width, int height, int areaWidth, int areaHeight) {
  const int x = tailRight ? tailX - width : tailX;
  const int y = tailY - height * TCouncilMeeting::TailHeight / TCouncilMeeting::BubbleHeight;
  return {std::clamp(x, 0, std::max(0, areaWidth - width)), std::clamp(y, 0, std::max(0, areaHeight - height))};
}

TTextOffset CentredTextOffset(const TWorkRect& textRect, int measuredWidth, int measuredHeight) {
  return {(textRect.Width() - measuredWidth) / 2, (textRect.Height() - measuredHeight) / 2};
}

}  // namespace fjordheim
