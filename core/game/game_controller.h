#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/catastrophes/catast_queue.h"
#include "core/catastrophes/catastrophe_check.h"
#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/common/translation.h"
#include "core/council/advice_generator.h"
#include "core/decisions/decision_board.h"
#include "core/decisions/decision_generator.h"
#include "core/game/chronicle.h"
#include "core/game/council_concerns.h"
#include "core/game/game_view.h"
#include "core/game/popup_tips.h"
#include "core/game/season_forecast.h"
#include "core/game/season_change_info.h"
#include "core/game/season_why.h"
#include "core/settings/settings.h"
#include "core/village/village.h"

namespace fjordheim {

struct TSavedGame;

/// A person's figure: on the work page exactly while the person is a youth or an adult.
struct THumanFigure {
  TFigureId Id = 0;
  THumanInfo* Person = nullptr;
  bool InWork = false;
};

/// An animal's figure: in the pen, or marked in the slaughter area until the season ends.
struct TAnimalFigure {
  TFigureId Id = 0;
  TAnimalKind Kind = TAnimalKind::Cow;
  bool Marked = false;
};

/// The three factors of the chief's rating, as the status window shows them.
struct TRatingFactors {
  long double Standing = 0;  ///< A: 0 at a standing of -20, 1 at +20
  long double Survival = 0;  ///< B: from the village's survival factor
  long double Trade = 0;     ///< C: half the goods store's demand coverage
};

/// Whether a choice of the player was carried out, and if not why (empty when the screen
/// says nothing).
struct TChoiceOutcome {
  bool Accepted = true;
  std::string Message;
};

/// What a press of "Neste årstid" did.
enum class TSeasonChange : std::uint8_t { Refused = 0, Changed = 1, Deposed = 2 };

inline constexpr const char* SeasonDialogHeading = TrMark("Før du kan gå videre til neste årstid må du:");
// Translators: what the chief must do before the next season, a line under "Før du kan gå videre til neste årstid må du:".
inline constexpr const char* HoldCouncilText = TrMark("Hold rådsmøte");
// Translators: what the chief must do before the next season, a line under "Før du kan gå videre til neste årstid må du:".
inline constexpr const char* TakeDecisionsText = TrMark("Ta andre avgjørelser");
inline constexpr const char* DecisionsTakenText = TrMark("Du har allerede tatt de andre avgjørelsene.");
inline constexpr const char* GameSavedText = TrMark("Spillet er lagret.");
// Translators: a line of its own, the missing tasks follow it one to a line.
inline constexpr const char* MissingTasksText = TrMark("Noen oppgaver mangler i filene:");
inline constexpr const char* DepositionText = TrMark("Byrådet synes du har vært en dårlig høvding. De avsetter deg.");
inline constexpr const char* AutosaveFileName = "autosave.tun";
inline constexpr const char* ChronicleFileName = "autosave.csv";

/// One game from the chief's first season to his deposition or leave: the village, the
/// chief's standing with the council, the phases of the season and everything the change
/// of season needs (council advice, decisions, catastrophes, tips). Every choice of the
/// player is an operation here that checks first and changes only what it allows; the
/// screen is reached only through the view.
class TGameController {
 public:
  /// Reads the council advice, the six decision files, the events and the tips from the
  /// data folder of the settings; unreadable files are reported to sink and leave their
  /// content empty. No game is running until NewGame or LoadGame.
  TGameController(const TSettings& settings, TRandom& random, TGameView& view, TMessageSink& sink);
  TGameController(const TGameController&) = delete;
  TGameController& operator=(const TGameController&) = delete;
  ~TGameController();
  /// Reads the content of the data folder again, as after the player chose another language
  /// on the title; a game in play keeps its village and goes on with the new texts.
  void ReadContent();

  /// A new game with the starting village of the land startChoice (0, 1 or 2), shown on the
  /// main panel with the season's music.
  void NewGame(const std::string& chiefName, std::int32_t chiefFace, int startChoice);
  /// Replaces the game by the saved one at path (a game path) and takes the loaded chief's
  /// entry off the score list. On any error the message is shown and the game in play stays
  /// as it was; false then.
  bool LoadGame(const std::string& path);
  /// Writes the game to path (a game path); on an error the message is shown and false returned.
  bool SaveGame(const std::string& path);
  /// The player leaves: the score list after the first year, then the outro.
  void Leave();

  /// "Neste årstid".
  TSeasonChange BtnChgSeasonClick();
  /// True when the council was heard and the decisions taken; otherwise shows the season
  /// dialog with what is missing.
  bool CanChangeSeason();
  /// "Avgjørelser": the decision window once a season.
  void TakeDecisions();

