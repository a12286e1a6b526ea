#include "core/council/council_meeting.h"

namespace fjordheim {

TCouncilAnswer TCouncilMeeting::Start(TAdviceSeason season, TRandom& random) {
  FGenerator.SelectAdvice(season, random);
  return Begin();
}

TCouncilAnswer TCouncilMeeting::Begin() {
  FHeard = {};
  FHeardCount = 0;
  const TCouncilZone& zone = Zones[7];
  return {true, OpeningLine, zone.BubbleX, zone.BubbleY, zone.Frame, BubbleTextRect, {}, nullptr, false};
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
  TCouncilAnswer answer{true, {}, zone.BubbleX, zone.BubbleY, zone.Frame, BubbleTextRect, {}, nullptr, false};
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
  return answer;
}

std::string TCouncilMeeting::ChiefLine(int heardCount) {
  if (heardCount <= 0) return OpeningLine;
  if (heardCount <= 2) return "Hva har dere andre å legge til?";
  if (heardCount <= 4) return "Er det noen som har noe å legge til?";
  return "Takk for gode råd.";
}

std::string TCouncilMeeting::ChiefSound(int heardCount) {
  if (heardCount <= 0) return "z1.wav";
  if (heardCount <= 2) return "z2.wav";
  if (heardCount <= 4) return "z3.wav";
  return "z4.wav";
}

TTextOffset CentredTextOffset(const TWorkRect& textRect, int measuredWidth, int measuredHeight) {
  return {(textRect.Width() - measuredWidth) / 2, (textRect.Height() - measuredHeight) / 2};
}

}  // namespace fjordheim
