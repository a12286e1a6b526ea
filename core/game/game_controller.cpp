#include "core/game/game_controller.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <limits>
#include <optional>
#include <unordered_set>
#include <utility>

#include "core/common/atomic_file.h"
#include "core/common/lines.h"
#include "core/common/path_resolver.h"
#include "core/game/saved_game.h"
#include "core/game/score_file.h"
#include "core/game/season_report.h"
#include "core/game/season_why.h"
#include "core/pages/bookmark_file.h"
#include "core/settings/name_tables.h"

namespace fjordheim {

namespace {

constexpr std::int32_t StandingLimit = 20;
constexpr std::uint16_t FirstYear = 852;

bool IsWorkingAge(const THumanInfo& person) { return person.IsYouth() || person.IsAdult(); }

bool FileExists(const std::string& gamePath) {
  std::error_code error;
  return std::filesystem::is_regular_file(ResolvePath(gamePath), error);
}

std::int32_t ScoreOf(const TVillage& village) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(village.Score(), std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

// The popup counters come from a saved file and may stand at the top of their range.
void CountUp(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

std::string AdvicePath(const TSettings& settings) { return settings.DataFile("advice.txt"); }

// FNV-1a over the bytes of each value the forecast reads.
class TKeyHash {
 public:
  template <typename TValue>
  void Add(const TValue& value) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof(TValue); ++i) FHash = (FHash ^ bytes[i]) * 1099511628211ULL;
  }
  // Extended floats carry padding bytes of no value; their double is hashed instead.
  void Add(long double value) { Add(static_cast<double>(value)); }
  std::uint64_t Value() const { return FHash; }

 private:
  std::uint64_t FHash = 14695981039346656037ULL;
};

}  // namespace

TGameController::TGameController(const TSettings& settings, TRandom& random, TGameView& view, TMessageSink& sink)
    : FSettings(settings),
      FRandom(random),
      FView(view),
      FSink(sink),
      FAdvice(std::make_unique<TAdviceGenerator>(AdvicePath(settings), sink)),
      FCatastropheCheck(FCatastQueue, random, settings.CatastrophyRandom(), settings.CatastrophyPeriod()),
      FTips(TPopupTips::FromFile(settings.PopupFilePath())),
      FWarnings(!settings.WarningsOff()) {
  ReadDecisionsAndEvents();
}

void TGameController::ReadContent() {
  FAdvice = std::make_unique<TAdviceGenerator>(AdvicePath(FSettings), FSink);
  FTips = TPopupTips::FromFile(FSettings.PopupFilePath());
  ReadDecisionsAndEvents();
}

void TGameController::ReadDecisionsAndEvents() {
  for (int index = 0; index < AdviceSeasonCount; ++index) {
    const auto season = static_cast<TAdviceSeason>(index);
    FDecisions[static_cast<std::size_t>(index)] =
        std::make_unique<TDecisionGenerator>(FSettings.DataFile(DecisionFileNames[season]), FRandom, FSink);
  }
  FCatastQueue.ReadFile(FSettings.DataFile("Catasts.txt"), FSink, FRandom);
}

TGameController::~TGameController() = default;

// ---------------------------------------------------------------------------------------------
// Starting, loading, saving and leaving

void TGameController::NewGame(const std::string& chiefName, std::int32_t chiefFace, int startChoice) {
  FreeVillageView();
  FVillage = TVillage::CreateForLand(startChoice, FRandom);
  InstallCallbacks();
  FChiefName = chiefName;
  FChiefFace = chiefFace;
  FBookmarkFile = BookmarkFilePath(FSettings.BookmPath(), chiefName);
  FChiefStanding = 0;
  FPopupSeasonCounter = 0;
  FPopupIndex = 0;
  FCatastropheCheck.NewGame();
  FChronicle.Clear();
  FStoreBurntBefore = 0;
  FLastWhy = {};
  FInGame = true;
  FDeposed = false;
  FAutosaveFailed = false;
  BuildVillageView();
  UpdateStatusIcon();
  UpdateTradeButton();
  FView.ShowMainPanel();
  FView.SetStatusCaption(StatusCaption());
  FView.ShowMainPage();
  FView.ShowCouncilPicture(FSettings.PicsPath() + "Consult.bmp");
  FView.PlaySeasonMusic(FVillage.Season);
}

bool TGameController::LoadGame(const std::string& path) {
  TSavedGame saved;
  try {
    saved = LoadSavedGame(ResolvePath(path));
  } catch (const std::exception& error) {
    // The whole file is read before anything of the game in play is touched.
    FView.ShowMessage(error.what());
    return false;
  }
  FreeVillageView();
  FVillage = std::move(saved.Village);
  InstallCallbacks();
  FChiefName = saved.ChiefName;
  FChiefFace = saved.ChiefFace;
  FChiefStanding = ClampedStanding(saved.ChiefStanding);
  FPopupSeasonCounter = saved.PopupSeasonCounter;
  FPopupIndex = saved.PopupIndex;
  FCatastropheCheck.Countdown = saved.CatastropheCountdown;
  FCatastropheCheck.SpecialSituation = TSpecialSituation::None;
  FBookmarkFile = BookmarkFilePath(FSettings.BookmPath(), FChiefName);
  LoadChronicleBeside(path);
  FStoreBurntBefore = 0;
  FLastWhy = {};
  FInGame = true;
  FDeposed = false;
  FAutosaveFailed = false;
  BuildVillageView();
  FTradedThisYear = saved.TradedThisYear;
  UpdateTradeButton();
  FView.ShowMainPanel();
  FView.SetStatusCaption(StatusCaption());
  FView.ShowMainPage();
  FView.PlaySeasonMusic(FVillage.Season);
  UpdateStatusIcon();
  FView.ShowCouncilPicture(FSettings.PicsPath() + (FVillage.Season == TSeason::Winter ? "WConsult.bmp" : "Consult.bmp"));
  TScoreFile(TScoreFile::PathIn(FSettings.GamePath())).RemoveEntry(FChiefName, ScoreOf(FVillage), FSink);
  return true;
}

TSavedGame TGameController::SavedGame() const {
  TSavedGame game;
  game.ChiefName = FChiefName;
  game.ChiefFace = FChiefFace;
  game.ChiefStanding = FChiefStanding;
  game.PopupSeasonCounter = FPopupSeasonCounter;
  game.PopupIndex = FPopupIndex;
  game.CatastropheCountdown = FCatastropheCheck.Countdown;
  game.TradedThisYear = FTradedThisYear;
  game.Village = FVillage;
  return game;
}

bool TGameController::SaveGame(const std::string& path) {
  if (!FInGame) return false;
  FPlayerSaves.insert(ResolvePath(path));
  try {
    SaveSavedGame(path, SavedGame());
  } catch (const std::exception& error) {
    FView.ShowMessage(error.what());
    return false;
  }
  const std::string chronicle = TChronicle::PathBeside(path);
  if (!WriteFileAtomically(chronicle, FChronicle.ToCsv())) FView.ShowMessage(Tr("Kan ikke åpne filen: {0}", chronicle));
  return true;
}

// A loaded game goes on with the history kept beside it; without one, or with a damaged one,
// it starts a fresh history and the game is loaded all the same.
void TGameController::LoadChronicleBeside(const std::string& savedGame) {
  FChronicle.Clear();
  const std::string path = TChronicle::PathBeside(savedGame);
  if (!FileExists(path)) return;
  std::string csv;
  std::optional<TChronicleRead> read;
  if (ReadWholeFile(path, csv)) read = TChronicle::FromCsv(csv);
  if (!read || !read->Ok) {
    // Translators: {0} is the path of the chronicle's file.
    FView.ShowMessage(Tr("Krøniken til spillet er skadet, så den begynner på nytt: {0}", path));
    return;
  }
  FChronicle = std::move(read->Chronicle);
}

void TGameController::Leave() {
  if (!FInGame) return;
  if (FVillage.Year > FirstYear) ShowScoreList();
  FreeVillageView();
  FInGame = false;
  FView.StartOutro();
}

// ---------------------------------------------------------------------------------------------
// The change of season

bool TGameController::CanChangeSeason() {
  std::vector<std::string> missing;
  if (!FCouncilHeld) missing.push_back(Tr(HoldCouncilText));
  if (!FDecisionsTaken) missing.push_back(Tr(TakeDecisionsText));
  if (missing.empty()) return true;
  FView.ShowSeasonDialog(missing[0], missing.size() > 1 ? missing[1] : std::string());
  return false;
}

TSeasonChange TGameController::BtnChgSeasonClick() {
  FView.PlayClick();
  if (!FInGame || !CanChangeSeason() || !GoOnDespiteForecast()) return TSeasonChange::Refused;
  SlaughterMarked();
  RemoveSlaughtered();
  FCatastropheCheck.CountDown();
  const TSeason ending = FVillage.Season;
  const TCatastNode* shown =
      FCatastropheCheck.CheckCatastrophe(ending, FVillage, [this](const TCatastNode& event) { ShowEvent(event); });
  const std::string eventName = shown ? (shown->Heading.empty() ? shown->Key : shown->Heading) : std::string();
  FSeasonInfo.Season = ending;
  FEndingYear = FVillage.Year;
  FVillage.ChangeSeason(FRandom);
  UpdateStatusIcon();
  SetButton(TGameButton::Work, false);
  SetButton(TGameButton::Slaughter, false);
  SetButton(TGameButton::Decisions, false);
  UpdateTradeButton();
  FCouncilHeld = false;
  FDecisionsTaken = false;
  FTradedThisYear = TradeFlagAfter(FVillage.Season, FTradedThisYear);
  RefreshWorkPool();
  FView.AnimalPenArranged();
  FView.SetStatusCaption(StatusCaption());
  RecordChronicle(eventName);
  const bool deposed = DeposedAfterChange(FVillage, FChiefStanding, FTradedThisYear);
  ShowSeasonReport(deposed);
  FSeasonInfo.Clear();
  StartMeeting(AdviceSeasonOf(FVillage.Season, FCatastropheCheck.SpecialSituation));
  FCatastropheCheck.SpecialSituation = TSpecialSituation::None;
  ShowVillagePicture();
  FView.ShowMainPage();
  if (deposed) {
    Depose();
    return TSeasonChange::Deposed;
  }
  if (FVillage.Season == TSeason::Winter) FView.ShowCouncilPicture(FSettings.PicsPath() + "WConsult.bmp");
  if (FVillage.Season == TSeason::Spring) FView.ShowCouncilPicture(FSettings.PicsPath() + "Consult.bmp");
  PopupStep();
  FVillage.AddRating(static_cast<float>(ChiefRating(true)));
  FView.PlaySeasonMusic(FVillage.Season);
  Autosave();
  return TSeasonChange::Changed;
}

bool TGameController::GoOnDespiteForecast() {
  if (!FWarnings) return true;
  const TSeasonForecast& forecast = Forecast();
  if (!forecast.Danger()) return true;
  return FView.AskYesNo(forecast.WarningText());
}

void TGameController::ShowSeasonReport(bool deposed) {
  TSeasonReport report(FSeasonInfo);
  const TSeasonWhy why = TSeasonWhy::Of(FVillage, FSeasonInfo, FStoreBurntBefore);
  FLastWhy = why;
  FStoreBurntBefore = FVillage.LastStep.StoreBurnt;
  report.PeopleWhy = why.People;
  report.AnimalsWhy = why.Animals;
  report.CropWhy = why.Crop;
  if (deposed) report.DepositionWhy = DepositionCause();
  FView.ShowSeasonReport(report);
}

std::string TGameController::DepositionCause() const {
  const TRatingFactors factors = RatingFactors();
  return TSeasonWhy::DepositionCause(factors.Standing, factors.Survival, factors.Trade, FTradedThisYear,
                                     FVillage.People.empty());
}

TAnimalCounts TGameController::MarkedAnimals() const {
  TAnimalCounts marked{};
  for (std::size_t kind = 0; kind < FAnimalFigures.size(); ++kind) {
    marked[kind] = static_cast<std::uint16_t>(
        std::count_if(FAnimalFigures[kind].begin(), FAnimalFigures[kind].end(), [](const TAnimalFigure& figure) {
          return figure.Marked;
        }));
  }
  return marked;
}

void TGameController::SlaughterMarked() {
  const TAnimalCounts marked = MarkedAnimals();
  FVillage.Slaughter(marked[0], marked[1], marked[2], marked[3]);
  FSeasonInfo.AnimalsSlaughtered = marked;
}

// ---------------------------------------------------------------------------------------------
// The forecast

const TSeasonForecast& TGameController::Forecast() const {
  const std::uint64_t key = ForecastKey();
  if (!FForecastPlayed || key != FForecastKey) {
    FForecast = FInGame ? TSeasonForecast::Of(FVillage, MarkedAnimals(), FChiefStanding, FTradedThisYear, FForecastLimits)
                        : TSeasonForecast();
    FForecastKey = key;
    FForecastPlayed = true;
  }
  return FForecast;
}

void TGameController::SetForecastLimits(const TForecastLimits& limits) {
  FForecastLimits = limits;
  FForecastPlayed = false;
}

// Everything the forecast reads, so that a change made anywhere (the work page, the
// slaughter page, the market, the decisions) plays it again, and nothing else does.
std::uint64_t TGameController::ForecastKey() const {
  TKeyHash hash;
  hash.Add(FInGame);
  hash.Add(FChiefStanding);
  hash.Add(FTradedThisYear);
  hash.Add(MarkedAnimals());
  hash.Add(FVillage.Season);
  hash.Add(FVillage.Year);
  hash.Add(FVillage.Food);
  hash.Add(FVillage.FoodStore);
  hash.Add(FVillage.FoodRatio);
  hash.Add(FVillage.CropGrowth);
  hash.Add(FVillage.Events);
  hash.Add(FVillage.Animals);
  hash.Add(FVillage.Trade.Goods);
  hash.Add(FVillage.Trade.Demands);
  hash.Add(FVillage.GoodsProduction);
  hash.Add(FVillage.People.size());
  for (const auto& person : FVillage.People) {
    hash.Add(person->Sex);
    hash.Add(person->Age);
    hash.Add(person->Work);
  }
  return hash.Value();
}

void TGameController::RemoveSlaughtered() {
  for (auto& figures : FAnimalFigures) {
    for (const TAnimalFigure& figure : figures) {
      if (figure.Marked) FView.AnimalFigureRemoved(figure.Id);
    }
    std::erase_if(figures, [](const TAnimalFigure& figure) { return figure.Marked; });
  }
}

void TGameController::ShowEvent(const TCatastNode& event) {
  FView.PlayWave(FSettings.SoundPath() + event.Sound, 1, 0, false, false);
  FView.ShowCatastrophe(event, FSettings.PicsPath() + event.Picture);
}

void TGameController::PopupStep() {
  CountUp(FPopupSeasonCounter);
  const std::int64_t due = static_cast<std::int64_t>(FSettings.PopupPeriod()) + FRandom.Random(FSettings.PopupRandom());
  if (FPopupSeasonCounter < due) return;
  CountUp(FPopupIndex);
  if (FPopupIndex > FSettings.PopupCount()) FPopupIndex = 0;
  FPopupSeasonCounter = 0;
  if (FPopupIndex == 0) return;
  const TTip tip = FTips.Tip(FPopupIndex, FSettings.PopupSections());
  const std::string picture = tip.Found ? FSettings.PicsPath() + tip.PictureName : std::string();
  constexpr int MoreInformation = 1;
  if (FView.ShowTip(tip, picture) != MoreInformation || tip.PageName.empty()) return;
  const std::string page = FSettings.HtmlFile(tip.PageName);
  if (FileExists(page)) FView.ShowPage(page);
}

void TGameController::Depose() {
  FView.ShowIntroPanel();
  ShowScoreList(DepositionCause());
  FreeVillageView();
  FInGame = false;
  FDeposed = true;
  FView.ShowDeposition(FSettings.PicsPath() + "Notaccep.bmp", Tr(DepositionText));
  FView.PlayWave(FSettings.SoundPath() + "boo.wav", 1, 0, false, false);
  if (FAutosave) WriteFileAtomically(ChroniclePath(), FChronicle.ToCsv());
}

void TGameController::ShowScoreList(const std::string& cause) {
  TScoreOutcome outcome =
      TScoreFile(TScoreFile::PathIn(FSettings.GamePath())).RecordGameEnd(FChiefName, ScoreOf(FVillage), FSink);
  outcome.Cause = cause;
  FView.ShowScoreList(outcome);
}

void TGameController::RecordChronicle(const std::string& event) {
  TChronicleRecord record;
  record.Season = FSeasonInfo.Season;
  record.Year = FEndingYear;
  for (int group = 0; group < PopulationGroupCount; ++group) {
    record.People[static_cast<std::size_t>(group)] = FVillage.CountOfGroup(static_cast<TPopulationGroup>(group));
  }
  record.Animals = FVillage.Animals;
  record.FoodRatio = FVillage.FoodRatio;
  record.FoodStore = FVillage.FoodStore;
  record.Goods = FVillage.Trade.Goods;
  record.Wants = FVillage.Trade.Demands;
  record.Births = FSeasonInfo.BornBySex;
  record.Deaths = FSeasonInfo.DeadByAgeGroup;
  record.Event = event;
  record.DecisionScore = FSeasonDecisionScore;
  record.Rating = FVillage.People.empty() ? 0 : ChiefRating(true);
  record.Judgement = JudgementOf(FVillage, FChiefStanding, FTradedThisYear);
  FChronicle.Add(std::move(record));
  FSeasonDecisionScore = 0;
}

void TGameController::Autosave() {
  if (!FAutosave) return;
  const std::string path = AutosavePath();
  bool written = WriteFileAtomically(ChroniclePath(), FChronicle.ToCsv());
  if (!FPlayerSaves.contains(ResolvePath(path))) {
    try {
      SaveSavedGame(path, SavedGame());
    } catch (const std::exception&) {
      written = false;
    }
  }
  // One message a game is enough: the player cannot mend the folder between two seasons.
  if (!written && !FAutosaveFailed) {
    FAutosaveFailed = true;
    FView.ShowMessage(Tr("Kan ikke åpne filen: {0}", path));
  }
}

// ---------------------------------------------------------------------------------------------
// The council and the decisions

void TGameController::StartMeeting(TAdviceSeason season) {
  FMeetingSeason = season;
  FHeard.fill(false);
  FAdvice->SelectAdvice(season, FRandom);
  FBoard.SetGenerator(FDecisions[static_cast<std::size_t>(season)].get(), FRandom);
  FView.CouncilMeetingStarted();
}

const TAdviceNode* TGameController::HearAdviser(int area) {
  if (!FInGame || area < 0 || area >= AdviceAreaCount) return nullptr;
  bool& heard = FHeard[static_cast<std::size_t>(area)];
  if (!heard) {
    heard = true;
    if (HeardCount() == AdviceAreaCount) OnAllHeard();
  }
  const TAdviceNode* advice = FAdvice->AdviceNode(area);
  if (advice && !advice->Sound.empty() && FileExists(FSettings.SoundFile(advice->Sound))) {
    FView.PlayWave(FSettings.SoundFile(advice->Sound), 1, 0, false, false);
  }
  return advice;
}

void TGameController::AllAdvisersHeard() {
  if (!FInGame || FCouncilHeld) return;
  FHeard.fill(true);
  OnAllHeard();
}

int TGameController::HeardCount() const { return static_cast<int>(std::count(FHeard.begin(), FHeard.end(), true)); }

bool TGameController::Heard(int area) const {
  return area >= 0 && area < AdviceAreaCount && FHeard[static_cast<std::size_t>(area)];
}

void TGameController::OnAllHeard() {
  SetButton(TGameButton::Work, true);
  SetButton(TGameButton::Slaughter, true);
  SetButton(TGameButton::Decisions, true);
  FCouncilHeld = true;
}

void TGameController::TakeDecisions() {
  FView.PlayClick();
  if (!FInGame) return;
  if (FDecisionsTaken) {
    FView.ShowMessage(Tr(DecisionsTakenText));
    return;
  }
  // A decision file without enough tasks leaves rows empty; the player is told what is missing.
  const std::vector<std::string> missing = SeasonDecisions().MissingTasks();
  if (!missing.empty()) {
    std::string text = Tr(MissingTasksText);
    for (const std::string& line : missing) text += "\n" + line;
    FView.ShowMessage(text);
  }
  FBoard.Open();
  if (!FView.RunDecisionWindow(FBoard) || !FBoard.Decided()) return;
  FChiefStanding = ClampedStanding(static_cast<std::int64_t>(FChiefStanding) + FBoard.Score());
  FSeasonDecisionScore = FBoard.Score();
  FDecisionsTaken = true;
  UpdateStatusIcon();
}

std::int32_t TGameController::ClampedStanding(std::int64_t standing) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(standing, -StandingLimit, StandingLimit));
}

