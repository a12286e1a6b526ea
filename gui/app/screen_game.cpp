#include "gui/app/screen_game.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "core/common/path_resolver.h"
#include "core/game/chief_page_title.h"
#include "core/game/food_status.h"
#include "core/game/score_file.h"
#include "core/game/slaughter_yield.h"
#include "core/game/village_herds.h"
#include "core/settings/ini_file.h"
#include "core/trade/market_settings.h"
#include "core/trade/market_visit.h"
#include "core/work/work_places.h"
#include "gui/app/main_form.h"
#include "gui/controls/forecast_line.h"
#include "gui/controls/picture_button.h"
#include "gui/council/council_image.h"
#include "gui/dialogs/catastrophe_dlg.h"
#include "gui/dialogs/chronicle_form.h"
#include "gui/dialogs/decision_form.h"
#include "gui/dialogs/popup_form.h"
#include "gui/dialogs/question_box.h"
#include "gui/dialogs/score_form.h"
#include "gui/dialogs/seas_dlg.h"
#include "gui/dialogs/season_report_form.h"
#include "gui/dialogs/status_form.h"
#include "gui/trade/market_form.h"
#include "gui/trade/qt_connection_port.h"
#include "gui/trade/qt_scheduler.h"
#include "gui/work/creature.h"
#include "gui/work/creature_container.h"
#include "gui/work/creature_divider.h"
#include "gui/work/human.h"
#include "gui/work/human_container.h"
#include "gui/work/human_container_ii.h"
#include "gui/work/human_divider.h"

