// The server link as both ends read it: any bytes, cut into arrivals of any size, give whole
// messages within the size limit, each either read or refused with a reason, and whatever the
// game reads from the server it can write again and read back to the same fields.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/trade/client_message.h"
#include "core/trade/message_framer.h"
#include "core/trade/server_message.h"

using namespace fjordheim;

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

TServerMessage ReadBack(const std::string& bytes) {
  TMessageFramer framer(TFraming::ServerLink);
  const auto messages = framer.Feed(bytes);
  Require(messages.size() == 1);
  const auto read = ReadServerMessage(messages.front());
  Require(read.Message.has_value());
  return *read.Message;
}

void CheckRewrite(const TServerMessage& message) {
  switch (message.Kind) {
    case TServerMessageKind::LoginAccept:
      Require(ReadBack(BuildLoginAccept(message.Id)).Id == message.Id);
      break;
    case TServerMessageKind::Left:
      Require(ReadBack(BuildLeft(message.Id)).Id == message.Id);
      break;
    case TServerMessageKind::Entered: {
      const TServerMessage again =
          ReadBack(BuildEntered(message.Id, message.Address, message.Port, message.ImageNo, message.Name));
      Require(again.Id == message.Id && again.Address == message.Address && again.Port == message.Port &&
              again.ImageNo == message.ImageNo && again.Name == message.Name);
      break;
    }
    default:
      Require(false);
  }
}

void CheckMessage(const std::string& message) {
  Require(message.size() <= TMessageFramer::MaxMessageBytes);
  const auto fromServer = ReadServerMessage(message);
  Require(fromServer.Message.has_value() != !fromServer.Problem.empty());
  if (fromServer.Message) CheckRewrite(*fromServer.Message);
  const auto fromGame = ReadClientMessage(message);
  Require(fromGame.Message.has_value() != !fromGame.Problem.empty());
  if (fromGame.Message && fromGame.Message->Kind == TClientMessageKind::Login) {
    Require(fromGame.Message->Name.size() <= 3 * MaxNameBytes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = 1 + data[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  TMessageFramer framer(TFraming::ServerLink);
  for (std::size_t at = 0; at < bytes.size() && !framer.Overflowed(); at += piece) {
    for (const std::string& message : framer.Feed(bytes.substr(at, piece))) CheckMessage(message);
    Require(framer.PendingBytes() <= TMessageFramer::MaxMessageBytes);
  }
  return 0;
}
