#pragma once

#include <QPixmap>

#include <map>
#include <memory>
#include <string>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/game/game_controller.h"
#include "core/game/game_view.h"
#include "core/settings/settings.h"
#include "gui/app/game_actions.h"
#include "gui/controls/picture_list.h"

class QLabel;

namespace fjordheim {

class TCouncilImage;
class TCreature;
class TCreatureDivider;
class TForecastLine;
class THuman;
class THumanDivider;
class TMainForm;
class TChronicleForm;
class TVillageStatusForm;

/// The turn cycle on the main window: owns the controller, answers the window's commands
/// with it and shows what the cycle asks for in the main window, its council, work and
/// slaughter pages and the season windows.
class TScreenGame : public TGameActions, public TGameView {
 public:
  /// The pages are built into the form's council, work and slaughter pages.
  TScreenGame(TMainForm& form, TSettings& settings, TRandom& random, TMessageSink& sink);
  ~TScreenGame() override;
  TScreenGame(const TScreenGame&) = delete;
  TScreenGame& operator=(const TScreenGame&) = delete;

  TGameController& Controller() { return FController; }
  TCouncilImage* Council() const { return FCouncil; }
  THumanDivider* WorkDivider() const { return FWork; }
  TCreatureDivider* SlaughterDivider() const { return FSlaughter; }
  /// The note beside the work places that tells what the division will bring.
  TForecastLine* ForecastLine() const { return FForecastLine; }
  QLabel* SlaughterLine() const { return FSlaughterLine; }

  // TGameActions
  void NewGame() override;
  bool LoadGame(const std::string& path) override;
  bool SaveGame(const std::string& path) override;
  void ChangeSeason() override;
  void TakeDecisions() override;
  void ShowVillageStatus() override;
  void VisitMarket() override;
  void ShowFoodStatus() override;
  void ShowChronicle() override;
  void LeaveGame() override;
  void ReadContent() override { FController.ReadContent(); }
  TSeason Season() const override;
  std::string StatusCaption() const override;
  std::string BookmarkFile() const override;
  std::optional<TChief> Chief() const override;
  std::optional<TGuideFacts> GuideFacts(TGuidePlace place) const override;

  // TGameView
  void PlayClick() override;
  void PlayWave(const std::string& file, int channel, int volume, bool loop, bool wait) override;
  void StopAllWaves() override;
  void PlaySeasonMusic(TSeason season) override;
  void ShowSeasonDialog(const std::string& line1, const std::string& line2) override;
  void ShowCatastrophe(const TCatastNode& event, const std::string& picture) override;
  void ShowSeasonReport(const TSeasonReport& report) override;
  int ShowTip(const TTip& tip, const std::string& picture) override;
  void ShowPage(const std::string& page) override;
  void ShowScoreList(const TScoreOutcome& outcome) override;
  bool RunDecisionWindow(TDecisionBoard& board) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  void SetButtonVisible(TGameButton button, bool visible) override;
  void SetStatusCaption(const std::string& caption) override;
  void SetStatusPicture(int index) override;
  void ShowVillagePicture(const std::string& picture, const std::string& zoneMap) override;
  void ShowMainPage() override;
  void ShowMainPanel() override;
  void ShowCouncilPicture(const std::string& picture) override;
  void CouncilMeetingStarted() override;
  void ShowIntroPanel() override;
  void ShowDeposition(const std::string& picture, const std::string& text) override;
  void StartOutro() override;
  void HumanFigureAdded(TFigureId id, const THumanInfo& person) override;
  void HumanFigureShownAt(TFigureId id, TWorkKind work) override;
  void HumanFigureLeftWork(TFigureId id) override;
  void HumanFigureRemoved(TFigureId id) override;
  void AnimalFigureAdded(TFigureId id, TAnimalKind kind) override;
  void AnimalFigureMarked(TFigureId id) override;
  void AnimalFigureRemoved(TFigureId id) override;
  void WorkPageArranged() override;
  void AnimalPenArranged() override;
  void FiguresCleared() override;

 private:
  QPixmap Picture(const std::string& path);
  void BuildPagesOnce();
  void BuildCouncilPage();
  void BuildWorkPage();
  void BuildSlaughterPage();
  void SetWorkOf(const THumanInfo& person, TWorkKind work);
  bool Mark(const TCreature& animal);
  void Tell(const TChoiceOutcome& outcome);
  TVillageStatusForm& StatusForm();
  void OpenStatus(bool atFood);
  /// The food gauge and the work page's forecast line, after anything the forecast reads.
  void UpdateFoodGauge();
  /// What the animals marked on the slaughter page will give; hidden while none is marked.
  void UpdateSlaughterLine();

  TMainForm& FForm;
  TSettings& FSettings;
  TRandom& FRandom;
  TMessageSink& FSink;
  TPictureList FSmallHumans;
  TPictureList FReportCattle;
  TPictureList FStatusCattle;
  TPictureList FFoodPictures;
  /// Made at its first opening and kept, so that it opens on the tab seen last.
  TVillageStatusForm* FStatus = nullptr;
  /// Made at its first opening and kept, so that it opens on the graph seen last.
  TChronicleForm* FChronicle = nullptr;
  TCouncilImage* FCouncil = nullptr;
  THumanDivider* FWork = nullptr;
  TForecastLine* FForecastLine = nullptr;
  TCreatureDivider* FSlaughter = nullptr;
  QLabel* FSlaughterLine = nullptr;
  std::map<TFigureId, std::unique_ptr<THuman>> FHumans;
  std::map<TFigureId, std::unique_ptr<TCreature>> FAnimals;
  /// Set while the slaughter page itself moves the animal it asked to mark.
  bool FPageMarks = false;
  TGameController FController;
};

}  // namespace fjordheim
