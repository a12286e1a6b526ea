#include "core/trade/in_memory_network.h"

#include <algorithm>

namespace fjordheim {

// One host's view of the network; every call goes to the network itself.
class TInMemoryNetwork::TPort : public TConnectionPort {
 public:
  TPort(TInMemoryNetwork& network, std::string address) : Network(network), Address(std::move(address)) {}

  void SetListener(TConnectionListener* listener) override { Listener = listener; }
  TConnectionId Connect(const std::string& host, std::int32_t port) override {
    return Network.Connect(*this, host, port);
  }
  TListenResult Listen(std::int32_t port) override { return Network.Listen(*this, port); }
  std::optional<TConnectionId> Accept(TConnectionId listener) override { return Network.Accept(listener); }
  void Send(TConnectionId connection, std::string_view bytes) override { Network.Send(connection, bytes); }
  void Close(TConnectionId id) override { Network.Close(id); }
  std::string PeerAddress(TConnectionId connection) const override { return Network.PeerAddress(connection); }

  TInMemoryNetwork& Network;
  const std::string Address;
  TConnectionListener* Listener = nullptr;
};

// One end of a connection. The end that connects is open once the other side's listener took the
// request; the accepting end is open once accepted. Bytes sent wait in the receiver's Inbox.
struct TInMemoryNetwork::TEnd {
  TPort* Owner = nullptr;
  TConnectionId Other = 0;
  bool Open = false;
  bool Accepted = false;
  bool ArrivalPending = false;
  bool ClosedByOther = false;
  std::string Inbox;
};

struct TInMemoryNetwork::TListening {
  TPort* Owner = nullptr;
  std::int32_t Port = 0;
  std::deque<TConnectionId> Waiting;
};

TInMemoryNetwork::TInMemoryNetwork() = default;
TInMemoryNetwork::~TInMemoryNetwork() = default;

TConnectionPort& TInMemoryNetwork::Host(const std::string& address) {
  auto& port = FHosts[address];
  if (!port) port = std::make_unique<TPort>(*this, address);
  return *port;
}

void TInMemoryNetwork::Post(std::function<void()> event) { FEvents.push_back(std::move(event)); }

std::size_t TInMemoryNetwork::DeliverOnce() {
  std::size_t count = FEvents.size();
  for (std::size_t i = 0; i < count; ++i) {
    auto event = std::move(FEvents.front());
    FEvents.pop_front();
    event();
  }
  return count;
}

std::size_t TInMemoryNetwork::Deliver() {
  std::size_t total = 0;
  while (!FEvents.empty()) total += DeliverOnce();
  return total;
}

std::size_t TInMemoryNetwork::OpenConnections() const {
  return static_cast<std::size_t>(std::count_if(FEnds.begin(), FEnds.end(), [](const auto& end) { return end.second.Open; }));
}

TInMemoryNetwork::TEnd* TInMemoryNetwork::FindEnd(TConnectionId id) {
  const auto found = FEnds.find(id);
  return found == FEnds.end() ? nullptr : &found->second;
}

const TInMemoryNetwork::TEnd* TInMemoryNetwork::FindEnd(TConnectionId id) const {
  const auto found = FEnds.find(id);
  return found == FEnds.end() ? nullptr : &found->second;
}

TConnectionId TInMemoryNetwork::Connect(TPort& from, const std::string& host, std::int32_t port) {
  const TConnectionId id = ++FLastId;
  FEnds[id].Owner = &from;
  const auto listening = std::find_if(FListening.begin(), FListening.end(), [&](const auto& entry) {
    return entry.second.Owner->Address == host && entry.second.Port == port;
  });
  if (listening == FListening.end()) {
    Refuse(id);
    return id;
  }
  const TConnectionId listener = listening->first;
  const TConnectionId other = ++FLastId;
  FEnds[other].Owner = listening->second.Owner;
  FEnds[other].Other = id;
  FEnds[id].Other = other;
  Post([this, id, other, listener] {
    const auto waiting = FListening.find(listener);
    if (waiting == FListening.end()) {
      FEnds.erase(other);
      Refuse(id);
      return;
    }
    if (FindEnd(other) == nullptr) return;
    waiting->second.Waiting.push_back(other);
    if (TEnd* end = FindEnd(id)) {
      end->Open = true;
      if (end->Owner->Listener != nullptr) end->Owner->Listener->ConnectionEstablished(id);
    }
    if (waiting->second.Owner->Listener != nullptr) waiting->second.Owner->Listener->ConnectionRequested(listener);
  });
  return id;
}

void TInMemoryNetwork::Refuse(TConnectionId connection) {
  Post([this, connection] {
    const TEnd* end = FindEnd(connection);
    if (end == nullptr) return;
    TPort* owner = end->Owner;
    FEnds.erase(connection);
    if (owner->Listener != nullptr) owner->Listener->ConnectionError(connection, "Connection refused");
  });
}

std::int32_t TInMemoryNetwork::FreePort(const std::string& host) const {
  for (std::int32_t port = 49152;; ++port) {
    const bool taken = std::any_of(FListening.begin(), FListening.end(), [&](const auto& entry) {
      return entry.second.Owner->Address == host && entry.second.Port == port;
    });
    if (!taken) return port;
  }
}

TListenResult TInMemoryNetwork::Listen(TPort& port, std::int32_t portNumber) {
  const std::int32_t chosen = portNumber == 0 ? FreePort(port.Address) : portNumber;
  const bool taken = std::any_of(FListening.begin(), FListening.end(), [&](const auto& entry) {
    return entry.second.Owner == &port && entry.second.Port == chosen;
  });
  if (taken || chosen < 0 || chosen > 65535) return {std::nullopt, chosen, "The bound address is already in use"};
  const TConnectionId id = ++FLastId;
  FListening[id] = TListening{&port, chosen, {}};
  return {id, chosen, {}};
}

std::optional<TConnectionId> TInMemoryNetwork::Accept(TConnectionId listener) {
  const auto listening = FListening.find(listener);
  if (listening == FListening.end() || listening->second.Waiting.empty()) return std::nullopt;
  const TConnectionId id = listening->second.Waiting.front();
  listening->second.Waiting.pop_front();
  TEnd* end = FindEnd(id);
  if (end == nullptr) return std::nullopt;
  end->Open = true;
  end->Accepted = true;
  if (!end->Inbox.empty()) ScheduleArrival(id);
  if (end->ClosedByOther) NoticeClose(id);
  return id;
}

void TInMemoryNetwork::Send(TConnectionId connection, std::string_view bytes) {
  const TEnd* from = FindEnd(connection);
  if (from == nullptr || !from->Open || bytes.empty()) return;
  TEnd* to = FindEnd(from->Other);
  if (to == nullptr) return;
  to->Inbox.append(bytes);
  const TConnectionId receiver = from->Other;
  if (to->Open) ScheduleArrival(receiver);
}

void TInMemoryNetwork::ScheduleArrival(TConnectionId receiver) {
  TEnd* end = FindEnd(receiver);
  if (end == nullptr || end->ArrivalPending) return;
  end->ArrivalPending = true;
  Post([this, receiver] { Arrive(receiver); });
}

void TInMemoryNetwork::Arrive(TConnectionId receiver) {
  TEnd* end = FindEnd(receiver);
  if (end == nullptr) return;
  end->ArrivalPending = false;
  const std::size_t size = FPieceSize == 0 ? end->Inbox.size() : std::min(FPieceSize, end->Inbox.size());
  const std::string piece = end->Inbox.substr(0, size);
  end->Inbox.erase(0, size);
  if (!end->Inbox.empty()) ScheduleArrival(receiver);
  TPort* owner = end->Owner;
  if (!piece.empty() && owner->Listener != nullptr) owner->Listener->DataArrived(receiver, piece);
}

void TInMemoryNetwork::Close(TConnectionId id) {
  if (FListening.erase(id) > 0) return;
  TEnd* end = FindEnd(id);
  if (end == nullptr) return;
  const TConnectionId other = end->Other;
  FEnds.erase(id);
  TEnd* otherEnd = FindEnd(other);
  if (otherEnd == nullptr) return;
  otherEnd->ClosedByOther = true;
  if (otherEnd->Open) NoticeClose(other);
}

// The end hears of the close after the bytes that were already on their way.
void TInMemoryNetwork::NoticeClose(TConnectionId receiver) {
  Post([this, receiver] {
    const TEnd* end = FindEnd(receiver);
    if (end == nullptr) return;
    if (!end->Inbox.empty()) {
      NoticeClose(receiver);
      return;
    }
    TPort* owner = end->Owner;
    FEnds.erase(receiver);
    if (owner->Listener != nullptr) owner->Listener->ConnectionClosed(receiver);
  });
}

std::string TInMemoryNetwork::PeerAddress(TConnectionId connection) const {
  const TEnd* end = FindEnd(connection);
  if (end == nullptr) return {};
  const TEnd* other = FindEnd(end->Other);
  return other == nullptr ? std::string() : other->Owner->Address;
}

}  // namespace fjordheim
