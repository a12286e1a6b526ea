#pragma once

#include <array>
#include <string>

#include "core/common/random.h"
#include "core/common/season.h"
#include "core/council/advice_generator.h"
#include "core/work/work_rect.h"

namespace fjordheim {

/// One figure of the council picture that answers a click.
struct TCouncilZone {
  /// 0..4 the adviser of that advice area, 5 the chief.
  int Speaker = 0;
  TWorkRect Hit;
  int BubbleX = 0;
  int BubbleY = 0;
  int Frame = 0;
};

/// What the council picture shows after a click or at the start of a meeting.
struct TCouncilAnswer {
  /// False for a click beside every figure: the bubble is hidden.
  bool BubbleVisible = false;
  std::string Text;
  int BubbleX = 0;
  int BubbleY = 0;
  int Frame = 0;
  TWorkRect TextRect;
  /// The chief's recording, a file in the sound folder; empty when the chief is silent.
  std::string ChiefSound;
  /// The adviser who spoke, or none.
  const TAdviceNode* Advice = nullptr;
  /// True exactly once a meeting: at the click that heard the fifth adviser.
  bool AllHeardNow = false;
};

/// The rules of a council meeting: which figure a click hits, what it says, and how many
/// of the five advisers have been heard.
class TCouncilMeeting {
 public:
  static constexpr int ChiefSpeaker = 5;
  static constexpr int ZoneCount = 8;
  static constexpr TWorkRect BubbleTextRect{30, 27, 179, 124};
  static constexpr std::array<TCouncilZone, ZoneCount> Zones{{
      {0, {400, 130, 456, 211}, 181, 216, 0},
      {0, {400, 212, 506, 398}, 181, 216, 0},
      {1, {445, 73, 507, 195}, 218, 146, 0},
      {2, {299, 57, 391, 261}, 137, 145, 0},
      {3, {210, 68, 380, 213}, 254, 149, 1},
      {4, {64, 55, 180, 257}, 131, 205, 1},
      {5, {187, 262, 335, 414}, 240, 285, 1},
      {5, {244, 207, 301, 270}, 240, 285, 1},
  }};
  static constexpr const char* OpeningLine =
      "Det er på tide å bestemme hva slags arbeid som skal gjøres. Hva har du å si?";

  /// The generator is not owned; it draws the advice of every meeting.
  explicit TCouncilMeeting(TAdviceGenerator& generator) : FGenerator(generator) {}

  /// A new meeting: fresh advice, nobody heard, the chief's opening line in the bubble
  /// (without a sound).
  TCouncilAnswer Start(TAdviceSeason season, TRandom& random);
  /// A new meeting over the advice the generator holds already (drawn by the turn
  /// cycle): nobody heard, the chief's opening line.
  TCouncilAnswer Begin();

  /// A click at (x, y) in picture pixels.
  TCouncilAnswer Click(int x, int y);

  /// The first zone in table order that holds the point, or -1.
  static int ZoneAt(int x, int y);

  int HeardCount() const { return FHeardCount; }
  bool Heard(int area) const { return area >= 0 && area < AdviceAreaCount && FHeard[static_cast<std::size_t>(area)]; }

  /// The chief's line and recording for this many advisers heard.
  static std::string ChiefLine(int heardCount);
  static std::string ChiefSound(int heardCount);

 private:
  TAdviceGenerator& FGenerator;
  std::array<bool, AdviceAreaCount> FHeard{};
  int FHeardCount = 0;
};

/// Where a measured block of text goes inside a text rectangle: centred, with integer halves
/// rounded toward zero, so a block taller than the rectangle rises by half its excess.
struct TTextOffset {
  int Dx = 0;
  int Dy = 0;
};
TTextOffset CentredTextOffset(const TWorkRect& textRect, int measuredWidth, int measuredHeight);

}  // namespace fjordheim
