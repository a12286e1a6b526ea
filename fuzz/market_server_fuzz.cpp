#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "core/trade/message_framer.h"
#include "core/trade/server_message.h"
#include "tools/market-server/market_rules.h"

using namespace fjordheim;

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

constexpr TConnectionId Connections = 4;

// Reads what the server sends each connection as a game would, and checks the promises a game
// relies on: every message is well-formed, nobody hears of himself, and every player who was
// announced leaves at most once and only after he came.
class TCheckingConnections : public TMarketRulesPort {
 public:
  std::size_t Send(TConnectionId connection, std::string_view bytes) override {
    Require(Open.contains(connection));
    TGame& game = Games[connection];
    for (const std::string& message : game.Framer.Feed(bytes)) Check(game, message);
    Require(!game.Framer.Overflowed() && game.Framer.PendingBytes() == 0);
    return Stuck.contains(connection) ? (game.Unsent += bytes.size()) : 0;
  }
  void Close(TConnectionId connection) override { Require(Open.erase(connection) == 1); }
  void Report(const TMarketLogEntry&) override {}

  struct TGame {
    TMessageFramer Framer{TFraming::ServerLink};
    std::int32_t OwnId = 0;
    std::set<std::int32_t> Present;
    std::set<std::int32_t> Gone;
    std::size_t Unsent = 0;
  };

  std::set<TConnectionId> Open;
  std::set<TConnectionId> Stuck;
  std::map<TConnectionId, TGame> Games;

 private:
  static void Check(TGame& game, std::string_view message) {
    const TReadResult<TServerMessage> read = ReadServerMessage(message);
    Require(read.Message.has_value());
    const TServerMessage& told = *read.Message;
    switch (told.Kind) {
      case TServerMessageKind::LoginAccept:
        game.OwnId = told.Id;
        game.Present.clear();
        break;
      case TServerMessageKind::Entered:
        Require(told.Id != game.OwnId && !game.Gone.contains(told.Id));
        Require(game.Present.insert(told.Id).second);
        Require(told.Address == "10.0.0.1" && told.Name.size() <= 4 * MaxNameBytes);
        break;
      case TServerMessageKind::Left:
        Require(game.Present.erase(told.Id) == 1);
        game.Gone.insert(told.Id);
        break;
      default:
        Require(false);
    }
  }
};

}  // namespace

// The input is a script for four connections: each step is one byte naming the connection and
// what happens to it (open, bytes arrive, closed by the game, stops reading), then for arrivals a
// length byte and that many bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TCheckingConnections net;
  TMarketRules rules(net, TMarketLimits{3, 512}, std::nullopt);
  std::size_t at = 0;
  while (at < size) {
    const std::uint8_t step = data[at++];
    const TConnectionId connection = step % Connections;
    switch ((step / Connections) % 4) {
      case 0:
        if (net.Open.insert(connection).second) {
          net.Games.erase(connection);
          net.Stuck.erase(connection);
          rules.Open(connection, "10.0.0.1");
        }
        break;
      case 1: {
        const std::size_t length = at < size ? data[at++] : 0;
        const std::size_t taken = std::min(length, size - at);
        rules.Receive(connection, std::string_view(reinterpret_cast<const char*>(data + at), taken));
        at += taken;
        break;
      }
      case 2:
        net.Open.erase(connection);
        rules.Closed(connection);
        break;
      default:
        net.Stuck.insert(connection);
        break;
    }
  }
  Require(rules.ConnectionCount() == net.Open.size());
  return 0;
}