namespace fjordheim {

TScreenGame::TScreenGame(TMainForm& form, TSettings& settings, TRandom& random, TMessageSink& sink)
    : FForm(form),
      FSettings(settings),
      FRandom(random),
      FSink(sink),
      FController(settings, random, *this, sink) {
  const std::string& pics = FSettings.PicsPath();
  FSmallHumans = CreatePictureList(qRgb(255, 0, 255), {"rboy", "rgirl"}, pics, FForm.Pictures());
  FReportCattle = CreatePictureList(qRgb(255, 0, 255), {"rcow", "rpig", "rsheep", "rhen"}, pics, FForm.Pictures());
  FStatusCattle =
      CreatePictureList(qRgb(255, 0, 255), {"scow", "spig", "ssheep", "shen", "sperson"}, pics, FForm.Pictures());
  FFoodPictures = CreatePictureList(qRgb(255, 0, 255), {"sfood"}, pics, FForm.Pictures());
}

// The pages of the game are made with the first game, not before the title: the title
// comes up sooner and a player who only looks at it never loads their pictures.
void TScreenGame::BuildPagesOnce() {
  if (FCouncil != nullptr) return;
  BuildCouncilPage();
  BuildWorkPage();
  BuildSlaughterPage();
}

// The figures leave their pages before the pages go with the main window.
TScreenGame::~TScreenGame() { FiguresCleared(); }

void TScreenGame::BuildCouncilPage() {
  QWidget* page = FForm.PageWidget(TMainForm::TPage::Council);
  FCouncil = new TCouncilImage(page, FController.Advice(), &FForm.BubblePictures(),
                               Picture(FSettings.PicsPath() + "Consult.bmp"));
  FCouncil->setGeometry(page->rect());
  FCouncil->OnAdvice = [this](const TAdviceNode& advice) {
    FForm.RunGuarded([this, &advice] { FController.HearAdviser(static_cast<int>(advice.Area)); });
  };
  FCouncil->OnAllHeard = [this] { FForm.RunGuarded([this] { FController.AllAdvisersHeard(); }); };
  FCouncil->SetConcerns([this](TAdviceArea area) { return FController.CouncilConcerns().Of(area); });
  FCouncil->OnChiefSound = [this](const std::string& file) {
    FForm.Sound().PlayWave(FSettings.SoundPath() + file, 1, 0, false, false);
  };
}

void TScreenGame::BuildWorkPage() {
  QWidget* page = FForm.PageWidget(TMainForm::TPage::Work);
  FWork = new THumanDivider(page, Picture(FSettings.PicsPath() + "WorkDiv.bmp"));
  FWork->move(0, 0);
  // The page hands the keyboard on, so that the keys work as soon as the page is shown.
  page->setFocusProxy(FWork);
  for (const TWorkPlace& place : WorkPlaces) {
    FWork->AddContainer(std::make_unique<THumanContainer>(FWork, place.Bounds, place.Kind));
  }
  FWork->AddContainer(std::make_unique<THumanContainerII>(FWork, IdleStripBounds, TWorkKind::Idle));
  FWork->OnPointerMove = [this](int x, int y) { FForm.RunGuarded([this, x, y] { FForm.WorkPageMouseMove(x, y); }); };
  FWork->OnSetWork = [this](THumanInfo& person, TWorkKind work) {
    FForm.RunGuarded([this, &person, work] { SetWorkOf(person, work); });
  };
  // Right of the work places, where nothing is dropped and the key help below stays clear;
  // the pointer passes through to the page.
  FForecastLine = new TForecastLine(page);
  const TWorkRect& cattle = WorkPlaces[1].Bounds;
  const TWorkRect& household = WorkPlaces[2].Bounds;
  FForecastLine->SetColumn(QRect(QPoint(cattle.Right + 4, cattle.Top), QPoint(FWork->width() - 4, household.Bottom)));
  FForecastLine->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TScreenGame::BuildSlaughterPage() {
  QWidget* page = FForm.PageWidget(TMainForm::TPage::Cattle);
  FSlaughter = new TCreatureDivider(page, Picture(FSettings.PicsPath() + "SlaughtD.bmp"));
  FSlaughter->move(0, 0);
  page->setFocusProxy(FSlaughter);
  FSlaughter->AddContainer(std::make_unique<TCreatureContainer>(FSlaughter, AnimalPenBounds, true, false));
  FSlaughter->AddContainer(std::make_unique<TCreatureContainer>(FSlaughter, SlaughterPenBounds, false, true));
  FSlaughter->OnMark = [this](TCreature& animal) {
    bool marked = false;
    FForm.RunGuarded([this, &animal, &marked] { marked = Mark(animal); });
    return marked;
  };
  // Between the slaughter table and the key help, where nothing is dropped and nothing is
  // drawn; the pointer passes through to the page.
  FSlaughterLine = new QLabel(page);
  const QRect help = FSlaughter->KeyHelpRect();
  FSlaughterLine->setGeometry(SlaughterPenBounds.Left, SlaughterPenBounds.Bottom + 1, 490,
                              help.top() - SlaughterPenBounds.Bottom - 2);
  FSlaughterLine->setTextFormat(Qt::PlainText);
  FSlaughterLine->setWordWrap(true);
  FSlaughterLine->setAlignment(Qt::AlignCenter);
  QFont bigger = FSlaughterLine->font();
  bigger.setPixelSize(11);
  bigger.setBold(true);
  FSlaughterLine->setFont(bigger);
  FSlaughterLine->setStyleSheet("QLabel { background: rgba(250, 244, 226, 235); color: #2a1e0e; border: 2px solid #8a5a2b;"
                                " border-radius: 5px; padding: 0px 6px; }");
  FSlaughterLine->setAttribute(Qt::WA_TransparentForMouseEvents);
  FSlaughterLine->hide();
}

void TScreenGame::UpdateSlaughterLine() {
  if (FSlaughterLine == nullptr) return;
  const QString text = QString::fromStdString(TSlaughterYield(FController.MarkedAnimals()).MarkedLine());
  FSlaughterLine->setText(text);
  FSlaughterLine->setVisible(!text.isEmpty());
}

QPixmap TScreenGame::Picture(const std::string& path) {
  return path.empty() ? QPixmap() : QPixmap::fromImage(FForm.Pictures().Load(path));
}

void TScreenGame::SetWorkOf(const THumanInfo& person, TWorkKind work) {
  for (const THumanFigure& figure : FController.HumanFigures()) {
    if (figure.Person != &person) continue;
    const TChoiceOutcome outcome = FController.SetWork(figure.Id, work);
    if (!outcome.Accepted) {
      // The page moved the figure already; it goes back to the work the person keeps.
      HumanFigureShownAt(figure.Id, person.Work);
      WorkPageArranged();
    }
    UpdateFoodGauge();
    Tell(outcome);
    return;
  }
}

bool TScreenGame::Mark(const TCreature& animal) {
  for (const auto& [id, icon] : FAnimals) {
    if (icon.get() != &animal) continue;
    FPageMarks = true;
    const TChoiceOutcome outcome = FController.MarkForSlaughter(id);
    FPageMarks = false;
    UpdateFoodGauge();
    Tell(outcome);
    return outcome.Accepted;
  }
  return false;
}

void TScreenGame::Tell(const TChoiceOutcome& outcome) {
  if (!outcome.Message.empty()) ShowMessage(outcome.Message);
}

void TScreenGame::NewGame() {
  BuildPagesOnce();
  FController.NewGame(FSettings.ChiefName, FSettings.ChiefFace, FSettings.StartChoice);
}

bool TScreenGame::LoadGame(const std::string& path) {
  BuildPagesOnce();
  return FController.LoadGame(path);
}
bool TScreenGame::SaveGame(const std::string& path) { return FController.SaveGame(path); }
void TScreenGame::ChangeSeason() { FController.BtnChgSeasonClick(); }
void TScreenGame::TakeDecisions() { FController.TakeDecisions(); }
void TScreenGame::LeaveGame() { FController.Leave(); }
TSeason TScreenGame::Season() const { return FController.Village().Season; }
std::string TScreenGame::StatusCaption() const { return FController.InGame() ? FController.StatusCaption() : std::string(); }
std::string TScreenGame::BookmarkFile() const { return FController.InGame() ? FController.BookmarkFile() : std::string(); }

std::optional<TChief> TScreenGame::Chief() const {
  if (!FController.InGame()) return std::nullopt;
  return TChief{FController.ChiefName(), FController.ChiefFace()};
}

std::optional<TGuideFacts> TScreenGame::GuideFacts(TGuidePlace place) const {
  if (!FController.InGame()) return std::nullopt;
  return TGuideFacts::Of(FController, place);
}

TVillageStatusForm& TScreenGame::StatusForm() {
  if (FStatus != nullptr) return *FStatus;
  const std::string& pics = FSettings.PicsPath();
  TStatusPictures pictures;
  pictures.SmallCattle = &FStatusCattle;
  pictures.Goods = &FForm.GoodsPictures();
  pictures.Food = &FFoodPictures;
  pictures.Thermometer = FForm.Pictures().Load(pics + "thermo.bmp");
  const char* animals[] = {"stcow.bmp", "stpig.bmp", "stsheep.bmp", "sthen.bmp"};
  for (std::size_t kind = 0; kind < pictures.BigAnimals.size(); ++kind) {
    pictures.BigAnimals[kind] = FForm.Pictures().Load(pics + animals[kind]);
  }
  FStatus = new TVillageStatusForm(&FForm, pictures, FForm.GameLayout());
  FStatus->ChronicleButton()->show();
  QObject::connect(FStatus->ChronicleButton(), &QPushButton::clicked, FStatus,
                   [this] { FForm.RunGuarded([this] { ShowChronicle(); }); });
  return *FStatus;
}

void TScreenGame::OpenStatus(bool atFood) {
  if (!FController.InGame()) return;
  TVillageStatusForm& status = StatusForm();
  const TRatingFactors factors = FController.RatingFactors();
  status.SetVillage(&FController.Village());
  status.SetVillageFactor(factors.Survival);
  status.SetTradeFactor(factors.Trade);
  status.SetChiefFactor(factors.Standing);
  status.SetReasons(FController.LastSeasonWhy().Joined());
  status.SetForecast(FController.Forecast());
  status.Update();
  if (atFood) status.ShowTab(TVillageStatusForm::TTab::Food);
  status.exec();
}

// The markets are read afresh for every visit, so every visit starts from the goods the
// settings give the computer merchants.
void TScreenGame::VisitMarket() {
  if (!FController.InGame()) return;
  TMarketSettingsRead read = ReadMarketSettings(FSettings.SettingsIni());
  if (!read.Message.empty()) ShowMessage(read.Message);
  TQtScheduler scheduler(FSink);
  // The connections outlive the visit, whose client closes them as it is torn down.
  TQtConnectionPort connections;
  TMarketVisit visit(std::move(read.Settings), scheduler, FRandom);
  visit.UseNetwork(connections, FSink);
  {
    TMarketForm form(&FForm, TMarketWindowParts{FSettings.PicsPath(), FSettings.SoundPath(), FForm.Pictures(),
                                                FForm.BubblePictures(), FForm.GoodsPictures(), &FForm.Sound(), FRandom,
                                                FSink, FForm.GameLayout()});
    form.OpenMarket(visit, FController.ChiefName(), FController.ChiefFace(), FController.Village().Trade);
  }
  visit.Close();
  FController.MarketVisited(visit.Traded());
}

void TScreenGame::ShowVillageStatus() { OpenStatus(false); }

void TScreenGame::ShowChronicle() {
  if (!FController.InGame()) return;
  if (FChronicle == nullptr) {
    FChronicle = new TChronicleForm(&FForm, FForm.GameLayout());
    FChronicle->SetFolder(QString::fromStdString(ResolvePath(FSettings.GamePath())));
  }
  FChronicle->SetChronicle(FController.Chronicle());
  FChronicle->exec();
}

void TScreenGame::ShowFoodStatus() { OpenStatus(true); }

void TScreenGame::UpdateFoodGauge() {
  if (!FController.InGame()) return;
  const TSeasonForecast& forecast = FController.Forecast();
  FForm.SetFoodGauge(TFoodStatus(FController.Village(), forecast), forecast, FFoodPictures);
  if (FForecastLine != nullptr) FForecastLine->SetForecast(forecast);
  UpdateSlaughterLine();
}

void TScreenGame::PlayClick() { FForm.Sound().PlayClick(); }

void TScreenGame::PlayWave(const std::string& file, int channel, int volume, bool loop, bool wait) {
  FForm.Sound().PlayWave(file, channel, volume, loop, wait);
}

void TScreenGame::StopAllWaves() { FForm.Sound().StopAllWaves(); }
void TScreenGame::PlaySeasonMusic(TSeason) { FForm.PlaySeasonMusic(); }

void TScreenGame::ShowSeasonDialog(const std::string& line1, const std::string& line2) {
  TSeasDlg dialog(&FForm, Picture(FSettings.PicsPath() + "seasdlg.bmp"), FForm.GameLayout());
  dialog.SetMissing(QString::fromStdString(line1), QString::fromStdString(line2));
  dialog.exec();
}

void TScreenGame::ShowCatastrophe(const TCatastNode& event, const std::string& picture) {
  TCatastDlg dialog(&FForm, event, Picture(picture), FForm.GameLayout());
  dialog.exec();
}

void TScreenGame::ShowSeasonReport(const TSeasonReport& report) {
  TSeasonInfoForm form(&FForm, &FSmallHumans, &FReportCattle, FForm.GameLayout());
  form.FillReport(report);
  FForm.ExecWithGuide(form);
}

int TScreenGame::ShowTip(const TTip& tip, const std::string& picture) {
  TPopupForm popup(&FForm, tip, Picture(picture), FForm.GameLayout());
  return popup.exec() == TPopupForm::ReadMore ? TPopupForm::ReadMore : TPopupForm::Close;
}

void TScreenGame::ShowPage(const std::string& page) { FForm.ShowPageInBrowser(page); }

void TScreenGame::ShowScoreList(const TScoreOutcome& outcome) {
  TScoreForm form(&FForm, outcome, FForm.GameLayout());
  form.exec();
}

bool TScreenGame::RunDecisionWindow(TDecisionBoard& board) {
  TDecisionForm form(&FForm, FRandom, FForm.GameLayout(), &board);
  form.OnMessage = [this](const QString& message) { FSink.ShowMessage(message.toStdString()); };
  return form.Execute();
}

void TScreenGame::ShowMessage(const std::string& text) { FSink.ShowMessage(text); }

bool TScreenGame::AskYesNo(const std::string& text) {
  return fjordheim::AskYesNo(&FForm, QString::fromStdString(text), FForm.GameLayout());
}

void TScreenGame::SetButtonVisible(TGameButton button, bool visible) {
  TMainForm::TButton which = TMainForm::TButton::Work;
  switch (button) {
    case TGameButton::Work: which = TMainForm::TButton::Work; break;
    case TGameButton::Slaughter: which = TMainForm::TButton::Slakt; break;
    case TGameButton::Decisions: which = TMainForm::TButton::Beslut; break;
    case TGameButton::Trade: which = TMainForm::TButton::Trade; break;
  }
  FForm.Button(which)->setVisible(visible);
}

// The caption and the picture change after every new, loaded or changed season, and so may the food.
void TScreenGame::SetStatusCaption(const std::string& caption) {
  FForm.SetStatusCaption(caption);
  UpdateFoodGauge();
}

void TScreenGame::SetStatusPicture(int index) {
  FForm.SetStatusPicture(index);
  UpdateFoodGauge();
}

void TScreenGame::ShowVillagePicture(const std::string& picture, const std::string& zoneMap) {
  std::vector<std::string> herds;
  for (const std::string& herd : VillageHerdPictures(FController.Village().Animals)) herds.push_back(FSettings.PicsPath() + herd);
  FForm.SetVillageHerds(std::move(herds));
  FForm.ShowVillagePicture(picture, zoneMap);
}

void TScreenGame::ShowMainPage() { FForm.ShowPage(TMainForm::TPage::Main); }
void TScreenGame::ShowMainPanel() { FForm.ShowMainPanel(); }

// The chief in the council is the one the player made: his chosen face takes the seat.
void TScreenGame::ShowCouncilPicture(const std::string& picture) {
  FCouncil->SetBackground(Picture(picture));
  const std::string face = FSettings.PicsPath() + ChiefFacePicture(FController.ChiefFace());
  FCouncil->SetChiefPortrait(QFileInfo::exists(QString::fromStdString(ResolvePath(face))) ? FForm.Pictures().Load(face)
                                                                                          : QImage());
  FCouncil->update();
}

// The turn cycle has drawn the meeting's advice already; the view only shows it.
void TScreenGame::CouncilMeetingStarted() { FCouncil->BeginMeeting(); }
void TScreenGame::ShowIntroPanel() { FForm.ShowIntroPanel(); }

void TScreenGame::ShowDeposition(const std::string& picture, const std::string& text) {
  FForm.ShowDeposition(picture, text);
}

// The main window starts the outro itself once the leave has returned.
void TScreenGame::StartOutro() {}

void TScreenGame::HumanFigureAdded(TFigureId id, const THumanInfo& person) {
  for (const THumanFigure& figure : FController.HumanFigures()) {
    if (figure.Id != id || figure.Person != &person) continue;
    FHumans[id] = std::make_unique<THuman>(FWork, 0, 0, figure.Person, &FForm.PeoplePictures(), nullptr);
    return;
  }
}

void TScreenGame::HumanFigureShownAt(TFigureId id, TWorkKind work) {
  const auto found = FHumans.find(id);
  if (found == FHumans.end()) return;
  THuman* icon = found->second.get();
  if (!FWork->Icons().contains(icon)) FWork->AddIcon(icon);
  icon->SetContainer(FWork->ContainerOf(work));
}

void TScreenGame::HumanFigureLeftWork(TFigureId id) {
  const auto found = FHumans.find(id);
  if (found == FHumans.end()) return;
  found->second->SetContainer(nullptr);
  FWork->RemoveIcon(found->second.get());
}

void TScreenGame::HumanFigureRemoved(TFigureId id) {
  HumanFigureLeftWork(id);
  FHumans.erase(id);
}

void TScreenGame::AnimalFigureAdded(TFigureId id, TAnimalKind kind) {
  TCustomContainer* pen = FSlaughter->Containers().front().get();
  auto icon = std::make_unique<TCreature>(FSlaughter, 0, 0, kind, &FForm.AnimalPictures(), pen);
  FSlaughter->AddIcon(icon.get());
  FAnimals[id] = std::move(icon);
}

void TScreenGame::AnimalFigureMarked(TFigureId id) {
  if (FPageMarks) return;
  const auto found = FAnimals.find(id);
  if (found != FAnimals.end()) found->second->SetContainer(FSlaughter->SlaughterContainer());
  UpdateSlaughterLine();
}

void TScreenGame::AnimalFigureRemoved(TFigureId id) {
  const auto found = FAnimals.find(id);
  if (found == FAnimals.end()) return;
  found->second->SetContainer(nullptr);
  FSlaughter->RemoveIcon(found->second.get());
  FAnimals.erase(found);
}

void TScreenGame::WorkPageArranged() {
  for (const auto& container : FWork->Containers()) container->Arrange();
  FWork->update();
}

void TScreenGame::AnimalPenArranged() {
  for (const auto& container : FSlaughter->Containers()) container->Arrange();
  FSlaughter->update();
}

void TScreenGame::FiguresCleared() {
  if (FWork == nullptr) return;
  for (auto& [id, icon] : FHumans) {
    icon->SetContainer(nullptr);
    FWork->RemoveIcon(icon.get());
  }
  FHumans.clear();
  for (auto& [id, icon] : FAnimals) {
    icon->SetContainer(nullptr);
    FSlaughter->RemoveIcon(icon.get());
  }
  FAnimals.clear();
  FWork->update();
  FSlaughter->update();
}

}  // namespace fjordheim
