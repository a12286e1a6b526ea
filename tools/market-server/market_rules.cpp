#include "tools/market-server/market_rules.h"

#include <algorithm>
#include <utility>

#include "core/trade/client_message.h"
#include "core/trade/server_message.h"

namespace fjordheim {

namespace {

// An ENTERED with the longest address, numbers and name, with room to spare.
constexpr std::size_t MostEnteredBytes = 256;

}  // namespace

TMarketLimits TMarketLimits::ForClients(std::size_t maxClients) {
  TMarketLimits limits;
  limits.MaxClients = maxClients;
  limits.MaxUnsentBytes = std::max(limits.MaxUnsentBytes, maxClients * MostEnteredBytes);
  return limits;
}

TMarketRules::TMarketRules(TMarketRulesPort& port, TMarketLimits limits, std::optional<TRoster> roster)
    : FPort(port), FLimits(limits), FRoster(std::move(roster)) {}

bool TMarketRules::Open(TConnectionId connection, std::string address) {
  if (FConnections.size() >= FLimits.MaxClients) {
    Report(TMarketLogEntry::TKind::Refusal, TConnection(std::move(address)),
           "the market is full (" + std::to_string(FLimits.MaxClients) + " connections)");
    FPort.Close(connection);
    return false;
  }
  FConnections.try_emplace(connection, std::move(address));
  return true;
}

void TMarketRules::Receive(TConnectionId connection, std::string_view bytes) {
  auto found = FConnections.find(connection);
  if (found == FConnections.end()) return;
  for (const std::string& message : found->second.Framer.Feed(bytes)) {
    Handle(connection, found->second, message);
    found = FConnections.find(connection);
    if (found == FConnections.end()) break;
  }
  if (found != FConnections.end() && found->second.Framer.Overflowed()) {
    End(connection, "a message longer than " + std::to_string(TMessageFramer::MaxMessageBytes) + " bytes");
  }
  DropSlowReaders();
}

void TMarketRules::Closed(TConnectionId connection) {
  const auto found = FConnections.find(connection);
  if (found == FConnections.end()) return;
  const TConnection state = std::move(found->second);
  FConnections.erase(found);
  FSlowReaders.erase(connection);
  if (state.Id != 0) {
    FPlayers.erase(state.Id);
    TellOthersLeft(state);
    Report(TMarketLogEntry::TKind::Drop, state, "connection closed");
  }
  DropSlowReaders();
}

void TMarketRules::Handle(TConnectionId connection, TConnection& state, std::string_view message) {
  TReadResult<TClientMessage> read = ReadClientMessage(message);
  if (!read.Message) {
    End(connection, read.Problem);
    return;
  }
  if (read.Message->Kind == TClientMessageKind::Logout) {
    // A LOGOUT from someone who is not in changes nothing; after one, the game may log in again.
    if (state.Id != 0) Logout(state);
    return;
  }
  if (state.Id != 0) {
    End(connection, "a second LOGIN on one connection");
    return;
  }
  Login(connection, state, read.Message->Port, read.Message->ImageNo, std::move(read.Message->Name));
}

void TMarketRules::Login(TConnectionId connection, TConnection& state, std::int32_t port, std::int32_t imageNo,
                         std::string name) {
  state.Name = std::move(name);
  if (FRoster && !FRoster->Allows(state.Name)) {
    End(connection, "not on the roster");
    return;
  }
  if (FLastId == MaxMarketId) {
    End(connection, "every market id has been given");
    return;
  }
  state.Id = ++FLastId;
  // The address is the one the connection came from: a game cannot send others to a third machine.
  state.Entered = BuildEntered(state.Id, state.Address, port, imageNo, state.Name);
  Send(connection, BuildLoginAccept(state.Id));
  for (const auto& [id, other] : FPlayers) Send(connection, FConnections.at(other).Entered);
  for (const auto& [id, other] : FPlayers) Send(other, state.Entered);
  FPlayers.emplace(state.Id, connection);
  Report(TMarketLogEntry::TKind::Login, state, {});
}

void TMarketRules::Logout(TConnection& state) {
  FPlayers.erase(state.Id);
  TellOthersLeft(state);
  Report(TMarketLogEntry::TKind::Logout, state, {});
  state.Id = 0;
  state.Name.clear();
  state.Entered.clear();
}

void TMarketRules::TellOthersLeft(const TConnection& state) {
  const std::string left = BuildLeft(state.Id);
  for (const auto& [id, other] : FPlayers) Send(other, left);
}

void TMarketRules::LoginTimeUp(TConnectionId connection) {
  const auto found = FConnections.find(connection);
  if (found == FConnections.end() || found->second.Id != 0) return;
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(FLimits.LoginTime).count();
  End(connection, "no LOGIN within " + std::to_string(seconds) + " s");
}

void TMarketRules::Send(TConnectionId connection, std::string_view bytes) {
  if (FSlowReaders.contains(connection)) return;
  if (FPort.Send(connection, bytes) > FLimits.MaxUnsentBytes) FSlowReaders.insert(connection);
}

void TMarketRules::End(TConnectionId connection, std::string reason) {
  const auto found = FConnections.find(connection);
  if (found == FConnections.end()) return;
  const TConnection state = std::move(found->second);
  FConnections.erase(found);
  FSlowReaders.erase(connection);
  FPort.Close(connection);
  if (state.Id == 0) {
    Report(TMarketLogEntry::TKind::Refusal, state, std::move(reason));
    return;
  }
  FPlayers.erase(state.Id);
  TellOthersLeft(state);
  Report(TMarketLogEntry::TKind::Drop, state, std::move(reason));
}

// Dropping one tells the others LEFT, which may push another over the cap; each round removes one.
void TMarketRules::DropSlowReaders() {
  while (!FSlowReaders.empty()) {
    End(*FSlowReaders.begin(),
        "stopped reading (over " + std::to_string(FLimits.MaxUnsentBytes) + " bytes unsent)");
  }
}

void TMarketRules::Report(TMarketLogEntry::TKind kind, const TConnection& state, std::string reason) {
  TMarketLogEntry event;
  event.Kind = kind;
  event.Id = state.Id;
  event.Name = state.Name;
  event.Address = state.Address;
  event.Reason = std::move(reason);
  event.Present = FPlayers.size();
  FPort.Report(event);
}

}  // namespace fjordheim
