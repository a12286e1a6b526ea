#pragma once

#include <functional>
#include <string>

#include "core/game/game_view.h"

namespace fjordheim {

/// A view without a screen, for games played by a program: every window closes at once
/// ("Lukk" for a tip), a question is answered with Answer, and the decision window is handed
/// to Decide.
class THeadlessView : public TGameView {
 public:
  /// Ticks and confirms on the open board; true when the board was decided.
  std::function<bool(TDecisionBoard& board)> Decide;
  /// Yes, so that a program plays on through the warnings as a player who knows better would.
  bool Answer = true;

  void PlayClick() override {}
  void PlayWave(const std::string&, int, int, bool, bool) override {}
  void StopAllWaves() override {}
  void PlaySeasonMusic(TSeason) override {}
  void ShowSeasonDialog(const std::string&, const std::string&) override {}
  void ShowCatastrophe(const TCatastNode&, const std::string&) override {}
  void ShowSeasonReport(const TSeasonReport&) override {}
  int ShowTip(const TTip&, const std::string&) override { return 2; }
  void ShowPage(const std::string&) override {}
  void ShowScoreList(const TScoreOutcome&) override {}
  bool RunDecisionWindow(TDecisionBoard& board) override { return Decide && Decide(board); }
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return Answer; }
  void SetButtonVisible(TGameButton, bool) override {}
  void SetStatusCaption(const std::string&) override {}
  void SetStatusPicture(int) override {}
  void ShowVillagePicture(const std::string&, const std::string&) override {}
  void ShowMainPage() override {}
  void ShowMainPanel() override {}
  void ShowCouncilPicture(const std::string&) override {}
  void CouncilMeetingStarted() override {}
  void ShowIntroPanel() override {}
  void ShowDeposition(const std::string&, const std::string&) override {}
  void StartOutro() override {}
  void HumanFigureAdded(TFigureId, const THumanInfo&) override {}
  void HumanFigureShownAt(TFigureId, TWorkKind) override {}
  void HumanFigureLeftWork(TFigureId) override {}
  void HumanFigureRemoved(TFigureId) override {}
  void AnimalFigureAdded(TFigureId, TAnimalKind) override {}
  void AnimalFigureMarked(TFigureId) override {}
  void AnimalFigureRemoved(TFigureId) override {}
  void WorkPageArranged() override {}
  void AnimalPenArranged() override {}
  void FiguresCleared() override {}
};

}  // namespace fjordheim
