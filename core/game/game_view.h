#pragma once

#include <cstdint>
#include <string>

#include "core/common/season.h"
#include "core/village/human_info.h"

namespace fjordheim {

class TCatastNode;
class TDecisionBoard;
class TSeasonReport;
struct TScoreOutcome;
struct TTip;

/// The buttons of the main window's button panel whose visibility the turn cycle decides.
enum class TGameButton : std::uint8_t { Work = 0, Slaughter = 1, Decisions = 2, Trade = 3 };

/// A figure on the work page or the slaughter page; stays the same while its person or
/// animal lives.
using TFigureId = std::uint32_t;

/// Everything the turn cycle asks of the screen. Every call is synchronous: a call that
/// shows a modal window returns when the window has been closed, so the steps of the
/// change of season keep their order. The main window implements it; tests and the
/// simulator implement it without a display.
class TGameView {
 public:
  virtual ~TGameView() = default;

  // Sounds. Files are game paths (the sound folder and the name).
  virtual void PlayClick() = 0;
  virtual void PlayWave(const std::string& file, int channel, int volume, bool loop, bool wait) = 0;
  virtual void StopAllWaves() = 0;
  virtual void PlaySeasonMusic(TSeason season) = 0;

  // Modal windows.
  /// "Før du kan gå videre til neste årstid må du:" with the two lines (the second may be empty).
  virtual void ShowSeasonDialog(const std::string& line1, const std::string& line2) = 0;
  /// "Hva hendte nå?" with the event; picture is a game path. The event's sound is already playing.
  virtual void ShowCatastrophe(const TCatastNode& event, const std::string& picture) = 0;
  virtual void ShowSeasonReport(const TSeasonReport& report) = 0;
  /// "Morsomt å vite..."; picture is a game path (empty for a missing tip). Returns 1 for
  /// "Les mer..." and 2 for "Lukk".
  virtual int ShowTip(const TTip& tip, const std::string& picture) = 0;
  /// Opens a page (a game path) in the browser window.
  virtual void ShowPage(const std::string& page) = 0;
  /// "Topplistan" with the outcome of the ended game.
  virtual void ShowScoreList(const TScoreOutcome& outcome) = 0;
  /// "Andre avgjørelser": the player ticks and confirms on the board, which is open.
  /// Returns true exactly when the board was decided before the window closed.
  virtual bool RunDecisionWindow(TDecisionBoard& board) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;

  // The main window.
  virtual void SetButtonVisible(TGameButton button, bool visible) = 0;
  /// The status button's caption ("Høsten år 852") and its picture index 0..3 ("status1".."status4").
  virtual void SetStatusCaption(const std::string& caption) = 0;
  virtual void SetStatusPicture(int index) = 0;
  /// The village picture of the season and its hit-zone file (game paths); the indoor view is left.
  virtual void ShowVillagePicture(const std::string& picture, const std::string& zoneMap) = 0;
  virtual void ShowMainPage() = 0;
  /// The main panel replaces the intro panel (after a load from the title or the saved-game dialog).
  virtual void ShowMainPanel() = 0;
  /// The council room's background (a game path), "Consult.bmp" or "WConsult.bmp".
  virtual void ShowCouncilPicture(const std::string& picture) = 0;
  /// A new council meeting has begun: no adviser heard, new advice drawn.
  virtual void CouncilMeetingStarted() = 0;
  /// The main panel gives way to the intro panel with the deposition picture and text.
  virtual void ShowIntroPanel() = 0;
  virtual void ShowDeposition(const std::string& picture, const std::string& text) = 0;
  /// The player has left the game: the outro begins.
  virtual void StartOutro() = 0;

  // Figures of the work page (people) and the slaughter page (animals).
  /// A person's figure is made (not yet on the work page).
  virtual void HumanFigureAdded(TFigureId id, const THumanInfo& person) = 0;
  /// The figure is on the work page in the container of this work kind.
  virtual void HumanFigureShownAt(TFigureId id, TWorkKind work) = 0;
  /// The figure leaves the work page (the person is no longer of working age) but lives on.
  virtual void HumanFigureLeftWork(TFigureId id) = 0;
  virtual void HumanFigureRemoved(TFigureId id) = 0;
  /// An animal's figure is made in the pen.
  virtual void AnimalFigureAdded(TFigureId id, TAnimalKind kind) = 0;
  /// The figure went into the slaughter area and shows its marked picture.
  virtual void AnimalFigureMarked(TFigureId id) = 0;
  virtual void AnimalFigureRemoved(TFigureId id) = 0;
  /// The containers lay out their figures and the page is repainted.
  virtual void WorkPageArranged() = 0;
  virtual void AnimalPenArranged() = 0;
  /// Every figure of both pages is gone.
  virtual void FiguresCleared() = 0;
};

}  // namespace fjordheim