  /// The player's choices.
  /// The adviser of area 0..4 speaks: the advice drawn for this meeting (none where the
  /// advice file lacks it, which still counts as heard). The fifth adviser heard opens the
  /// work, slaughter and decision buttons.
  const TAdviceNode* HearAdviser(int area);
  /// The council view has heard its fifth adviser: every adviser counts as heard and the
  /// buttons open, without a recording (the adviser's own advice plays it).
  void AllAdvisersHeard();
  /// Moves a person of working age to a work.
  TChoiceOutcome SetWork(TFigureId figure, TWorkKind work);
  /// Puts an animal into the slaughter area; it cannot be taken back.
  TChoiceOutcome MarkForSlaughter(TFigureId figure);
  /// The market window has closed; traded says whether a trade was concluded. A trade hides
  /// the trade button until summer; a visit without one changes nothing.
  void MarketVisited(bool traded);

  /// What the coming change of season will likely bring with the work and the marks as they
  /// stand; played again only when something it reads has changed. Never changes the game.
  const TSeasonForecast& Forecast() const;
  /// What the advisers add about this village to the advice of the season, from the forecast
  /// as it stands; nothing outside a game.
  TCouncilConcerns CouncilConcerns() const { return TCouncilConcerns::Of(Forecast()); }
  /// How long a forecast may take; the simulator plays fewer copies than the screen.
  void SetForecastLimits(const TForecastLimits& limits);
  /// Whether "Neste årstid" asks first when the forecast sees danger; on unless the
  /// settings say `WARNINGS=OFF`.
  void SetWarnings(bool enabled) { FWarnings = enabled; }
  bool Warnings() const { return FWarnings; }
  /// The animals marked for slaughter, by kind.
  TAnimalCounts MarkedAnimals() const;

  long double ChiefRating(bool withTrade) const;
  TRatingFactors RatingFactors() const;
  /// The rating a chief of this standing earns with this village.
  static long double RatingOf(const TVillage& village, std::int32_t standing, bool withTrade);
  static TRatingFactors FactorsOf(const TVillage& village, std::int32_t standing);
  /// The trade flag the judgement reads after a change into newSeason: spring begins a new
  /// trading year.
  static bool TradeFlagAfter(TSeason newSeason, bool tradedThisYear);
  /// The rating the council judges by after a change of season: the rating with trade in a
  /// year of trade, without it otherwise; 0 when nobody is left to lead.
  static long double JudgementOf(const TVillage& village, std::int32_t standing, bool tradeCounts);
  /// Below this judgement the council deposes the chief.
  static constexpr long double DepositionLevel = 0.2L;
  /// The council's judgement after a change of season: nobody left to lead, or a judgement
  /// below DepositionLevel.
  static bool DeposedAfterChange(const TVillage& village, std::int32_t standing, bool tradeCounts);
  /// 0 for a rating (with trade) of 2.0 or more, 1 from 1.0, 2 from 0.5, else 3.
  int StatusPictureIndex() const;

  bool InGame() const { return FInGame; }
  bool Deposed() const { return FDeposed; }
  const TVillage& Village() const { return FVillage; }
  /// Why people and animals died and what became of the crop in the last season change of
  /// this game; empty lines before the first.
  const TSeasonWhy& LastSeasonWhy() const { return FLastWhy; }
  TVillage& Village() { return FVillage; }
  const std::string& ChiefName() const { return FChiefName; }
  std::int32_t ChiefFace() const { return FChiefFace; }
  std::int32_t ChiefStanding() const { return FChiefStanding; }
  bool CouncilHeld() const { return FCouncilHeld; }
  bool DecisionsTaken() const { return FDecisionsTaken; }
  bool TradedThisYear() const { return FTradedThisYear; }
  TSpecialSituation SpecialSituation() const { return FCatastropheCheck.SpecialSituation; }
  std::int32_t CatastropheCountdown() const { return FCatastropheCheck.Countdown; }
  std::int32_t PopupSeasonCounter() const { return FPopupSeasonCounter; }
  std::int32_t PopupIndex() const { return FPopupIndex; }
  bool ButtonVisible(TGameButton button) const { return FButtons[static_cast<std::size_t>(button)]; }
  /// The advice and decision index of the running meeting.
  TAdviceSeason MeetingSeason() const { return FMeetingSeason; }
  int HeardCount() const;
  bool Heard(int area) const;
  const TAdviceGenerator& Advice() const { return *FAdvice; }
  /// The council view draws its meeting's advice from the same generator the cycle reads.
  TAdviceGenerator& Advice() { return *FAdvice; }
  TDecisionBoard& DecisionBoard() { return FBoard; }
  /// The generator whose tasks the board offers this season; row i is its option i.
  const TDecisionGenerator& SeasonDecisions() const { return *FDecisions[static_cast<std::size_t>(FMeetingSeason)]; }
  const std::vector<THumanFigure>& HumanFigures() const { return FHumanFigures; }
  const std::vector<TAnimalFigure>& AnimalFigures(TAnimalKind kind) const {
    return FAnimalFigures[static_cast<std::size_t>(kind)];
  }
  const TChronicle& Chronicle() const { return FChronicle; }
  /// The season and year as the status button shows them ("Høsten år 852").
  std::string StatusCaption() const;
  /// Where the game is saved after every change of season, and its chronicle beside it.
  std::string AutosavePath() const;
  std::string ChroniclePath() const;
  /// The chief's own page of bookmarks.
  const std::string& BookmarkFile() const { return FBookmarkFile; }
  /// Off for runs that must not touch the saved-game folder (the simulator, tests).
  void SetAutosave(bool enabled) { FAutosave = enabled; }

