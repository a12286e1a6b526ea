#include "gui/app/main_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QTimer>
#include <QEvent>
#include <QIcon>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "core/common/path_resolver.h"
#include "core/common/translation.h"
#include "core/council/council_meeting.h"
#include "core/game/chief_page_title.h"
#include "core/game/first_decision_quiz.h"
#include "core/game/game_controller.h"
#include "core/pages/bookmark_file.h"
#include "core/pages/bookmark_page.h"
#include "core/settings/name_tables.h"
#include "core/work/work_places.h"
#include "gui/app/screen_game.h"
#include "gui/app/scaled_view.h"
#include "gui/controls/custom_image.h"
#include "gui/controls/draw_transparent.h"
#include "gui/controls/food_gauge.h"
#include "gui/controls/forecast_line.h"
#include "gui/controls/guide_overlay.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/zone_image.h"
#include "gui/dialogs/arkiv_form.h"
#include "gui/dialogs/first_decision_form.h"
#include "gui/dialogs/intro_form.h"
#include "gui/dialogs/question_box.h"
#include "gui/dialogs/start_game_form.h"
#include "gui/pages/browser_win.h"
#include "gui/sound/audio_sink_output.h"

namespace fjordheim {

namespace {

struct TButtonPlace {
  const char* Name;
  QRect Place;
  const char* Hint;
  Qt::Key Key;
};

// The button panel, top to bottom; each button also answers the key shown in its hint.
constexpr std::array<TButtonPlace, TMainForm::ButtonCount> ButtonPlaces{{
    {"BtnVillage", {17, 9, 51, 49}, TrMark("Gå til hovedbilde"), Qt::Key_V},
    {"BtnSurf", {12, 63, 62, 53}, TrMark("Let etter mer informasjon"), Qt::Key_I},
    {"BtnCouncil", {14, 121, 57, 57}, TrMark("Hold rådsmøte"), Qt::Key_R},
    {"BtnWork", {13, 177, 58, 43}, TrMark("Fordel arbeidsoppgaver"), Qt::Key_A},
    {"BtnSlakt", {15, 220, 51, 46}, TrMark("Slakte"), Qt::Key_S},
    {"BtnBeslut", {23, 271, 32, 49}, TrMark("Andre avgjørelser"), Qt::Key_B},
    {"BtnTrade", {15, 321, 54, 38}, TrMark("Besøk markedet"), Qt::Key_M},
    {"BtnChgSeason", {7, 359, 72, 43}, TrMark("Neste årstid"), Qt::Key_N},
    {"BtnFile", {18, 433, 50, 46}, TrMark("Lagre / Åpne / Avslutt"), Qt::Key_L},
}};

constexpr const char* ContinueText = TrMark("(klikk for å gå videre)");
constexpr const char* ContinueHintName = "ContinueHint";
constexpr const char* TitleHintText = TrMark("Klikk for å begynne");
constexpr const char* HowToPlayText = TrMark("Slik spiller du");
constexpr const char* OutroPlayer = "mmlrtm3.exe";
constexpr int CouncilHintHeight = 28;

QString Translated(const char* bokmal) { return QString::fromStdString(Tr(bokmal)); }

QWidget* BlackPanel(QWidget* parent, QRect where) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(where);
  panel->setAutoFillBackground(true);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, Qt::black);
  panel->setPalette(colours);
  return panel;
}

// A white framed text box of the intro with its "click to go on" line below the text.
QWidget* IntroTextBox(QWidget* parent, QRect where, QLabel*& text, Qt::Alignment alignment) {
  auto* box = new QFrame(parent);
  box->setGeometry(where);
  box->setFrameStyle(QFrame::Box | QFrame::Plain);
  box->setAutoFillBackground(true);
  QPalette colours = box->palette();
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::WindowText, Qt::black);
  box->setPalette(colours);
  text = new QLabel(box);
  text->setGeometry(6, 4, where.width() - 12, where.height() - 22);
  text->setWordWrap(true);
  text->setAlignment(alignment);
  auto* more = new QLabel(box);
  more->setObjectName(ContinueHintName);
  more->setGeometry(6, where.height() - 18, where.width() - 12, 14);
  more->setAlignment(Qt::AlignRight);
  QFont small = more->font();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  more->setFont(small);
  box->hide();
  return box;
}

}  // namespace

TMainForm::TMainForm(TSettings& settings, TRandom& random, TMessageSink& sink, std::unique_ptr<TGameActions> actions,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      FSettings(settings),
      FRandom(random),
      FSink(sink),
      FActions(std::move(actions)),
      FPictures(&sink),
      FOutput(std::make_unique<TAudioSinkOutput>()),
      FSound(settings.SoundOff(), settings.SoundPath(), *FOutput, &sink),
      FToolTipFont(QToolTip::font()) {
  setWindowTitle(QStringLiteral("Fjordheim"));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::black);
  setPalette(colours);

  FSettings.NormaliseFolders();
  FSettings.CreateWritableFolders();
  FScreen = BlackPanel(nullptr, {0, 0, GameWidth, GameHeight});
  BuildIntroPanel();
  BuildMainPanel();
  WriteTexts();
  FQtTranslations.Use(FSettings.Language().Code());
  FView = new TScaledView(FScreen, this);
  // Hints are windows of their own, outside the scaled screen: they grow with the game.
  connect(FView, &TScaledView::ScaleChanged, this, [this] { QToolTip::setFont(GameLayout().Font(FToolTipFont)); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FView);
  resize(GameWidth, GameHeight);

  FIntroStep = 0;
  SetIntroPicture("Intropic.bmp");
  FOutput->SetOnFailure([this] { FSound.OutputFailed(); });
  FSound.InitSound();

  FArkiv = new TArkivForm(FSettings.PicsPath(), FPictures, this);
  if (!FActions) FActions = std::make_unique<TScreenGame>(*this, FSettings, FRandom, FSink);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive) {
      FSound.StopAllWaves();
    } else if (!FMarketOpen && MainPanelShown() && (ShownPage() == TPage::Main || ShownPage() == TPage::Council)) {
      PlaySeasonMusic();
    }
  });
}