TAdviceSeason TGameController::AdviceSeasonOf(TSeason season, TSpecialSituation situation) {
  if (situation == TSpecialSituation::Fire) return TAdviceSeason::Fire;
  if (situation == TSpecialSituation::Frost) return TAdviceSeason::Frost;
  switch (season) {
    case TSeason::Autumn: return TAdviceSeason::Autumn;
    case TSeason::Winter: return TAdviceSeason::Winter;
    case TSeason::Spring: return TAdviceSeason::Spring;
    case TSeason::Summer: break;
  }
  return TAdviceSeason::Summer;
}

// ---------------------------------------------------------------------------------------------
// The player's other choices

TChoiceOutcome TGameController::SetWork(TFigureId id, TWorkKind work) {
  THumanFigure* figure = FindHumanFigure(id);
  if (!FInGame || !figure || !figure->InWork) return {false, std::string()};
  if (static_cast<int>(work) >= WorkKindCount) return {false, std::string()};
  figure->Person->Work = work;
  FView.HumanFigureShownAt(id, work);
  return {};
}

TChoiceOutcome TGameController::MarkForSlaughter(TFigureId id) {
  TAnimalFigure* figure = FindAnimalFigure(id);
  // A marked animal is on its way to the slaughter; clicking it does nothing.
  if (!FInGame || !figure || figure->Marked) return {false, std::string()};
  figure->Marked = true;
  FView.AnimalFigureMarked(id);
  return {};
}

