#include "tools/sim/sim_play.h"

#include <cstddef>
#include <iomanip>
#include <sstream>
#include <vector>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/game/game_controller.h"
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
  TMarketSettingsRead markets;
  if (options.Trade) {
    markets = ReadMarketSettings(settings.SettingsIni());
    if (!markets.Settings) sink.ShowMessage(markets.Message);
  }
  game.NewGame("Høvding", 0, options.Land);
  TPlayResult result;
  while (result.Seasons < options.Seasons && !result.Deposed) {
    if (markets.Settings && MarketDay(game) && VisitMarket(game, *markets.Settings, random)) ++result.TradingYears;
    result.Deposed = policy.PlaySeason(game) == TSeasonChange::Deposed;
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