TMainForm::~TMainForm() { FSound.DoneSound(); }

TGameLayout TMainForm::GameLayout() const { return TGameLayout(std::max(1.0, FView->Scale().Factor)); }

void TMainForm::LoadPictureListsOnce() {
  if (FPictureListsBuilt) return;
  FPictureListsBuilt = true;
  const std::string& pics = FSettings.PicsPath();
  FAnimalPictures = CreatePictureList(qRgb(255, 0, 255),
                                      {"komini", "grismini", "farmini", "honamini", "splatt2", "splatt2", "splatt2", "splatt3"},
                                      pics, FPictures);
  FStatusPictures = CreatePictureList(qRgb(0, 0, 255), {"status1", "status2", "status3", "status4"}, pics, FPictures);
  FSeasonPictures = CreatePictureList(qRgb(0, 0, 255), {"season1", "season2", "season3", "season4"}, pics, FPictures);
  FPeoplePictures = CreatePictureList(qRgb(255, 255, 255), {"male3", "female3", "child3"}, pics, FPictures);
  FBubblePictures = CreatePictureList(qRgb(255, 0, 255), {"bubbla1", "bubbla2", "bubbla3"}, pics, FPictures);
  FGoodsPictures = CreatePictureList(qRgb(255, 0, 255), {"i_silver", "i_barnst", "i_furs", "i_iron", "i_jewel", "i_weap"},
                                     pics, FPictures);
}

void TMainForm::BuildIntroPanel() {
  FIntroPanel = BlackPanel(FScreen, {0, 0, GameWidth, GameHeight});
  FIntroImage = new TCustomImage(FIntroPanel);
  FIntroImage->SetAutoSize(true);
  connect(FIntroImage, &TCustomImage::Clicked, this, [this] { Guarded([this] { IntroClick(); }); });
  FIntroTextPanel = IntroTextBox(FIntroPanel, {8, 12, 290, 83}, FIntroLabel, Qt::AlignLeft | Qt::AlignTop);
  FIntroTextPanel2 = IntroTextBox(FIntroPanel, {126, 410, 401, 57}, FIntroLabel2, Qt::AlignCenter);
  FTitleHint = IntroTextBox(FIntroPanel, {220, 432, 200, 34}, FTitleHintLabel, Qt::AlignCenter);
  FTitleHintLabel->setGeometry(FTitleHint->rect());
  QFont hintFont = FTitleHintLabel->font();
  hintFont.setBold(true);
  hintFont.setPointSizeF(hintFont.pointSizeF() * 1.2);
  FTitleHintLabel->setFont(hintFont);
  for (QLabel* more : FTitleHint->findChildren<QLabel*>()) {
    if (more != FTitleHintLabel) more->hide();
  }
  FTitleHint->show();
  FHowToPlay = new QPushButton(FIntroPanel);
  FHowToPlay->setGeometry(8, 442, 120, 26);
  FHowToPlay->setCursor(Qt::PointingHandCursor);
  connect(FHowToPlay, &QPushButton::clicked, this, [this] { Guarded([this] { ShowHowToPlay(); }); });
  for (QWidget* box : {FIntroTextPanel, FIntroTextPanel2, FTitleHint}) {
    box->installEventFilter(this);
    for (QWidget* child : box->findChildren<QWidget*>()) child->installEventFilter(this);
  }
  BuildLanguageChoice();
}