  /// The advice and decision index of a season, or of the special situation when there is one.
  static TAdviceSeason AdviceSeasonOf(TSeason season, TSpecialSituation situation);
  /// The chief's standing after adding a decision score, kept within -20 … 20.
  static std::int32_t ClampedStanding(std::int64_t standing);

 private:
  void ReadDecisionsAndEvents();
  void InstallCallbacks();
  void BuildVillageView();
  void FreeVillageView();
  void RefreshWorkPool();
  void AddHumanFigure(THumanInfo& person);
  void AddAnimalFigures(TAnimalKind kind, int count);
  void RemoveSlaughtered();
  void SlaughterMarked();
  void StartMeeting(TAdviceSeason season);
  void OnAllHeard();
  void OnBirths(const TPersonRefs& born);
  void OnDeaths(const TPersonList& dead);
  void OnAnimalBirths(const TAnimalCounts& counts);
  void OnAnimalLosses(const TAnimalCounts& counts);
  void ShowEvent(const TCatastNode& event);
  void UpdateStatusIcon();
  void UpdateTradeButton();
  void SetButton(TGameButton button, bool visible);
  void ShowVillagePicture();
  void PopupStep();
  void Depose();
  /// True when the change may go on: no danger foreseen, warnings off, or the player said yes.
  bool GoOnDespiteForecast();
  std::uint64_t ForecastKey() const;
  void RecordChronicle(const std::string& event);
  void LoadChronicleBeside(const std::string& savedGame);
  void Autosave();
  /// The score list at the end of a game; cause says why a deposed chief was deposed.
  void ShowScoreList(const std::string& cause = std::string());
  void ShowSeasonReport(bool deposed);
  std::string DepositionCause() const;
  std::string GameFile(const std::string& name) const;
  TSavedGame SavedGame() const;
  THumanFigure* FindHumanFigure(TFigureId id);
  TAnimalFigure* FindAnimalFigure(TFigureId id);

  const TSettings& FSettings;
  TRandom& FRandom;
  TGameView& FView;
  TMessageSink& FSink;
  std::unique_ptr<TAdviceGenerator> FAdvice;
  std::array<std::unique_ptr<TDecisionGenerator>, AdviceSeasonCount> FDecisions;
  TDecisionBoard FBoard;
  TCatastQueue FCatastQueue;
  TCatastropheCheck FCatastropheCheck;
  TPopupTips FTips;
  TSeasonChangeInfo FSeasonInfo;
  TVillage FVillage;
  TChronicle FChronicle;
  std::string FChiefName;
  std::int32_t FChiefFace = 0;
  std::string FBookmarkFile;
  std::int32_t FChiefStanding = 0;
  bool FCouncilHeld = false;
  bool FDecisionsTaken = false;
  bool FTradedThisYear = false;
  std::int32_t FPopupSeasonCounter = 0;
  std::int32_t FPopupIndex = 0;
  std::int32_t FSeasonDecisionScore = 0;
  /// The year of the season that is ending, as its caption named it.
  std::uint16_t FEndingYear = 0;
  /// What a fire took from the store at the end of the last season change.
  long double FStoreBurntBefore = 0;
  TSeasonWhy FLastWhy;
  bool FAutosave = true;
  bool FWarnings = true;
  TForecastLimits FForecastLimits;
  mutable TSeasonForecast FForecast;
  mutable std::uint64_t FForecastKey = 0;
  mutable bool FForecastPlayed = false;
  bool FAutosaveFailed = false;
  bool FInGame = false;
  bool FDeposed = false;
  std::array<bool, 4> FButtons{};
  TAdviceSeason FMeetingSeason = TAdviceSeason::Autumn;
  std::array<bool, AdviceAreaCount> FHeard{};
  std::vector<THumanFigure> FHumanFigures;
  std::array<std::vector<TAnimalFigure>, AnimalKindCount> FAnimalFigures;
  TFigureId FNextFigureId = 1;
  /// The files the player saved to in this run; the autosave never writes over them.
  std::set<std::string> FPlayerSaves;
};

}  // namespace fjordheim
