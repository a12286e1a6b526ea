#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/common/random.h"
#include "core/common/season.h"
#include "core/common/translation.h"
#include "core/council/advice_generator.h"
#include "core/work/work_rect.h"

namespace fjordheim {

/// One figure of the council picture that answers a click.
struct TCouncilZone {
  /// 0..4 the adviser of that advice area, 5 the chief.
  int Speaker = 0;
  TWorkRect Hit;
  /// Where the bubble's tail ends: on the speaker's body, at the side the bubble stands.
  int TailX = 0;
  int TailY = 0;
  /// The bubble stands left of the speaker with its tail on its right side.
  bool TailRight = false;
};

/// The top-left corner of a bubble.
struct TBubblePlace {
  int X = 0;
  int Y = 0;
};

/// What the council picture shows after a click or at the start of a meeting.
struct TCouncilAnswer {
  /// False for a click beside every figure: the bubble is hidden.
  bool BubbleVisible = false;
  std::string Text;
  int Frame = 0;
  TWorkRect TextRect;
  /// Where the tail points, and whether the bubble is the side bubble mirrored so that its
  /// tail leaves its right side; PlaceBubble gives the bubble's place for its size.
  int TailX = 0;
  int TailY = 0;
  bool TailRight = false;
  /// What the adviser adds about this village; empty when all is well.
  std::string Concern;
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
  /// The bubble picture whose tail leaves its side, 110 of its 150 pixels down, and its size.
  static constexpr int SideBubbleFrame = 2;
  static constexpr int BubbleWidth = 210;
  static constexpr int BubbleHeight = 150;
  static constexpr int TailHeight = 110;
  /// A bubble that holds an adviser's concern beside the advice is this many percent of the
  /// picture's size.
  static constexpr int ConcernBubblePercent = 130;
  /// The meeting picture.
  static constexpr int PictureWidth = 563;
  static constexpr int PictureHeight = 480;
  // The tails end on the speakers' bodies, so that the bubble says who speaks; the bubbles of
  // the advisers on the right stand left of them.
  static constexpr std::array<TCouncilZone, ZoneCount> Zones{{
      {0, {400, 130, 456, 211}, 406, 220, true},
      {0, {400, 212, 506, 398}, 406, 220, true},
      {1, {445, 73, 507, 195}, 458, 140, true},
      {2, {299, 57, 391, 261}, 312, 160, true},
      {3, {210, 68, 380, 213}, 290, 154, false},
      {4, {64, 55, 180, 257}, 162, 150, false},
      {5, {187, 262, 335, 414}, 318, 280, false},
      {5, {244, 207, 301, 270}, 318, 280, false},
  }};
  static constexpr const char* OpeningLine =
      TrMark("Det er på tide å bestemme hva slags arbeid som skal gjøres. Hva har du å si?");

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

  /// What an adviser adds about the village when he speaks; none when unset.
  std::function<std::string(TAdviceArea area)> Concerns;

  /// The first zone in table order that holds the point, or -1.
  static int ZoneAt(int x, int y);

  int HeardCount() const { return FHeardCount; }
  bool Heard(int area) const { return area >= 0 && area < AdviceAreaCount && FHeard[static_cast<std::size_t>(area)]; }

  /// The chief's line and recording for this many advisers heard.
  static std::string ChiefLine(int heardCount);
  static std::string ChiefSound(int heardCount);

 private:
  static TCouncilAnswer AnswerAt(const TCouncilZone& zone);

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

/// Where a side bubble of this size stands so that its tail ends at the tail point, kept
/// inside the area: a shift of a few pixels still leaves the tail on the speaker.
TBubblePlace PlaceBubble(int tailX, int tailY, bool tailRight, int width, int height, int areaWidth, int areaHeight);

}  // namespace fjordheim
