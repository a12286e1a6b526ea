#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <exception>
#include <memory>
#include <string>
#include <vector>
#include <utility>

#include "core/common/random.h"
#include "core/common/translation.h"
#include "core/game/first_year_guide.h"
#include "core/game/village_hot_spots.h"
#include "core/settings/settings.h"
#include "gui/app/game_actions.h"
#include "gui/app/qt_translations.h"
#include "core/sound/sound_player.h"
#include "core/work/work_places.h"
#include "gui/controls/picture_list.h"
#include "gui/controls/picture_loader.h"
#include "gui/dialogs/game_layout.h"

class QDialog;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace fjordheim {

class TArkivForm;
class TAudioSinkOutput;
class TBrowserWin;
class TCustomImage;
class TFoodGauge;
class TFoodStatus;
class TSeasonForecast;
class TGuideOverlay;
class TPictureButton;
class TScaledView;
class TZoneImage;

/// The whole game screen: borderless, maximised and black, the 640 × 480 game scaled
/// to fill it. It shows the intro panel (title, story, deposition) or the main panel
/// (the village and the other pages with the button panel), owns the long-lived
/// objects of the screen and turns every click into one call of the game.
/// The information page on how the game is played, in the pages folder.
inline constexpr const char* HowToPlayPage = "hjelp.htm";

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  /// Messages for the player go to sink; the game's steps to actions (the turn cycle on
  /// this window when none is given).
  TMainForm(TSettings& settings, TRandom& random, TMessageSink& sink, std::unique_ptr<TGameActions> actions = nullptr,
            QWidget* parent = nullptr);
  ~TMainForm() override;

  enum class TPage { Main = 0, Council = 1, Work = 2, Cattle = 3 };
  /// The main panel's buttons, top to bottom.
  enum class TButton { Village, Surf, Council, Work, Slakt, Beslut, Trade, ChgSeason, File };
  static constexpr int ButtonCount = 9;

  int IntroStep() const { return FIntroStep; }
  void IntroClick();
  bool MainPanelShown() const;
  TPage ShownPage() const;
  TPictureButton* Button(TButton button) const;
  QWidget* Screen() const { return FScreen; }
  TScaledView* View() const { return FView; }
  /// The layout of the windows opened over the game: the game's scale, but never below
  /// the size the windows were drawn for, so that their texts stay readable.
  TGameLayout GameLayout() const;
  TZoneImage* VillageImage() const { return FVillageImage; }
  /// The status button with the season label, top left over the pages.
  QPushButton* StatusButton() const { return FStatusBitBtn; }
  QWidget* PageWidget(TPage page) const;
  TBrowserWin* Browser();
  TArkivForm* Arkiv() const { return FArkiv; }
  TGameActions& Actions() { return *FActions; }
  bool Indoor() const { return FHotSpots.Indoor(); }
  /// The work place heard on the work page: 1 to 4, 0 for none.
  int WorkAreaHeard() const { return FWorkAreaSound.CurrentArea(); }
  const std::string& BookmarkFile() const { return FBookmarkFile; }
  TSoundPlayer& Sound() { return FSound; }
  // The picture lists are loaded when the game first needs one: the title does not.
  const TPictureList& BubblePictures() {
    LoadPictureListsOnce();
    return FBubblePictures;
  }
  const TPictureList& AnimalPictures() {
    LoadPictureListsOnce();
    return FAnimalPictures;
  }
  const TPictureList& PeoplePictures() {
    LoadPictureListsOnce();
    return FPeoplePictures;
  }
  const TPictureList& GoodsPictures() {
    LoadPictureListsOnce();
    return FGoodsPictures;
  }
  TPictureLoader& Pictures() { return FPictures; }

  void ShowPage(TPage page);
  void SetStatusCaption(const std::string& caption);
  /// The chief's face on the status button, "status1" … "status4" for 0 … 3, beside the
  /// season's picture, "season1" … "season4" from autumn to summer.
  void SetStatusPicture(int index);
  /// The food gauge beside the status button; picture list 0 is one portion.
  void SetFoodGauge(const TFoodStatus& food, const TSeasonForecast& forecast, const TPictureList& pictures);
  TFoodGauge* FoodGauge() const { return FFoodGauge; }
  /// The village picture and its zones (game paths); the indoor view keeps its own.
  void ShowVillagePicture(const std::string& picture, const std::string& zoneMap);
  /// The herds drawn over the village picture from its next showing on (game paths).
  void SetVillageHerds(std::vector<std::string> pictures) { FVillageHerds = std::move(pictures); }
  void ShowMainPanel();
  void ShowIntroPanel();
  /// The deposition picture and text on the intro panel; a click leads back to the title.
  void ShowDeposition(const std::string& picture, const std::string& text);
  /// Runs one step so that nothing it throws leaves the event loop: it is shown instead.
  template <typename TStep>
  void RunGuarded(TStep&& step) {
    try {
      step();
    } catch (const std::exception& error) {
      ShowError(error);
    } catch (...) {
      FSink.ShowMessage(Tr("Ukjent feil"));
    }
    UpdateGuide();
  }

