#include "core/trade/client_message.h"

#include "core/trade/server_message.h"

namespace fjordheim {
std::string BuildLogin(std::int32_t listenPort, std::int32_t imageNo, std::string_view name) {
  return "LOGIN PORT " + std::to_string(listenPort) + " IMAGE " + std::to_string(imageNo) + " NAME " +
         WireText(name, MaxNameBytes) + " ENDMESSAGE";
}

std::string BuildLogout() { return "LOGOUT"; }

TReadResult<TClientMessage> ReadClientMessage(std::string_view message) {
  if (message == "LOGOUT") return {TClientMessage{}, {}};
  const auto [keyword, rest] = SplitKeyword(message);
  if (keyword != "LOGIN") return {std::nullopt, "Unknown message: " + ShownKeyword(keyword)};
  TFieldReader fields(rest);
  fields.SetKeyword(keyword);
  TClientMessage read;
  read.Kind = TClientMessageKind::Login;
  ReadPortImageName(fields, read.Port, read.ImageNo, read.Name);
  if (!fields.Ok()) return {std::nullopt, fields.Problem()};
  return {read, {}};
}

}  // namespace fjordheim
