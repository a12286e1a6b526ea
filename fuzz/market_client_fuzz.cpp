// A logged-in game at a network market against a server and another player who send anything:
// the bytes are cut into turns, each either something the server says, something the other
// player's game says on the peer link, or a step of our own player. Nothing may crash or touch
// memory it does not own, whatever order the two sides act in.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/message_sink.h"
#include "core/trade/client.h"
#include "core/trade/in_memory_network.h"
#include "core/trade/manual_scheduler.h"
#include "core/trade/net_market.h"
#include "core/trade/user_merchant.h"

using namespace fjordheim;

namespace {

// A program that sends what it is told and accepts every connection.
struct TRawEndpoint : TConnectionListener {
  explicit TRawEndpoint(TConnectionPort& port) : Port(port) { Port.SetListener(this); }
  void ConnectionEstablished(TConnectionId) override {}
  void ConnectionError(TConnectionId, const std::string&) override {}
  void DataArrived(TConnectionId, std::string_view) override {}
  void ConnectionClosed(TConnectionId) override {}
  void ConnectionRequested(TConnectionId listener) override {
    while (const auto connection = Port.Accept(listener)) Links.push_back(*connection);
  }
  TConnectionPort& Port;
  std::vector<TConnectionId> Links;
};

void Settle(TInMemoryNetwork& network, TManualScheduler& scheduler) {
  for (std::size_t ran = 1; ran > 0;) ran = network.Deliver() + scheduler.RunPosted();
}

void PlayerStep(TUserMerchant& player, TClient& client, std::uint8_t step) {
  std::int32_t err = 0;
  switch (step % 6) {
    case 0:
      if (client.RemoteMerchantCount() > 0 && player.Partner == nullptr) {
        player.SetState(TMerchantState::InviteSent);
        player.Invite(client.RemoteMerchant(0), err);
      }
      break;
    case 1:
      if (player.Partner != nullptr) player.AnswerInvite(step & 8 ? TAnswer::Accept : TAnswer::Decline, err);
      break;
    case 2:
      if (player.Partner != nullptr) player.Propose({0, 0, -(step >> 4), step >> 4, 0, 0}, err);
      break;
    case 3:
      if (player.Partner != nullptr) player.AnswerProposal(step & 8 ? TAnswer::Accept : TAnswer::Decline, err);
      break;
    case 4:
      if (player.Partner != nullptr) player.SendText("hei på deg", err);
      break;
    default:
      if (player.Partner != nullptr) player.Dismiss(err);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TInMemoryNetwork network;
  TManualScheduler scheduler;
  TCollectingMessageSink messages;
  TRawEndpoint server(network.Host("server"));
  TRawEndpoint peer(network.Host("peer"));
  server.Port.Listen(5556);
  peer.Port.Listen(5555);

  TTrade village;
  village.Goods = {10, 10, 10, 10, 10, 10};
  TNetMarket market(scheduler);
  TClient client(market, "server", 5556, network.Host("game"), messages);
  market.Client = &client;
  TUserMerchant player(&village, "Astrid", scheduler);
  std::int32_t err = 0;
  market.Enter(player, err);
  Settle(network, scheduler);
  if (server.Links.empty()) __builtin_trap();
  const TConnectionId serverLink = server.Links.front();
  server.Port.Send(serverLink, "LOGINACCEPT ID 1 ENDMESSAGEENTERED ID 2 IP peer PORT 5555 IMAGE 0 NAME P ENDMESSAGE");
  Settle(network, scheduler);
  const TConnectionId call = peer.Port.Connect("game", client.ListeningPort().value_or(5555));
  Settle(network, scheduler);

  std::size_t at = 0;
  while (at + 2 <= size) {
    const std::uint8_t control = data[at];
    const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
    const std::string_view chunk(reinterpret_cast<const char*>(data) + at + 2, length);
    at += 2 + length;
    switch (control % 4) {
      case 0:
        server.Port.Send(serverLink, chunk);
        break;
      case 1:
        peer.Port.Send(call, chunk);
        break;
      case 2:
        for (const TConnectionId link : peer.Links) peer.Port.Send(link, chunk);
        break;
      default:
        PlayerStep(player, client, control);
        break;
    }
    Settle(network, scheduler);
  }
  market.Leave(player, err);
  Settle(network, scheduler);
  return 0;
}