  /// The village picture of the season, as a new season or a loaded game shows it.
  void ShowVillageSeason(TSeason season);
  /// The game is in play: the main panel with the village, the status caption.
  void ShowGame();
  /// A new game is in play: as ShowGame, and the help of the first year begins unless the
  /// player switched it off.
  void ShowNewGame();
  /// The help of the first year, which the screen follows after every step of the player.
  const TFirstYearGuide& Guide() const { return FGuide; }
  TGuideOverlay* GuideOverlay() const { return FGuideOverlay; }
  /// The help over the window open now (the season report); none while none is open.
  TGuideOverlay* WindowGuide() const { return FWindowGuideFrame ? FWindowGuide : nullptr; }
  /// Off for a run that must not show the help, without changing the player's settings.
  void SetGuideAllowed(bool allowed);
  /// Runs a window of the game (the season report) with the help beside it; its result.
  int ExecWithGuide(QDialog& window);
  /// The help and the council's line follow the game after a step of the player.
  void UpdateGuide();
  /// The line that says the season's buttons come after all five advisers are heard.
  QLabel* CouncilHint() const { return FCouncilHint; }
  /// Back to the title, as after a deposition.
  void ShowTitle();
  /// "Slik spiller du" from the title: the page on how the game is played.
  void ShowHowToPlay();
  QWidget* TitleHint() const { return FTitleHint; }
  /// The title's buttons of the languages, in the order of GameLanguages.
  QPushButton* LanguageButton(std::size_t index) const { return FLanguageButtons.at(index); }
  /// The player chose a language on the title: the game speaks it at once, every open window
  /// writes its texts again, and it is remembered in the player's own settings.
  void ChooseLanguage(TLanguageCode language);
  QPushButton* HowToPlayButton() const { return FHowToPlay; }
  void UpdateStatusCaption();
  void PlaySeasonMusic();
  void ShowPageInBrowser(const std::string& path);
  void OpenBrowser(const std::string& path);
  void SetBookmarkFile(const std::string& path);
  void EnterIndoor();
  void LeaveIndoor();
  void VillageImageMouseMove(QPoint at);
  void VillageImageMouseUp(QPoint at);
  /// The pointer moved over the work page, at (x, y) in page pixels: the work place
  /// under it is heard.
  void WorkPageMouseMove(int x, int y);
  void StartOutro();

  void BtnVillageClick();
  void BtnSurfClick();
  void BtnCouncilClick();
  void BtnWorkClick();
  void BtnSlaktClick();
  void BtnTradeClick();
  void BtnFileClick();
  /// True while the market window is open: nothing then starts the season music.
  bool MarketOpen() const { return FMarketOpen; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadPictureListsOnce();
  /// The herds of the village, each on a transparent ground, to lay over its picture.
  std::vector<QImage> HerdOverlays();
  void ShowStatusGlyphs();
  void BuildIntroPanel();
  void BuildMainPanel();
  void BuildButtons();
  void ChooseChief();
  void StartNewGame();
  void LoadFromTitle();
  void SetIntroPicture(const char* name);
  void BuildLanguageChoice();
  /// Every text the window writes itself, in the language of the game.
  void WriteTexts();
  /// The title's hint to click and its button to the page on how to play.
  void ShowTitleHelp(bool shown);
  void BuildGuide();
  TGuidePlace GuidePlace() const;
  void DrawGuide();
  void DrawWindowGuide();
  void SwitchGuideOff();
  /// Where the box stands and what the arrow points at, in main panel pixels.
  std::pair<QRect, QPoint> GuidePlacement(TGuideTarget target, const QString& sentence) const;
  void ShowError(const std::exception& error);
  template <typename TStep>
  void Guarded(TStep&& step) {
    RunGuarded(std::forward<TStep>(step));
  }

  TSettings& FSettings;
  TRandom& FRandom;
  TMessageSink& FSink;
  std::unique_ptr<TGameActions> FActions;
  TPictureLoader FPictures;
  std::unique_ptr<TAudioSinkOutput> FOutput;
  TSoundPlayer FSound;
  TVillageHotSpots FHotSpots;
  std::vector<std::string> FVillageHerds;
  TWorkAreaSound FWorkAreaSound;
  /// The hints' font at the size the windows were drawn for.
  QFont FToolTipFont;
  TQtTranslations FQtTranslations;
  std::string FBookmarkFile;
  int FIntroStep = 0;
  bool FMarketOpen = false;

  bool FPictureListsBuilt = false;
  TPictureList FAnimalPictures;
  TPictureList FStatusPictures;
  TPictureList FSeasonPictures;
  /// The chief's face on the status button, 0 … 3; none before the first game.
  int FStatusIndex = -1;
  TPictureList FPeoplePictures;
  TPictureList FBubblePictures;
  TPictureList FGoodsPictures;

  QWidget* FScreen;
  TScaledView* FView;
  QWidget* FIntroPanel = nullptr;
  TCustomImage* FIntroImage = nullptr;
  QWidget* FIntroTextPanel = nullptr;
  QLabel* FIntroLabel = nullptr;
  QWidget* FIntroTextPanel2 = nullptr;
  QLabel* FIntroLabel2 = nullptr;
  QWidget* FTitleHint = nullptr;
  QLabel* FTitleHintLabel = nullptr;
  QPushButton* FHowToPlay = nullptr;
  QWidget* FLanguageChoice = nullptr;
  std::array<QPushButton*, GameLanguages.size()> FLanguageButtons{};
  QWidget* FMainPanel = nullptr;
  QStackedWidget* FPageControl = nullptr;
  TZoneImage* FVillageImage = nullptr;
  QPushButton* FStatusBitBtn = nullptr;
  TFoodGauge* FFoodGauge = nullptr;
  std::array<TPictureButton*, ButtonCount> FButtons{};
  TBrowserWin* FBrowser = nullptr;
  TArkivForm* FArkiv = nullptr;

  TFirstYearGuide FGuide;
  bool FGuideAllowed = true;
  TGuideOverlay* FGuideOverlay = nullptr;
  QLabel* FCouncilHint = nullptr;
  /// The window of the game open now, and the help beside it (owned by that window).
  QDialog* FGuideWindow = nullptr;
  QPointer<QWidget> FWindowGuideFrame;
  TGuideOverlay* FWindowGuide = nullptr;
};

}  // namespace fjordheim