// A visit without a trade leaves the year's trade standing: the flag is cleared only by the
// change to spring, so the judgement never forgets a trade that was made.
void TGameController::MarketVisited(bool traded) {
  if (!FInGame || !traded) return;
  FTradedThisYear = true;
  SetButton(TGameButton::Trade, false);
  UpdateStatusIcon();
}

// ---------------------------------------------------------------------------------------------
// The judgement

TRatingFactors TGameController::FactorsOf(const TVillage& village, std::int32_t standing) {
  TRatingFactors factors;
  factors.Standing = (static_cast<long double>(standing) + 20) * 0.025L;
  factors.Survival = 2 - 6 / (village.SurvivalFactor() + 3);
  factors.Trade = 0.5L * static_cast<long double>(village.Trade.DemandCoverage());
  return factors;
}

long double TGameController::RatingOf(const TVillage& village, std::int32_t standing, bool withTrade) {
  const TRatingFactors factors = FactorsOf(village, standing);
  if (withTrade) return factors.Standing * factors.Survival * factors.Trade / 0.125L;
  return factors.Standing * factors.Survival / 0.25L;
}

bool TGameController::TradeFlagAfter(TSeason newSeason, bool tradedThisYear) {
  return newSeason == TSeason::Spring ? false : tradedThisYear;
}

