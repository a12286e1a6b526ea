#include "core/trade/client.h"

#include <algorithm>

#include "core/trade/client_message.h"
#include "core/trade/net_market.h"
#include "core/trade/peer_message.h"
#include "core/trade/server_message.h"

namespace fjordheim {
namespace {

bool IsAccept(TAnswer answer) { return answer == TAnswer::Accept; }

TAnswer AnswerOf(bool accepted) { return accepted ? TAnswer::Accept : TAnswer::Decline; }

}  // namespace

TClient::TClient(TNetMarket& market, std::string address, std::int32_t port, TConnectionPort& connections,
                 TMessageSink& messages)
    : ServerAddress(std::move(address)), ServerPort(port), Market(market), FConnections(connections),
      FMessages(messages) {
  FConnections.SetListener(this);
}

// The player's merchant goes before the client, dismissing a partner it had; a merchant standing
// in for another player must not reach back to it.
TClient::~TClient() {
  FConnections.SetListener(nullptr);
  if (FServer) FConnections.Close(*FServer);
  if (FListener) FConnections.Close(*FListener);
  if (FPeer) FConnections.Close(FPeer->Id);
  for (const TPeerLink& link : FExtra) FConnections.Close(link.Id);
  for (TRemote& remote : FRemote) {
    if (remote.Merchant->Partner != nullptr && remote.Merchant->Partner != Player()) {
      remote.Merchant->Partner = nullptr;
    }
  }
  FRemote.clear();
}

TMerchant* TClient::Player() const { return IsAlive(FPlayerWatch) ? FPlayer : nullptr; }

std::int32_t TClient::OurId() const {
  const TMerchant* player = Player();
  return player == nullptr ? -1 : player->Id;
}

void TClient::Show(const std::string& text) { FMessages.ShowMessage(text); }

void TClient::Send(TConnectionId connection, const std::string& bytes) { FConnections.Send(connection, bytes); }

void TClient::Connect() {
  if (Connected) {
    Show("CONNECT: Already connected!");
    return;
  }
  if (!FServer) {
    FServerFramer = TMessageFramer(TFraming::ServerLink);
    FServer = FConnections.Connect(ServerAddress, ServerPort);
  }
  StartListening();
}

void TClient::StartListening() {
  if (FListener) return;
  const TListenResult listening = FConnections.Listen(ListenPort);
  if (!listening.Listener) {
    Show(ListenFailedText(ListenPort, listening.Error));
    return;
  }
  FListener = listening.Listener;
  FListeningPort = listening.Port;
}

void TClient::Disconnect() {
  if (!Connected) {
    Show("DISCONNECT: Not connected!");
    return;
  }
  if (FServer) FConnections.Close(*FServer);
  FServer.reset();
  if (FListener) FConnections.Close(*FListener);
  FListener.reset();
  FListeningPort.reset();
  Connected = false;
}

void TClient::Login(TMerchant& merchant) {
  LocalMerchant = &merchant;
  FPlayer = &merchant;
  FPlayerWatch = merchant.LifeWatch();
  if (Connected) {
    SendLogin();
  } else {
    Connect();
  }
}

// A game listening on a port the system chose announces that port.
void TClient::SendLogin() {
  if (LocalMerchant == nullptr || !FServer) return;
  Send(*FServer, BuildLogin(FListeningPort.value_or(ListenPort), LocalMerchant->ImageNo, LocalMerchant->Name));
}

// A trade in progress is ended properly, so that the other player is not left waiting.
void TClient::Logout() {
  if (!Connected) {
    if (!FServerLossTold) Show("LOGOUT: Not connected!");
    return;
  }
  TMerchant* player = Player();
  if (player != nullptr && player->Partner != nullptr && FindRemote(player->Partner->Id) == player->Partner) {
    std::int32_t err = 0;
    player->Dismiss(err);
  }
  LocalMerchant = nullptr;
  if (FServer) Send(*FServer, BuildLogout());
  ClosePeerLink();
  FInvitee = nullptr;
  while (!FRemote.empty()) FreeRemote(0);
}

bool TClient::SendInvite(TMerchant& inviter, TNetMerchant& invitee) {
  ClosePeerLink();
  FInviter = &inviter;
  FInviterWatch = inviter.LifeWatch();
  FInvitee = &invitee;
  FPeer.emplace(FConnections.Connect(invitee.IP, invitee.Port));
  FPeer->Counterpart = &invitee;
  return true;
}

void TClient::SendInviteAnswer(TNetMerchant& to, TAnswer answer) {
  const TMerchant* from = to.Partner != nullptr ? to.Partner : Player();
  if (!FPeer || from == nullptr || from->Store == nullptr) return;
  Send(FPeer->Id, BuildInviteAnswer(from->Id, to.Id, IsAccept(answer), *from->Store));
}

void TClient::SendDismiss(TNetMerchant& to) {
  if (FPeer) Send(FPeer->Id, BuildDismiss(OurId(), to.Id));
}

void TClient::SendProposal(TNetMerchant& to, const TProposal& deltas) {
  if (FPeer) Send(FPeer->Id, BuildProposal(OurId(), to.Id, Negated(deltas)));
}

void TClient::SendProposalAnswer(TNetMerchant& to, TAnswer answer) {
  if (FPeer) Send(FPeer->Id, BuildProposalAnswer(OurId(), to.Id, IsAccept(answer)));
}

void TClient::SendTextMessage(TNetMerchant& to, const std::string& text) {
  if (FPeer) Send(FPeer->Id, BuildTextMessage(OurId(), to.Id, text));
}

void TClient::ConnectionEstablished(TConnectionId connection) {
  if (FServer == connection) {
    Connected = true;
    SendLogin();
    return;
  }
  if (FPeer && FPeer->Id == connection) {
    const TMerchant* inviter = IsAlive(FInviterWatch) ? FInviter : nullptr;
    if (inviter == nullptr || FInvitee == nullptr || inviter->Store == nullptr) return;
    Send(connection, BuildInvite(inviter->Id, FInvitee->Id, *inviter->Store));
  }
}

void TClient::ConnectionError(TConnectionId connection, const std::string& description) {
  if (FServer == connection) {
    Show("ERROR: " + description);
    FServerLossTold = true;
    FServer.reset();
    Connected = false;
    return;
  }
  if (FPeer && FPeer->Id == connection) {
    LosePeerLink();
    return;
  }
  CloseExtraLink(connection);
}

void TClient::ConnectionClosed(TConnectionId connection) {
  if (FServer == connection) {
    FServer.reset();
    if (Connected) LoseMarket();
    return;
  }
  if (FPeer && FPeer->Id == connection) {
    LosePeerLink();
    return;
  }
  CloseExtraLink(connection);
}

void TClient::ConnectionRequested(TConnectionId listener) {
  while (const auto connection = FConnections.Accept(listener)) {
    if (!FPeer) {
      FPeer.emplace(*connection);
    } else if (FExtra.size() < MaxExtraLinks) {
      FExtra.emplace_back(*connection);
    } else {
      FConnections.Close(*connection);
    }
  }
}

void TClient::DataArrived(TConnectionId connection, std::string_view bytes) {
  FMessages.Hold();
  HandleArrival(connection, bytes);
  FMessages.Release();
}

void TClient::HandleArrival(TConnectionId connection, std::string_view bytes) {
  if (FServer == connection) {
    ServerDataArrived(bytes);
  } else if (FPeer && FPeer->Id == connection) {
    PeerDataArrived(bytes);
  } else if (TPeerLink* link = FindExtraLink(connection)) {
    ExtraDataArrived(*link, bytes);
  }
}

void TClient::ServerDataArrived(std::string_view bytes) {
  const TConnectionId server = *FServer;
  for (const std::string& text : FServerFramer.Feed(bytes)) {
    if (FServer != server) return;
    const auto read = ReadServerMessage(text);
    if (read.Message) {
      HandleServerMessage(*read.Message);
    } else {
      Show(read.Problem);
    }
  }
  if (FServer == server && FServerFramer.Overflowed()) {
    Show(MessageTooLongText());
    FServerLossTold = true;
    LoseServer();
  }
}

void TClient::LoseServer() {
  if (FServer) FConnections.Close(*FServer);
  FServer.reset();
  Connected = false;
}

// Without the market server nobody new arrives and the others, who lost it too, no longer
// listen for invitations: the player is told, and only a partner he is trading with stays on
// his list, so that the trade under way can be finished over its own link.
void TClient::LoseMarket() {
  Show(Tr(ServerLostText));
  FServerLossTold = true;
  Disconnect();
  const TMerchant* player = Player();
  for (std::size_t index = FRemote.size(); index-- > 0;) {
    if (player == nullptr || player->Partner != FRemote[index].Merchant.get()) FreeRemote(index);
  }
}

void TClient::HandleServerMessage(const TServerMessage& message) {
  switch (message.Kind) {
    case TServerMessageKind::LoginAccept:
      LoginAccepted(message.Id);
      break;
    case TServerMessageKind::Entered:
      RemoteEntered(message);
      break;
    case TServerMessageKind::Left:
      RemoteLeft(message.Id);
      break;
    default:
      break;
  }
}

void TClient::LoginAccepted(std::int32_t id) {
  if (LocalMerchant == nullptr) return;
  LocalMerchant->Id = id;
  if (!Market.IsPresent(*LocalMerchant)) {
    std::int32_t err = 0;
    Market.EnterListed(*LocalMerchant, err);
  }
}

// A server may tell a player about himself, or about someone twice; he is listed once.
void TClient::RemoteEntered(const TServerMessage& message) {
  if (IsOurMerchant(message.Id) || FindRemote(message.Id) != nullptr) return;
  TRemote remote;
  remote.Store = std::make_unique<TTrade>();
  remote.Merchant = std::make_unique<TNetMerchant>(remote.Store.get(), message.Name, message.Address, message.Port, *this);
  remote.Merchant->ImageNo = message.ImageNo;
  remote.Merchant->Id = message.Id;
  TNetMerchant& merchant = *remote.Merchant;
  FRemote.push_back(std::move(remote));
  std::int32_t err = 0;
  Market.EnterListed(merchant, err);
}

void TClient::RemoteLeft(std::int32_t id) {
  const auto found = std::find_if(FRemote.begin(), FRemote.end(), [id](const TRemote& r) { return r.Merchant->Id == id; });
  if (found == FRemote.end()) {
    Show("LEAVE: No merchant matching id found.");
    return;
  }
  TMerchant* player = Player();
  if (LocalMerchant != nullptr && player != nullptr && player->Partner == found->Merchant.get()) {
    player->SetState(TMerchantState::Idle);
    ClosePeerLink();
  }
  FreeRemote(static_cast<std::size_t>(found - FRemote.begin()));
}

// Whatever still points at the merchant is cleared before it goes; its destruction dismisses a
// partner it still has, so the player hears that the trade has ended.
void TClient::FreeRemote(std::size_t index) {
  TNetMerchant* merchant = FRemote.at(index).Merchant.get();
  if (FInvitee == merchant) FInvitee = nullptr;
  if (FPeer && FPeer->Counterpart == merchant) ClosePeerLink();
  std::int32_t err = 0;
  Market.LeaveListed(*merchant, err);
  TRemote remote = std::move(FRemote.at(index));
  FRemote.erase(FRemote.begin() + static_cast<std::ptrdiff_t>(index));
}

TNetMerchant* TClient::FindRemote(std::int32_t id) const {
  for (const TRemote& remote : FRemote) {
    if (remote.Merchant->Id == id) return remote.Merchant.get();
  }
  return nullptr;
}

bool TClient::IsOurMerchant(std::int32_t id) const { return LocalMerchant != nullptr && LocalMerchant->Id == id; }

void TClient::PeerDataArrived(std::string_view bytes) {
  const TConnectionId peer = FPeer->Id;
  for (const std::string& text : FPeer->Framer.Feed(bytes)) {
    if (!FPeer || FPeer->Id != peer) return;
    HandlePeerText(text);
  }
  if (FPeer && FPeer->Id == peer && FPeer->Framer.Overflowed()) {
    Show(MessageTooLongText());
    LosePeerLink();
  }
}

void TClient::HandlePeerText(const std::string& text) {
  const auto read = ReadPeerMessage(text);
  if (read.Message) {
    HandlePeerMessage(*read.Message);
  } else {
    Show(read.Problem);
  }
}

// Only the player at the other end of this link may speak on it, and only to our merchant.
void TClient::HandlePeerMessage(const TPeerMessage& message) {
  TNetMerchant* from = FindRemote(message.FromId);
  if (from == nullptr || (FPeer->Counterpart != nullptr && FPeer->Counterpart != from)) {
    Show("From ID not found: " + std::to_string(message.FromId));
    return;
  }
  if (!IsOurMerchant(message.ToId)) {
    Show("To ID not found: " + std::to_string(message.ToId));
    return;
  }
  FPeer->Counterpart = from;
  ReplayPeerMessage(*from, message);
}

void TClient::ReplayPeerMessage(TNetMerchant& from, const TPeerMessage& message) {
  std::int32_t err = 0;
  switch (message.Kind) {
    case TPeerMessageKind::Busy:
      from.AnswerInvite(TAnswer::Busy, err);
      ClosePeerLink();
      break;
    case TPeerMessageKind::Invite:
      *from.Store = message.Store;
      from.Invite(*LocalMerchant, err);
      break;
    case TPeerMessageKind::InviteAnswer:
      *from.Store = message.Store;
      from.AnswerInvite(AnswerOf(message.Accepted), err);
      if (!message.Accepted) ClosePeerLink();
      break;
    case TPeerMessageKind::Dismiss:
      from.Dismiss(err);
      ClosePeerLink();
      break;
    case TPeerMessageKind::Proposal:
      from.Propose(message.Proposal, err);
      break;
    case TPeerMessageKind::ProposalAnswer:
      from.AnswerProposal(AnswerOf(message.Accepted), err);
      break;
    case TPeerMessageKind::Text:
      from.SendText(message.Text, err);
      break;
    case TPeerMessageKind::Unknown:
      Show("Unknown merchant message - " + message.Text);
      break;
  }
}

// While our player trades, anyone else who calls is told that he is busy. A caller who has
// not said who he is does not hold our player: the first one who does speaks on the peer link.
void TClient::ExtraDataArrived(TPeerLink& link, std::string_view bytes) {
  const TConnectionId connection = link.Id;
  const std::vector<std::string> texts = link.Framer.Feed(bytes);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto read = ReadPeerMessage(texts[i]);
    if (!read.Message) {
      Show(read.Problem);
    } else if (FindRemote(read.Message->FromId) == nullptr) {
      Show("From ID not found: " + std::to_string(read.Message->FromId));
    } else if (!IsOurMerchant(read.Message->ToId)) {
      Show("To ID not found: " + std::to_string(read.Message->ToId));
    } else if (!FPeer || FPeer->Counterpart == nullptr) {
      PromoteExtraLink(connection);
      HandlePeerMessage(*read.Message);
      for (++i; i < texts.size() && FPeer && FPeer->Id == connection; ++i) HandlePeerText(texts[i]);
      break;
    } else {
      Send(connection, BuildBusy(read.Message->ToId, read.Message->FromId));
    }
  }
  if (FPeer && FPeer->Id == connection) {
    if (FPeer->Framer.Overflowed()) {
      Show(MessageTooLongText());
      LosePeerLink();
    }
    return;
  }
  TPeerLink* still = FindExtraLink(connection);
  if (still != nullptr && still->Framer.Overflowed()) {
    Show(MessageTooLongText());
    FConnections.Close(connection);
    CloseExtraLink(connection);
  }
}