// Each language in its own name, so that a child who cannot read the one shown finds their own.
// They stand one above the other in the sky right of the title's sign, clear of its frame.
void TMainForm::BuildLanguageChoice() {
  constexpr int Width = 70;
  constexpr int Height = 24;
  constexpr int Step = Height + 4;
  FLanguageChoice = new QWidget(FIntroPanel);
  FLanguageChoice->setGeometry(GameWidth - 8 - Width, 8, Width, static_cast<int>(GameLanguages.size()) * Step - 4);
  auto* group = new QButtonGroup(FLanguageChoice);
  int top = 0;
  for (std::size_t i = 0; i < GameLanguages.size(); ++i) {
    const TLanguageCode language = GameLanguages[i];
    auto* button = new QPushButton(QString::fromUtf8(std::string(LanguageOwnName(language)).c_str()), FLanguageChoice);
    button->setGeometry(0, top, Width, Height);
    button->setCheckable(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    group->addButton(button);
    connect(button, &QPushButton::clicked, this, [this, language] { Guarded([this, language] { ChooseLanguage(language); }); });
    FLanguageButtons[i] = button;
    top += Step;
  }
}

void TMainForm::ChooseLanguage(TLanguageCode language) {
  FSound.PlayClick();
  if (language == FSettings.Language().Code()) return;
  if (!FSettings.ChooseLanguage(language)) {
    FSink.ShowMessage(Tr("Språket gjelder bare til spillet avsluttes: innstillingene kunne ikke lagres."));
  }
  FActions->ReadContent();
  FQtTranslations.Use(language);
}

void TMainForm::WriteTexts() {
  FTitleHintLabel->setText(Translated(TitleHintText));
  FHowToPlay->setText(Translated(HowToPlayText));
  for (QLabel* more : FIntroPanel->findChildren<QLabel*>(ContinueHintName)) more->setText(Translated(ContinueText));
  for (std::size_t i = 0; i < ButtonPlaces.size(); ++i) {
    const QKeySequence key(ButtonPlaces[i].Key);
    FButtons[i]->setToolTip(Translated(ButtonPlaces[i].Hint) + " (" + key.toString(QKeySequence::NativeText) + ")");
  }
  FCouncilHint->setText(Translated(HearCouncilFirstText));
  // The line keeps its foot where it is and grows upwards where a language needs two lines.
  const QRect hint = FCouncilHint->geometry();
  const int height = std::max(CouncilHintHeight, FCouncilHint->heightForWidth(hint.width()));
  FCouncilHint->setGeometry(hint.left(), hint.bottom() + 1 - height, hint.width(), height);
  for (std::size_t i = 0; i < GameLanguages.size(); ++i) {
    FLanguageButtons[i]->setChecked(GameLanguages[i] == FSettings.Language().Code());
  }
  if (MainPanelShown()) UpdateStatusCaption();
}

void TMainForm::BuildMainPanel() {
  FMainPanel = BlackPanel(FScreen, {0, 0, GameWidth, GameHeight});
  FPageControl = new QStackedWidget(FMainPanel);
  FPageControl->setGeometry(-2, -4, 567, 486);
  auto* mainPage = BlackPanel(nullptr, {0, 0, 567, 486});
  FVillageImage = new TZoneImage(mainPage);
  FVillageImage->setGeometry(mainPage->rect());
  connect(FVillageImage, &TZoneImage::MouseMoved, this, [this](QPoint at) { Guarded([this, at] { VillageImageMouseMove(at); }); });
  connect(FVillageImage, &TZoneImage::MouseReleased, this, [this](QPoint at) { Guarded([this, at] { VillageImageMouseUp(at); }); });
  FPageControl->addWidget(mainPage);
  for (int page = 1; page < 4; ++page) FPageControl->addWidget(BlackPanel(nullptr, {0, 0, 567, 486}));

  auto* panelPanel = BlackPanel(FMainPanel, {GameWidth - 77, 0, 77, GameHeight});
  auto* panelImage = new TCustomImage(panelPanel);
  panelImage->setGeometry(panelPanel->rect());
  panelImage->SetPicture(FPictures.Load(FSettings.PicsPath() + "panel.bmp"));
  for (std::size_t i = 0; i < ButtonPlaces.size(); ++i) {
    const TButtonPlace& place = ButtonPlaces[i];
    TPictureButton* button =
        CreatePictureButton(panelPanel, FPictures, FSettings.PicsPath(), place.Name, place.Place, true);
    const QKeySequence key(place.Key);
    FButtons[i] = button;
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, [this, button] {
      if (MainPanelShown() && button->isVisible()) emit button->Clicked();
    });
  }
  BuildButtons();

  FStatusBitBtn = new QPushButton(FMainPanel);
  FStatusBitBtn->setGeometry(3, 4, 177, 37);
  FStatusBitBtn->setFocusPolicy(Qt::NoFocus);
  connect(FStatusBitBtn, &QPushButton::clicked, this, [this] { Guarded([this] { FActions->ShowVillageStatus(); }); });
  // In the button panel's gap between "Neste årstid" and the file button: seen on every page,
  // and over none of the places the pages let the player click.
  FFoodGauge = new TFoodGauge(FMainPanel);
  FFoodGauge->setGeometry(GameWidth - 77 + 6, 404, 64, 27);
  connect(FFoodGauge, &TFoodGauge::Clicked, this, [this] { Guarded([this] { FActions->ShowFoodStatus(); }); });
  auto* chronicle = new QShortcut(QKeySequence(Qt::Key_K), this);
  connect(chronicle, &QShortcut::activated, this, [this] {
    if (MainPanelShown()) Guarded([this] { FActions->ShowChronicle(); });
  });
  BuildGuide();
  FMainPanel->hide();
}

// Over the pages and the button panel, so that the arrow reaches the buttons; the council's
// line stands at the foot of the page, where nothing is clicked.
void TMainForm::BuildGuide() {
  FCouncilHint = new QLabel(FMainPanel);
  FCouncilHint->setGeometry(8, 476 - CouncilHintHeight, 546, CouncilHintHeight);
  FCouncilHint->setWordWrap(true);
  FCouncilHint->setAlignment(Qt::AlignCenter);
  FCouncilHint->setAttribute(Qt::WA_TransparentForMouseEvents);
  FCouncilHint->setStyleSheet(
      "QLabel { background: rgba(250, 244, 226, 235); color: #2a1e0e; border: 2px solid #8b2500; border-radius: 6px;"
      " padding: 1px 4px; font-size: 11px; font-weight: bold; }");
  FCouncilHint->hide();
  FGuideOverlay = new TGuideOverlay(FMainPanel);
  FGuideOverlay->OnSwitchOff = [this] { SwitchGuideOff(); };
  connect(FPageControl, &QStackedWidget::currentChanged, this, [this] { UpdateGuide(); });
}