// A village without people has no one left to lead; rating it would divide by nothing.
long double TGameController::JudgementOf(const TVillage& village, std::int32_t standing, bool tradeCounts) {
  return village.People.empty() ? 0 : RatingOf(village, standing, tradeCounts);
}

bool TGameController::DeposedAfterChange(const TVillage& village, std::int32_t standing, bool tradeCounts) {
  return village.People.empty() || JudgementOf(village, standing, tradeCounts) < DepositionLevel;
}

TRatingFactors TGameController::RatingFactors() const { return FactorsOf(FVillage, FChiefStanding); }

long double TGameController::ChiefRating(bool withTrade) const { return RatingOf(FVillage, FChiefStanding, withTrade); }

int TGameController::StatusPictureIndex() const {
  const long double rating = ChiefRating(true);
  if (rating >= 2.0L) return 0;
  if (rating >= 1.0L) return 1;
  if (rating >= 0.5L) return 2;
  return 3;
}

void TGameController::UpdateStatusIcon() { FView.SetStatusPicture(StatusPictureIndex()); }

std::string TGameController::StatusCaption() const {
  const int year = FVillage.Year;
  switch (FVillage.Season) {
    case TSeason::Autumn: return Tr("Høsten år {0}", year);
    case TSeason::Winter: return Tr("Vinteren år {0}", year);
    case TSeason::Spring: return Tr("Våren år {0}", year);
    case TSeason::Summer: break;
  }
  return Tr("Sommeren år {0}", year);
}