// The caller who held the peer link without a word is let go for one who spoke.
void TClient::PromoteExtraLink(TConnectionId connection) {
  TPeerLink* link = FindExtraLink(connection);
  if (FPeer) FConnections.Close(FPeer->Id);
  FPeer.emplace(std::move(*link));
  CloseExtraLink(connection);
}

TClient::TPeerLink* TClient::FindExtraLink(TConnectionId connection) {
  const auto found = std::find_if(FExtra.begin(), FExtra.end(), [connection](const TPeerLink& l) { return l.Id == connection; });
  return found == FExtra.end() ? nullptr : &*found;
}

void TClient::CloseExtraLink(TConnectionId connection) {
  std::erase_if(FExtra, [connection](const TPeerLink& l) { return l.Id == connection; });
}

void TClient::ClosePeerLink() {
  if (!FPeer) return;
  FConnections.Close(FPeer->Id);
  FPeer.reset();
}

// A link that breaks or is closed while our player still trades over it ends that trade: an
// invitation that never got through looks like a busy player, a trade under way is dismissed.
void TClient::LosePeerLink() {
  TNetMerchant* counterpart = FPeer->Counterpart;
  ClosePeerLink();
  TMerchant* player = Player();
  if (counterpart == nullptr || player == nullptr || player->Partner != counterpart) return;
  std::int32_t err = 0;
  if (player->State == TMerchantState::InviteSent) {
    counterpart->AnswerInvite(TAnswer::Busy, err);
  } else {
    counterpart->Dismiss(err);
  }
}

std::string ListenFailedText(std::int32_t port, const std::string& description) {
  // Translators: {0} is the port number, {1} the system's own reason, which stays as the system says it.
  return Tr("Andre spillere kan ikke nå deg: porten {0} kan ikke brukes ({1}).", port, description);
}

}  // namespace fjordheim
