#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/common/season.h"
#include "core/common/translation.h"
#include "core/council/advice_node.h"

namespace fjordheim {

class TGameController;

/// Said where the player looks until the council is heard, whether the guide is shown or not:
/// the buttons of the season's work come only after all five advisers have spoken.
inline constexpr const char* HearCouncilFirstText =
    TrMark("Hør alle fem rådgiverne i rådsmøtet, så kommer knappene for arbeid, slakting og avgjørelser.");

/// The steps a season takes in the guided first year, in their order.
enum class TGuideStep : std::uint8_t {
  HearAdvisers = 0,
  DivideWork = 1,
  MarkAnimals = 2,
  TakeDecisions = 3,
  ChangeSeason = 4,
  ReadReport = 5,
  Done = 6
};

/// Where the player is, as the screen shows it.
enum class TGuidePlace : std::uint8_t { Village = 0, Council = 1, Work = 2, Slaughter = 3, Report = 4 };

/// What the guide's arrow points at.
enum class TGuideTarget : std::uint8_t {
  None = 0,
  CouncilButton,
  Adviser,
  WorkButton,
  IdlePeople,
  ForecastLine,
  SlaughterButton,
  AnimalPen,
  DecisionsButton,
  NextSeasonButton,
  Report
};

/// What the guide reads of the game after every step of the player.
struct TGuideFacts {
  bool InGame = false;
  TSeason Season = TSeason::Autumn;
  std::uint16_t Year = 0;
  std::array<bool, AdviceAreaCount> Heard{};
  bool CouncilHeld = false;
  /// People of working age who have a work.
  int Working = 0;
  /// Animals marked for slaughter.
  int Marked = 0;
  bool DecisionsTaken = false;
  TGuidePlace Place = TGuidePlace::Village;

  /// The controller's game as the player stands in it at place.
  static TGuideFacts Of(const TGameController& game, TGuidePlace place);
};

/// The help of a new chief's first year: one short sentence and one thing to point at for
/// each step of every season, from the council to the season report, until the first year
/// is over or the player switches it off. Which step comes next is read from the game
/// after every step of the player, so that a step done out of order is passed over.
class TFirstYearGuide {
 public:
  /// A new game has begun; its first season is the one the facts show.
  void Start(const TGuideFacts& facts);
  /// The game in play is not the new one any more (a saved game was loaded): the help ends
  /// until the next new game.
  void End() { FStep = TGuideStep::Done; }
  /// The player switched the help off: it is gone and starts no more.
  void SwitchOff();
  bool SwitchedOff() const { return FSwitchedOff; }
  /// The game after a step of the player.
  void Observe(const TGuideFacts& facts);

  TGuideStep Step() const { return FStep; }
  bool Shown() const { return FStep != TGuideStep::Done; }
  TGuideTarget Target() const;
  /// The adviser the arrow points at while the council is heard: the first not yet heard.
  int NextAdviser() const;
  /// What the help says now; empty when it is not shown.
  std::string Sentence() const;

  /// The seasons of the first year: the help ends after the report of the last.
  static constexpr int GuidedSeasons = 4;

 private:
  void BeginSeason(const TGuideFacts& facts);
  TGuideStep StepInSeason(const TGuideFacts& facts) const;

  TGuideStep FStep = TGuideStep::Done;
  TGuideFacts FFacts;
  bool FSwitchedOff = false;
  int FSeasonsChanged = 0;
  /// The work page has been opened in this season, and left again after someone had work.
  bool FWorkSeen = false;
  bool FWorkDone = false;
  bool FPenSeen = false;
  bool FPenDone = false;
};

}  // namespace fjordheim