std::string TGameController::GameFile(const std::string& name) const { return FSettings.GamePath() + name; }

std::string TGameController::AutosavePath() const { return GameFile(AutosaveFileName); }

std::string TGameController::ChroniclePath() const { return GameFile(ChronicleFileName); }

// ---------------------------------------------------------------------------------------------
// Buttons and pictures

void TGameController::SetButton(TGameButton button, bool visible) {
  FButtons[static_cast<std::size_t>(button)] = visible;
  FView.SetButtonVisible(button, visible);
}

void TGameController::UpdateTradeButton() {
  SetButton(TGameButton::Trade, FVillage.Season != TSeason::Winter && !FTradedThisYear);
}

void TGameController::ShowVillagePicture() {
  FView.ShowVillagePicture(FSettings.PicsPath() + std::string(SeasonPictureNames[FVillage.Season]),
                           FSettings.PicsPath() + "village.map");
}

// ---------------------------------------------------------------------------------------------
// The figures

void TGameController::InstallCallbacks() {
  FVillage.OnBirths = [this](const TPersonRefs& born) { OnBirths(born); };
  FVillage.OnDeaths = [this](const TPersonList& dead) { OnDeaths(dead); };
  FVillage.OnAnimalBirths = [this](const TAnimalCounts& counts) { OnAnimalBirths(counts); };
  FVillage.OnAnimalLosses = [this](const TAnimalCounts& counts) { OnAnimalLosses(counts); };
}

