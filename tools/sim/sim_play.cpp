#include "tools/sim/sim_play.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <iomanip>
#include <sstream>
#include <vector>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/game/game_controller.h"
#include "core/game/forecast_policy.h"
#include "core/game/headless_view.h"
#include "core/game/play_policy.h"
#include "core/settings/settings.h"
#include "core/trade/manual_scheduler.h"
#include "core/trade/market_settings.h"
#include "core/trade/market_visit.h"
#include "core/trade/trading_chief.h"

namespace fjordheim {

namespace {

class TStreamSink : public TMessageSink {
 public:
  explicit TStreamSink(std::ostream& out) : FOut(out) {}
  void ShowMessage(const std::string& text) override { FOut << "fjordheim-sim: " << text << '\n'; }

 private:
  std::ostream& FOut;
};

// The market is open while the trade button shows, and the chief goes once a year, in summer.
bool MarketDay(const TGameController& game) {
  return game.Village().Season == TSeason::Summer && game.ButtonVisible(TGameButton::Trade);
}

// The chief negotiates with every computer merchant present in turn, on a clock of his own,
// as the market window would let him; the game's generator draws the merchants' choices.
bool VisitMarket(TGameController& game, const TMarketSettings& markets, TRandom& random) {
  std::size_t local = 0;
  while (local < markets.Markets.size() && markets.Markets[local].IsNetwork()) ++local;
  TManualScheduler scheduler;
  TMarketVisit visit(markets, scheduler, random);
  if (!visit.Open(local, game.ChiefName(), game.ChiefFace(), game.Village().Trade, nullptr, nullptr).Opened) return false;
  const std::vector<TMerchant*> present = visit.Market()->Merchants;
  for (TMerchant* merchant : present) {
    if (merchant != visit.Player()) TTradingChief::Negotiate(*visit.Player(), *merchant, scheduler);
  }
  visit.Close();
  game.MarketVisited(visit.Traded());
  return visit.Traded();
}

// The forecast reader asks many forecasts a season; a few copies each tell him enough, and
// a fixed number keeps a run the same on every machine.
TForecastLimits SimForecastLimits() {
  TForecastLimits limits;
  limits.MaxRuns = 6;
  limits.Budget = std::chrono::hours(1);
  return limits;
}

TSeasonChange PlayIdleSeason(TGameController& game) {
  for (int area = 0; area < AdviceAreaCount; ++area) game.HearAdviser(area);
  game.TakeDecisions();
  return game.BtnChgSeasonClick();
}

TSeasonChange PlayOneSeason(TSimChief chief, TGameController& game, TPlayPolicy& policy) {
  switch (chief) {
    case TSimChief::Forecast: return TForecastPolicy().PlaySeason(game);
    case TSimChief::Idle: return PlayIdleSeason(game);
    case TSimChief::Rules: break;
  }
  return policy.PlaySeason(game);
}

struct TChiefRun {
  const char* Name;
  TSimChief Chief;
  bool RandomDecisions;
};

constexpr std::array<TChiefRun, 4> ComparedChiefs{{
    {"rules, right decisions", TSimChief::Rules, false},
    {"rules, random decisions", TSimChief::Rules, true},
    {"forecast only", TSimChief::Forecast, false},
    {"nobody works", TSimChief::Idle, false},
}};

double Median(std::vector<int> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) return values[middle];
  return (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

TPlayResult PlayGame(const TSimOptions& options, std::ostream& out, std::ostream& messages) {
  TRandom random(options.Seed);
  const TSettings settings(options.GameFolder + "fjordheim", random);
  TStreamSink sink(messages);
  THeadlessView view;
  TGameController game(settings, random, view, sink);
  TPlayPolicy policy(random, !options.RandomDecisions);
  view.Decide = [&](TDecisionBoard& board) { return policy.Decide(board, game.SeasonDecisions()); };
  // A teacher's trial run must not replace the player's autosave.
  game.SetAutosave(false);
  // A program plays on; it asks the forecast itself when it wants one.
  game.SetWarnings(false);
  game.SetForecastLimits(SimForecastLimits());
  TMarketSettingsRead markets;
  if (options.Trade) {
    markets = ReadMarketSettings(settings.SettingsIni());
    if (!markets.Message.empty()) sink.ShowMessage(markets.Message);
  }
  game.NewGame("Høvding", 0, options.Land);
  TPlayResult result;
  while (result.Seasons < options.Seasons && !result.Deposed) {
    if (options.Trade && MarketDay(game) && VisitMarket(game, markets.Settings, random)) ++result.TradingYears;
    result.Deposed = PlayOneSeason(options.Chief, game, policy) == TSeasonChange::Deposed;
    ++result.Seasons;
  }
  out << game.Chronicle().ToCsv();
  return result;
}

void CompareTrade(const TSimOptions& options, std::ostream& out, std::ostream& messages) {
  out << "seed  without trade  with trade  trading years\n";
  long long totalWithout = 0;
  long long totalWith = 0;
  for (int game = 0; game < options.CompareTrade; ++game) {
    TSimOptions run = options;
    run.Seed = options.Seed + static_cast<std::uint32_t>(game);
    std::ostringstream chronicle;
    run.Trade = false;
    const TPlayResult without = PlayGame(run, chronicle, messages);
    run.Trade = true;
    const TPlayResult with = PlayGame(run, chronicle, messages);
    totalWithout += without.Seasons;
    totalWith += with.Seasons;
    out << std::left << std::setw(6) << run.Seed << std::setw(15) << without.Seasons << std::setw(12) << with.Seasons
        << with.TradingYears << '\n';
  }
  const double games = options.CompareTrade;
  out << std::fixed << std::setprecision(1) << "average seasons over " << options.CompareTrade << " games (land "
      << options.Land << ", at most " << options.Seasons << "): without trade " << totalWithout / games
      << ", with trade " << totalWith / games << '\n';
}

}  // namespace fjordheim

namespace fjordheim {

void CompareChiefs(const TSimOptions& options, std::ostream& out, std::ostream& messages) {
  out << "Seasons lasted over " << options.CompareChiefs << " seeds from " << options.Seed << " (at most "
      << options.Seasons << "):\n";
  out << std::left << std::setw(6) << "land" << std::setw(26) << "chief" << std::right << std::setw(8) << "mean"
      << std::setw(8) << "median" << std::setw(6) << "min" << std::setw(6) << "max" << std::setw(9) << "deposed" << '\n';
  for (int land = 0; land < 3; ++land) {
    for (const TChiefRun& chief : ComparedChiefs) {
      std::vector<int> seasons;
      int deposed = 0;
      for (int game = 0; game < options.CompareChiefs; ++game) {
        TSimOptions run = options;
        run.Land = land;
        run.Seed = options.Seed + static_cast<std::uint32_t>(game);
        run.Chief = chief.Chief;
        run.RandomDecisions = chief.RandomDecisions;
        run.Trade = false;
        std::ostringstream chronicle;
        const TPlayResult result = PlayGame(run, chronicle, messages);
        seasons.push_back(result.Seasons);
        if (result.Deposed) ++deposed;
      }
      long long total = 0;
      for (const int lasted : seasons) total += lasted;
      out << std::left << std::setw(6) << land << std::setw(26) << chief.Name << std::right << std::fixed
          << std::setprecision(1) << std::setw(8) << static_cast<double>(total) / options.CompareChiefs << std::setw(8)
          << Median(seasons) << std::setw(6) << *std::min_element(seasons.begin(), seasons.end()) << std::setw(6)
          << *std::max_element(seasons.begin(), seasons.end()) << std::setw(9) << deposed << '\n';
    }
  }
}

}  // namespace fjordheim
