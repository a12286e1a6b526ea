#include "tools/sim/sim_play.h"

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/game/game_controller.h"
#include "core/game/headless_view.h"
#include "core/game/play_policy.h"
#include "core/settings/settings.h"

namespace fjordheim {

namespace {

class TStreamSink : public TMessageSink {
 public:
  explicit TStreamSink(std::ostream& out) : FOut(out) {}
  void ShowMessage(const std::string& text) override { FOut << "fjordheim-sim: " << text << '\n'; }

 private:
  std::ostream& FOut;
};

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
  game.NewGame("Høvding", 0, options.Land);
  TPlayResult result;
  while (result.Seasons < options.Seasons && !result.Deposed) {
    result.Deposed = policy.PlaySeason(game) == TSeasonChange::Deposed;
    ++result.Seasons;
  }
  out << game.Chronicle().ToCsv();
  return result;
}

}  // namespace fjordheim