void TGameController::BuildVillageView() {
  for (const auto& person : FVillage.People) AddHumanFigure(*person);
  RefreshWorkPool();
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    AddAnimalFigures(static_cast<TAnimalKind>(kind), FVillage.Animals[static_cast<std::size_t>(kind)]);
  }
  FView.AnimalPenArranged();
  ShowVillagePicture();
  const TAdviceSeason season = AdviceSeasonOf(FVillage.Season, TSpecialSituation::None);
  StartMeeting(season);
  FCouncilHeld = false;
  FDecisionsTaken = false;
  FTradedThisYear = false;
  FSeasonDecisionScore = 0;
  FSeasonInfo.Clear();
  SetButton(TGameButton::Work, false);
  SetButton(TGameButton::Slaughter, false);
  SetButton(TGameButton::Decisions, false);
  SetButton(TGameButton::Trade, false);
  FView.ShowMainPage();
  FView.StopAllWaves();
}

void TGameController::FreeVillageView() {
  FHumanFigures.clear();
  for (auto& figures : FAnimalFigures) figures.clear();
  FView.FiguresCleared();
}

// A figure shows its person at the person's own work, so that a loaded game's page and
// model agree.
void TGameController::RefreshWorkPool() {
  for (THumanFigure& figure : FHumanFigures) {
    const bool working = IsWorkingAge(*figure.Person);
    if (!figure.InWork && working) {
      figure.InWork = true;
      FView.HumanFigureShownAt(figure.Id, figure.Person->Work);
    } else if (figure.InWork && !working) {
      figure.InWork = false;
      FView.HumanFigureLeftWork(figure.Id);
    }
  }
  FView.WorkPageArranged();
}