void TMainForm::BuildButtons() {
  auto bind = [this](TButton which, auto handler) {
    connect(FButtons[static_cast<std::size_t>(which)], &TPictureButton::Clicked, this, handler);
  };
  bind(TButton::Village, [this] { Guarded([this] { BtnVillageClick(); }); });
  bind(TButton::Surf, [this] { Guarded([this] { BtnSurfClick(); }); });
  bind(TButton::Council, [this] { Guarded([this] { BtnCouncilClick(); }); });
  bind(TButton::Work, [this] { Guarded([this] { BtnWorkClick(); }); });
  bind(TButton::Slakt, [this] { Guarded([this] { BtnSlaktClick(); }); });
  bind(TButton::Beslut, [this] {
    FSound.PlayClick();
    Guarded([this] { FActions->TakeDecisions(); });
  });
  bind(TButton::ChgSeason, [this] {
    FSound.PlayClick();
    Guarded([this] { FActions->ChangeSeason(); });
    UpdateStatusCaption();
  });
  bind(TButton::Trade, [this] { BtnTradeClick(); });
  bind(TButton::File, [this] { Guarded([this] { BtnFileClick(); }); });
}

TPictureButton* TMainForm::Button(TButton button) const { return FButtons[static_cast<std::size_t>(button)]; }
bool TMainForm::MainPanelShown() const { return !FMainPanel->isHidden(); }
TMainForm::TPage TMainForm::ShownPage() const { return static_cast<TPage>(FPageControl->currentIndex()); }
QWidget* TMainForm::PageWidget(TPage page) const { return FPageControl->widget(static_cast<int>(page)); }

void TMainForm::ShowError(const std::exception& error) { FSink.ShowMessage(error.what()); }

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Without a window manager a maximised state alone leaves the window small.
  if (const QScreen* shown = screen()) setGeometry(shown->availableGeometry());
  setWindowState(windowState() | Qt::WindowMaximized);
}

// Without a window manager nobody gives the keyboard back when a window of the game
// closes, and the next key would be lost; the main window takes it back itself.
bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowUnblocked) activateWindow();
  return QWidget::event(event);
}

void TMainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) WriteTexts();
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !(windowState() & Qt::WindowMaximized)) {
    setWindowState(windowState() | Qt::WindowMaximized);
  }
  QWidget::changeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && (widget == FIntroTextPanel || widget == FIntroTextPanel2 || widget == FTitleHint ||
                              FIntroTextPanel->isAncestorOf(widget) || FIntroTextPanel2->isAncestorOf(widget) ||
                              FTitleHint->isAncestorOf(widget))) {
      Guarded([this] { IntroClick(); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TMainForm::SetIntroPicture(const char* name) { FIntroImage->SetPicture(FPictures.Load(FSettings.PicsPath() + name)); }

void TMainForm::IntroClick() {
  const std::string& sounds = FSettings.SoundPath();
  switch (FIntroStep) {
    case 0: {
      FSound.PlayWave(sounds + "a1.wav", 2, -1500, true, false);
      FSound.PlayWave(sounds + "a2.wav", 3, -1000, true, false);
      TStartGameForm start(this, GameLayout());
      const int result = start.exec();
      if (result == TStartGameForm::NewGameResult) {
        SetIntroPicture("Journey.bmp");
        FIntroLabel->setText(QString::fromStdString(Tr("Et vikingskip kommer tilbake i slutten av august fra en reise i Vesterled.")));
        FIntroTextPanel->show();
        FIntroStep = 1;
        FScreen->repaint();
        FSound.PlayWave(sounds + "intro.wav", 1, 0, false, false);
      } else if (result == TStartGameForm::LoadGameResult) {
        LoadFromTitle();
      } else if (result == TStartGameForm::ExitResult) {
        StartOutro();
      }
      break;
    }
    case 1:
      FIntroLabel->setText(QString::fromStdString(Tr("På veien hjem ble skipet angrepet, og flere ble drept. Blant dem var høvdingen.")));
      FIntroStep = 2;
      FScreen->repaint();
      FSound.PlayWave(sounds + "intro2.wav", 1, 0, false, false);
      break;
    case 2:
      FIntroTextPanel->hide();
      FIntroLabel->clear();
      FSound.StopWave(3);
      ChooseChief();
      break;
    case 3:
      FIntroTextPanel2->hide();
      FIntroLabel2->clear();
      StartNewGame();
      break;
    default:
      ShowTitle();
      break;
  }
  ShowTitleHelp(FIntroStep == 0);
}

void TMainForm::ShowTitleHelp(bool shown) {
  FTitleHint->setVisible(shown);
  FHowToPlay->setVisible(shown);
  FLanguageChoice->setVisible(shown);
}

void TMainForm::ShowHowToPlay() {
  FSound.PlayClick();
  OpenBrowser(FSettings.HtmlFile(HowToPlayPage));
}

void TMainForm::LoadFromTitle() {
  FArkiv->SetGame(FSettings.GamePath(), FSettings.ChiefName);
  const std::string file = FArkiv->ChooseOpenFile();
  if (file.empty()) return;
  FSound.StopWave(3);
  bool loaded = false;
  Guarded([this, &file, &loaded] { loaded = FActions->LoadGame(file); });
  if (loaded) ShowGame();
}

void TMainForm::StartNewGame() {
  try {
    FActions->NewGame();
  } catch (const std::exception& error) {
    ShowError(error);
    ShowTitle();
    return;
  }
  ShowNewGame();
}

void TMainForm::ShowNewGame() {
  ShowGame();
  if (!FGuideAllowed || FSettings.GuideOff()) return;
  if (const std::optional<TGuideFacts> facts = FActions->GuideFacts(GuidePlace())) FGuide.Start(*facts);
  UpdateGuide();
}

void TMainForm::ShowGame() {
  // The help belongs to a new game; a loaded one goes on without it.
  FGuide.End();
  // A loaded game brings its own chief, and with him his own page and saved-game name.
  const std::string page = FActions->BookmarkFile();
  if (!page.empty()) SetBookmarkFile(page);
  if (const std::optional<TChief> chief = FActions->Chief()) {
    FSettings.ChiefName = chief->Name;
    FSettings.ChiefFace = chief->Face;
  }
  FIntroPanel->hide();
  ShowTitleHelp(false);
  if (FHotSpots.Indoor()) LeaveIndoor();
  ShowVillageSeason(FActions->Season());
  UpdateStatusCaption();
  FPageControl->setCurrentIndex(static_cast<int>(TPage::Main));
  FMainPanel->show();
  FSound.StopWave(1);
  FSound.StopWave(2);
  PlaySeasonMusic();
  UpdateGuide();
}

void TMainForm::ShowTitle() {
  FSound.StopAllWaves();
  FIntroTextPanel2->hide();
  FIntroLabel2->clear();
  FMainPanel->hide();
  FIntroPanel->show();
  SetIntroPicture("Intropic.bmp");
  FIntroStep = 0;
  ShowTitleHelp(true);
}

void TMainForm::ShowPage(TPage page) { FPageControl->setCurrentIndex(static_cast<int>(page)); }

void TMainForm::SetStatusCaption(const std::string& caption) {
  FStatusBitBtn->setText(QString::fromStdString(caption));
  ShowStatusGlyphs();
}

void TMainForm::SetFoodGauge(const TFoodStatus& food, const TSeasonForecast& forecast, const TPictureList& pictures) {
  FFoodGauge->SetStatus(food, forecast, pictures.Picture(0));
}

void TMainForm::SetStatusPicture(int index) {
  FStatusIndex = index;
  ShowStatusGlyphs();
}

// The season's picture stands first, beside the caption's season, and the chief's face
// after it; either may be missing, and an index outside the lists shows nothing of its own.
void TMainForm::ShowStatusGlyphs() {
  LoadPictureListsOnce();
  const QImage season = FSeasonPictures.Picture(static_cast<int>(FActions->Season()));
  const QImage face = FStatusPictures.Picture(FStatusIndex);
  constexpr int Gap = 3;
  const QSize size(FSeasonPictures.Size().width() + Gap + FStatusPictures.Size().width(),
                   std::max(FSeasonPictures.Size().height(), FStatusPictures.Size().height()));
  if (size.width() <= Gap || size.height() <= 0) return;
  QImage glyphs(size, QImage::Format_ARGB32_Premultiplied);
  glyphs.fill(Qt::transparent);
  QPainter painter(&glyphs);
  if (!season.isNull()) painter.drawImage(0, 0, season);
  if (!face.isNull()) painter.drawImage(FSeasonPictures.Size().width() + Gap, 0, face);
  painter.end();
  FStatusBitBtn->setIcon(QIcon(QPixmap::fromImage(glyphs)));
  FStatusBitBtn->setIconSize(size);
}

// A new season or a new game is shown outside: the hall's picture, zones and sound go.
void TMainForm::ShowVillagePicture(const std::string& picture, const std::string& zoneMap) {
  FHotSpots.SetIndoor(false);
  FVillageImage->SetPicture(FPictures.Load(picture), HerdOverlays());
  Guarded([this, &zoneMap] { FVillageImage->SetMaskFile(zoneMap); });
}

std::vector<QImage> TMainForm::HerdOverlays() {
  std::vector<QImage> overlays;
  for (const std::string& herd : FVillageHerds) {
    const QImage picture = FPictures.Load(herd);
    if (!picture.isNull()) overlays.push_back(KeyedImage(picture, qRgb(255, 0, 255)));
  }
  return overlays;
}

void TMainForm::ShowMainPanel() {
  FIntroPanel->hide();
  FMainPanel->show();
}

void TMainForm::ShowIntroPanel() {
  FMainPanel->hide();
  FIntroPanel->show();
}

void TMainForm::ShowDeposition(const std::string& picture, const std::string& text) {
  FIntroImage->SetPicture(FPictures.Load(picture));
  FIntroLabel2->setText(QString::fromStdString(text));
  FIntroTextPanel2->show();
  FIntroStep = 4;
  ShowTitleHelp(false);
  FScreen->repaint();
}

void TMainForm::UpdateStatusCaption() { FStatusBitBtn->setText(QString::fromStdString(FActions->StatusCaption())); }

void TMainForm::ChooseChief() {
  const std::string& pics = FSettings.PicsPath();
  {
    TIntroForm intro(pics, FPictures, FSink, this, GameLayout());
    intro.exec();
    FSettings.ChiefName = intro.ChiefName();
    FSettings.ChiefFace = intro.ChiefFace();
    FSettings.StartChoice = intro.Land();
  }
  SetBookmarkFile(BookmarkFilePath(FSettings.BookmPath(), FSettings.ChiefName));
  const bool exists = QFileInfo::exists(QString::fromStdString(ResolvePath(FBookmarkFile)));
  const bool keep = exists && AskYesNo(this, QString::fromStdString(Tr("Navnet er i bruk fra før. Vil du bruke den hjemmesiden?")),
                                       GameLayout());
  if (!keep) CreateBookmarkFile(ProgramFolderOf(FSettings.DataFile(BookmarkTemplateName)), FBookmarkFile, FSink);
  TBookmarkPage::UpdateSection(FBookmarkFile, "NAME", ChiefPageTitle(FSettings.ChiefName), FSink);
  TBookmarkPage::UpdatePicture(FBookmarkFile, "FACE", ChiefPagePicture(FSettings.ChiefFace), FSink);

  const TFirstDecisionQuiz quiz(FSettings.DataFile("Correct.que"), FSettings.DataFile("False.que"), FSink);
  const std::optional<TFirstDecisionDraw> draw = quiz.Draw(FRandom);
  if (!draw) {
    for (const std::string& missing : quiz.MissingPairs()) FSink.ShowMessage(missing);
    ShowTitle();
    return;
  }
  int slot = 0;
  {
    std::array<std::string, 3> answers;
    for (std::size_t i = 0; i < answers.size(); ++i) answers[i] = draw->Slots[i].Text;
    TFirstDecisionForm decision(pics, FPictures, answers, this, GameLayout());
    slot = decision.exec() - TFirstDecisionForm::FirstResult;
  }
  if (slot < 0 || slot >= TFirstDecisionDraw::SlotCount) slot = (draw->RightSlot + 1) % TFirstDecisionDraw::SlotCount;
  const bool right = draw->IsRight(slot);
  SetIntroPicture(right ? "Accepted.bmp" : "Notaccep.bmp");
  FIntroLabel2->setText(QString::fromStdString(draw->Slots[static_cast<std::size_t>(slot)].Explanation));
  FIntroTextPanel2->show();
  FIntroStep = right ? 3 : 4;
  FScreen->repaint();
  FSound.PlayWave(FSettings.SoundPath() + (right ? "horray.wav" : "Boo.wav"), 1, 0, false, false);
}

void TMainForm::SetGuideAllowed(bool allowed) {
  FGuideAllowed = allowed;
  if (!allowed) FGuide.End();
  UpdateGuide();
}

TGuidePlace TMainForm::GuidePlace() const {
  if (FGuideWindow != nullptr) return TGuidePlace::Report;
  switch (ShownPage()) {
    case TPage::Main: return TGuidePlace::Village;
    case TPage::Council: return TGuidePlace::Council;
    case TPage::Work: return TGuidePlace::Work;
    case TPage::Cattle: return TGuidePlace::Slaughter;
  }
  return TGuidePlace::Village;
}

void TMainForm::UpdateGuide() {
  if (FGuideOverlay == nullptr || !FActions) return;
  const bool playing = MainPanelShown() || FGuideWindow != nullptr;
  const std::optional<TGuideFacts> facts = playing ? FActions->GuideFacts(GuidePlace()) : std::nullopt;
  FGuide.Observe(facts.value_or(TGuideFacts{}));
  const bool guideSaysIt = FGuide.Shown() && FGuide.Step() == TGuideStep::HearAdvisers;
  const bool outside = ShownPage() == TPage::Main || ShownPage() == TPage::Council;
  FCouncilHint->setVisible(facts && !facts->CouncilHeld && outside && !guideSaysIt && FGuideWindow == nullptr);
  FCouncilHint->raise();
  DrawGuide();
  DrawWindowGuide();
}

void TMainForm::DrawGuide() {
  if (!FGuide.Shown() || FGuide.Target() == TGuideTarget::Report || FGuideWindow != nullptr) {
    FGuideOverlay->Clear();
    return;
  }
  const QString sentence = QString::fromStdString(FGuide.Sentence());
  const auto [box, tip] = GuidePlacement(FGuide.Target(), sentence);
  FGuideOverlay->Point(sentence, box, tip);
}

std::pair<QRect, QPoint> TMainForm::GuidePlacement(TGuideTarget target, const QString& sentence) const {
  const QPoint page = FPageControl->geometry().topLeft();
  const auto onPage = [page](int x, int y) { return QPoint(x, y) + page; };
  // Beside the button panel; on the work and slaughter pages in the strip right of their
  // places, so that no figure is hidden.
  const bool narrow = ShownPage() == TPage::Work || ShownPage() == TPage::Cattle;
  const int width = narrow ? 104 : 200;
  const auto besideButton = [&](TButton button) {
    const TPictureButton* widget = Button(button);
    const QPoint tip = widget->mapTo(FMainPanel, QPoint(0, widget->height() / 2)) - QPoint(2, 0);
    const int height = FGuideOverlay->BoxHeight(sentence, width);
    const int top = std::clamp(tip.y() - height / 2, 44, GameHeight - 4 - height);
    return std::pair(QRect(tip.x() - 16 - width, top, width, height), tip);
  };
  const auto inStrip = [&](int top, QPoint tip) {
    const int height = FGuideOverlay->BoxHeight(sentence, 104);
    return std::pair(QRect(456, std::clamp(top, 44, GameHeight - 4 - height), 104, height), tip);
  };
  switch (target) {
    case TGuideTarget::CouncilButton: return besideButton(TButton::Council);
    case TGuideTarget::WorkButton: return besideButton(TButton::Work);
    case TGuideTarget::SlaughterButton: return besideButton(TButton::Slakt);
    case TGuideTarget::DecisionsButton: return besideButton(TButton::Beslut);
    case TGuideTarget::NextSeasonButton: return besideButton(TButton::ChgSeason);
    case TGuideTarget::Adviser: {
      // Low on the left, below the advisers and beside the chief.
      const int height = FGuideOverlay->BoxHeight(sentence, 180);
      QPoint tip = onPage(300, 150);
      for (const TCouncilZone& zone : TCouncilMeeting::Zones) {
        if (zone.Speaker != FGuide.NextAdviser()) continue;
        tip = onPage((zone.Hit.Left + zone.Hit.Right) / 2, (zone.Hit.Top + zone.Hit.Bottom) / 2);
        break;
      }
      return {QRect(6, GameHeight - 4 - height, 180, height), tip};
    }
    case TGuideTarget::IdlePeople:
      return inStrip(96, onPage(IdleStripBounds.Right - 40, IdleStripBounds.Bottom));
    case TGuideTarget::ForecastLine: {
      const QWidget* line = PageWidget(TPage::Work)->findChild<TForecastLine*>();
      const QPoint tip = line != nullptr ? line->mapTo(FMainPanel, QPoint(line->width() - 40, 0)) : onPage(500, WorkPlaces[2].Bounds.Bottom);
      return inStrip(tip.y() - 24 - FGuideOverlay->BoxHeight(sentence, 104), tip);
    }
    case TGuideTarget::AnimalPen:
      return inStrip(120, onPage((SlaughterPenBounds.Left + SlaughterPenBounds.Right) / 2,
                                 (SlaughterPenBounds.Top + SlaughterPenBounds.Bottom) / 2));
    case TGuideTarget::Report:
    case TGuideTarget::None: break;
  }
  return {QRect(), QPoint()};
}

// The season report is a window of its own: the help stands in a small window just above
// it, with the arrow down at the report.
void TMainForm::DrawWindowGuide() {
  if (FGuideWindow == nullptr || !FGuide.Shown() || FGuide.Target() != TGuideTarget::Report) {
    if (FWindowGuideFrame) FWindowGuideFrame->hide();
    return;
  }
  if (!FWindowGuideFrame || FWindowGuideFrame->parentWidget() != FGuideWindow) {
    FWindowGuideFrame = new QWidget(FGuideWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    FWindowGuideFrame->setAttribute(Qt::WA_TranslucentBackground);
    FWindowGuideFrame->setAttribute(Qt::WA_ShowWithoutActivating);
    FWindowGuide = new TGuideOverlay(FWindowGuideFrame);
    FWindowGuide->OnSwitchOff = [this] { SwitchGuideOff(); };
  }
  QWidget* frame = FWindowGuideFrame;
  const QString sentence = QString::fromStdString(FGuide.Sentence());
  constexpr int Width = 260;
  constexpr int Arrow = 28;
  const int height = FWindowGuide->BoxHeight(sentence, Width);
  const QRect report = FGuideWindow->frameGeometry();
  const QRect screen = FGuideWindow->screen() != nullptr ? FGuideWindow->screen()->availableGeometry() : QRect();
  const int left = report.center().x() - Width / 2;
  // Above the report where the screen leaves room, else below it, the arrow always at it.
  if (report.top() - height - Arrow >= screen.top() || report.bottom() + height + Arrow > screen.bottom()) {
    frame->setGeometry(left, std::max(screen.top(), report.top() - height - Arrow), Width, height + Arrow);
    FWindowGuide->Point(sentence, QRect(0, 0, Width, height), QPoint(Width / 2, height + Arrow - 2));
  } else {
    frame->setGeometry(left, report.bottom() + 1, Width, height + Arrow);
    FWindowGuide->Point(sentence, QRect(0, Arrow, Width, height), QPoint(Width / 2, 2));
  }
  frame->show();
  frame->raise();
}

int TMainForm::ExecWithGuide(QDialog& window) {
  FGuideWindow = &window;
  // The window takes its place when it is shown; the help follows it there.
  QTimer::singleShot(0, &window, [this] { UpdateGuide(); });
  const int result = window.exec();
  FGuideWindow = nullptr;
  UpdateGuide();
  return result;
}

void TMainForm::SwitchGuideOff() {
  FGuide.SwitchOff();
  if (!FSettings.SwitchGuideOff()) {
    FSink.ShowMessage(Tr("Hjelpen er slått av nå, men det kunne ikke lagres til neste gang."));
  }
  UpdateGuide();
}

void TMainForm::BtnTradeClick() {
  FSound.StopAllWaves();
  FSound.PlayClick();
  FMarketOpen = true;
  Guarded([this] { FActions->VisitMarket(); });
  FMarketOpen = false;
  PlaySeasonMusic();
}

void TMainForm::ShowVillageSeason(TSeason season) {
  if (FHotSpots.Indoor()) return;
  FVillageImage->SetPicture(FPictures.Load(FSettings.PicsPath() + std::string(SeasonPictureNames[season])), HerdOverlays());
  Guarded([this] { FVillageImage->SetMaskFile(FSettings.PicsPath() + "village.map"); });
}

void TMainForm::PlaySeasonMusic() {
  const std::string& sounds = FSettings.SoundPath();
  if (FHotSpots.Indoor()) {
    FSound.PlayWave(sounds + HallSound, 1, 0, false, false);
    FSound.StopWave(2);
    return;
  }
  FSound.PlayWave(sounds + BustleSound, 1, SeasonMusicVolume, true, false);
  FSound.PlayWave(sounds + SeasonSoundName(FActions->Season()), 2, SeasonMusicVolume, true, false);
}

void TMainForm::ShowPageInBrowser(const std::string& path) {
  FSound.StopAllWaves();
  OpenBrowser(path);
}

// The browser is made the first time it is wanted, so that the title does not wait for it.
TBrowserWin* TMainForm::Browser() {
  if (FBrowser != nullptr) return FBrowser;
  FBrowser = new TBrowserWin(FSettings.PicsPath(), FPictures, FSink, this);
  FBrowser->SetPlayerPage(FBookmarkFile);
  connect(FBrowser, &TBrowserWin::Activated, this, [this] { FSound.StopAllWaves(); });
  connect(FBrowser, &TBrowserWin::Deactivated, this, [this] {
    if (MainPanelShown() && (ShownPage() == TPage::Main || ShownPage() == TPage::Council)) PlaySeasonMusic();
  });
  // Without a window manager the keyboard would stay with the closed browser.
  connect(FBrowser, &TBrowserWin::Closed, this, [this] { activateWindow(); });
  return FBrowser;
}

// A browser opened for the first time, or after it was closed, comes up over the top left
// of the game rather than wherever the system puts new windows: it covers the pages from
// their top, the season label with them, so that nothing of the page behind shows above it.
void TMainForm::OpenBrowser(const std::string& path) {
  TBrowserWin* browser = Browser();
  browser->SetLayout(GameLayout());
  if (!browser->isVisible()) browser->move(FView->viewport()->mapToGlobal(FView->Scale().Offset));
  browser->ShowPage(path);
}

void TMainForm::SetBookmarkFile(const std::string& path) {
  FBookmarkFile = path;
  if (FBrowser != nullptr) FBrowser->SetPlayerPage(FBookmarkFile);
}

void TMainForm::EnterIndoor() {
  FHotSpots.SetIndoor(true);
  PlaySeasonMusic();
  FVillageImage->SetPicture(FPictures.Load(FSettings.PicsPath() + "indoor.bmp"));
  Guarded([this] { FVillageImage->SetMaskFile(FSettings.PicsPath() + "indoor.map"); });
}

void TMainForm::LeaveIndoor() {
  FHotSpots.SetIndoor(false);
  ShowVillageSeason(FActions->Season());
}

void TMainForm::VillageImageMouseMove(QPoint at) {
  const std::uint8_t zone = FVillageImage->ZoneAt(at.x(), at.y());
  const TPointerReaction reaction = FHotSpots.Move(zone, FActions->Season());
  if (reaction.Pointer) {
    FVillageImage->setCursor(*reaction.Pointer == TPointerShape::Help ? Qt::WhatsThisCursor : Qt::ArrowCursor);
  }
  if (reaction.Sound.Kind == TSpotSound::TKind::Stop) FSound.StopWave(4);
  if (reaction.Sound.Kind == TSpotSound::TKind::Play) {
    FSound.PlayWave(FSettings.SoundPath() + reaction.Sound.File, 4, 0, false, false);
  }
  if (!FHotSpots.Indoor()) {
    const TBustleVolumes volumes = BustleVolumesAt(at.y(), FVillageImage->height());
    FSound.SetWaveVolume(1, volumes.Bustle);
    FSound.SetWaveVolume(2, volumes.Season);
  }
}

void TMainForm::VillageImageMouseUp(QPoint at) {
  const TSpotClick click = FHotSpots.Click(FVillageImage->ZoneAt(at.x(), at.y()));
  if (click.Kind == TSpotClick::TKind::EnterIndoor) EnterIndoor();
  if (click.Kind == TSpotClick::TKind::Page) ShowPageInBrowser(FSettings.HtmlFile(click.Page));
}

void TMainForm::BtnVillageClick() {
  FSound.PlayClick();
  if (FHotSpots.Indoor() && ShownPage() == TPage::Main) LeaveIndoor();
  FPageControl->setCurrentIndex(static_cast<int>(TPage::Main));
  PlaySeasonMusic();
}

void TMainForm::BtnSurfClick() {
  FSound.PlayClick();
  OpenBrowser(FBookmarkFile);
}

void TMainForm::BtnCouncilClick() {
  FSound.PlayClick();
  FPageControl->setCurrentIndex(static_cast<int>(TPage::Council));
}

void TMainForm::BtnWorkClick() {
  FSound.PlayClick();
  FPageControl->setCurrentIndex(static_cast<int>(TPage::Work));
  FPageControl->currentWidget()->setFocus();
  FWorkAreaSound = TWorkAreaSound();
  FSound.StopAllWaves();
}

void TMainForm::WorkPageMouseMove(int x, int y) {
  const TWorkAreaSound::TAction action = FWorkAreaSound.Move(x, y);
  if (action.Kind == TWorkAreaSound::TAction::TKind::Play) {
    FSound.PlayWave(FSettings.SoundPath() + action.Sound, 1, 0, true, false);
  } else if (action.Kind == TWorkAreaSound::TAction::TKind::Stop) {
    FSound.StopWave(1);
  }
}

void TMainForm::BtnSlaktClick() {
  FSound.PlayClick();
  FPageControl->setCurrentIndex(static_cast<int>(TPage::Cattle));
  FPageControl->currentWidget()->setFocus();
  FSound.StopAllWaves();
}

void TMainForm::BtnFileClick() {
  FSound.PlayClick();
  FArkiv->SetGame(FSettings.GamePath(), FSettings.ChiefName);
  FArkiv->SetLayout(GameLayout());
  switch (FArkiv->exec()) {
    case TArkivForm::ExitResult:
      Guarded([this] { FActions->LeaveGame(); });
      StartOutro();
      break;
    case TArkivForm::SaveResult: {
      const std::string file = FArkiv->SaveFileName();
      bool saved = false;
      Guarded([this, &file, &saved] { saved = FActions->SaveGame(file); });
      if (saved) FSink.ShowMessage(Tr(GameSavedText));
      break;
    }
    case TArkivForm::LoadResult: {
      const std::string file = FArkiv->OpenFileName();
      bool loaded = false;
      Guarded([this, &file, &loaded] { loaded = FActions->LoadGame(file); });
      if (loaded) ShowGame();
      break;
    }
    default: break;
  }
}

void TMainForm::StartOutro() {
  // The outro player lies outside the game: it is started when it is found, beside the
  // program or on the search path, and the game closes either way.
  const QString folder = QString::fromStdString(ResolvePath(FSettings.ProgramFolder()));
  QString player = QStandardPaths::findExecutable(OutroPlayer, {folder.isEmpty() ? "." : folder});
  if (player.isEmpty()) player = QStandardPaths::findExecutable(OutroPlayer);
  if (!player.isEmpty()) QProcess::startDetached(player, {QString::fromStdString(FSettings.ProgramFolder() + "outro.ml3")});
  QApplication::processEvents();
  close();
}

}  // namespace fjordheim