void TGameController::AddHumanFigure(THumanInfo& person) {
  THumanFigure figure;
  figure.Id = FNextFigureId++;
  figure.Person = &person;
  FHumanFigures.push_back(figure);
  FView.HumanFigureAdded(figure.Id, person);
}

void TGameController::AddAnimalFigures(TAnimalKind kind, int count) {
  auto& figures = FAnimalFigures[static_cast<std::size_t>(kind)];
  for (int i = 0; i < count; ++i) {
    TAnimalFigure figure;
    figure.Id = FNextFigureId++;
    figure.Kind = kind;
    figures.push_back(figure);
    FView.AnimalFigureAdded(figure.Id, kind);
  }
}

void TGameController::OnBirths(const TPersonRefs& born) {
  for (THumanInfo* person : born) {
    AddHumanFigure(*person);
    FSeasonInfo.AddBirth(person->Sex);
  }
}

// A hard season can take thousands at once; the figures are walked once, not once a death.
void TGameController::OnDeaths(const TPersonList& dead) {
  std::unordered_set<const THumanInfo*> dying;
  for (const auto& person : dead) {
    FSeasonInfo.AddDeath(person->AgeGroup());
    dying.insert(person.get());
  }
  std::erase_if(FHumanFigures, [&](const THumanFigure& figure) {
    if (!dying.contains(figure.Person)) return false;
    FView.HumanFigureRemoved(figure.Id);
    return true;
  });
}

void TGameController::OnAnimalBirths(const TAnimalCounts& counts) {
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    const std::uint16_t count = counts[static_cast<std::size_t>(kind)];
    FSeasonInfo.AddAnimalBirths(static_cast<TAnimalKind>(kind), count);
    AddAnimalFigures(static_cast<TAnimalKind>(kind), count);
  }
}

void TGameController::OnAnimalLosses(const TAnimalCounts& counts) {
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    const std::uint16_t count = counts[static_cast<std::size_t>(kind)];
    FSeasonInfo.AddAnimalDeaths(static_cast<TAnimalKind>(kind), count);
    auto& figures = FAnimalFigures[static_cast<std::size_t>(kind)];
    const auto lost = static_cast<std::ptrdiff_t>(std::min<std::size_t>(count, figures.size()));
    for (auto figure = figures.begin(); figure != figures.begin() + lost; ++figure) FView.AnimalFigureRemoved(figure->Id);
    figures.erase(figures.begin(), figures.begin() + lost);
  }
}

// Figures are numbered as they are made and appended, so every list is in number order.
THumanFigure* TGameController::FindHumanFigure(TFigureId id) {
  const auto found = std::lower_bound(FHumanFigures.begin(), FHumanFigures.end(), id,
                                      [](const THumanFigure& figure, TFigureId wanted) { return figure.Id < wanted; });
  return found != FHumanFigures.end() && found->Id == id ? &*found : nullptr;
}

TAnimalFigure* TGameController::FindAnimalFigure(TFigureId id) {
  for (auto& figures : FAnimalFigures) {
    const auto found = std::lower_bound(figures.begin(), figures.end(), id,
                                        [](const TAnimalFigure& figure, TFigureId wanted) { return figure.Id < wanted; });
    if (found != figures.end() && found->Id == id) return &*found;
  }
  return nullptr;
}

}  // namespace fjordheim
