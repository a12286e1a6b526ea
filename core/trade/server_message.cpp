#include "core/trade/server_message.h"

#include <algorithm>

#include "core/common/text.h"

namespace fjordheim {
namespace {

TServerMessageKind KindOf(std::string_view keyword) {
  const auto* found = std::find(ServerMessageKeywords.begin(), ServerMessageKeywords.end(), keyword);
  if (found == ServerMessageKeywords.end()) return TServerMessageKind::Unknown;
  return static_cast<TServerMessageKind>(found - ServerMessageKeywords.begin());
}

TReadResult<TServerMessage> Refused(std::string problem) { return {std::nullopt, std::move(problem)}; }

std::int32_t ReadId(TFieldReader& fields) {
  fields.ExpectLabel("ID");
  return static_cast<std::int32_t>(fields.ReadNumber(0, MaxMarketId));
}

void ReadEntered(TFieldReader& fields, TServerMessage& message) {
  message.Id = ReadId(fields);
  fields.ExpectLabel("IP");
  message.Address = fields.ReadWord();
  ReadPortImageName(fields, message.Port, message.ImageNo, message.Name);
}

}  // namespace

void ReadPortImageName(TFieldReader& fields, std::int32_t& port, std::int32_t& imageNo, std::string& name) {
  fields.ExpectLabel("PORT");
  port = static_cast<std::int32_t>(fields.ReadNumber(0, MaxPortNumber));
  fields.ExpectLabel("IMAGE");
  imageNo = static_cast<std::int32_t>(fields.ReadNumber(0, MaxImageNo));
  fields.ExpectLabel("NAME");
  name = fields.ReadText(MaxNameBytes);
}

std::string ShownKeyword(std::string_view keyword) {
  return Utf8From1252(CleanWireText(keyword, TFieldReader::MaxWordBytes));
}

std::pair<std::string_view, std::string_view> SplitKeyword(std::string_view message) {
  const std::size_t blank = message.find(' ');
  if (blank == std::string_view::npos) return {std::string_view(), message};
  return {message.substr(0, blank), message.substr(blank + 1)};
}

TReadResult<TServerMessage> ReadServerMessage(std::string_view message) {
  const auto [keyword, rest] = SplitKeyword(message);
  TServerMessage read;
  read.Kind = KindOf(keyword);
  switch (read.Kind) {
    case TServerMessageKind::Unknown:
      return Refused("Unknown message: " + ShownKeyword(keyword));
    case TServerMessageKind::Login:
      return Refused("Message not allowed: " + ShownKeyword(keyword));
    default:
      break;
  }
  TFieldReader fields(rest);
  fields.SetKeyword(keyword);
  if (read.Kind == TServerMessageKind::Entered) {
    ReadEntered(fields, read);
  } else {
    read.Id = ReadId(fields);
  }
  if (!fields.Ok()) return Refused(fields.Problem());
  return {read, {}};
}

std::string BuildLoginAccept(std::int32_t id) { return "LOGINACCEPT ID " + std::to_string(id) + " ENDMESSAGE"; }

std::string BuildEntered(std::int32_t id, std::string_view address, std::int32_t port, std::int32_t imageNo,
                         std::string_view name) {
  return "ENTERED ID " + std::to_string(id) + " IP " + WireText(address, TFieldReader::MaxWordBytes) + " PORT " + std::to_string(port) +
         " IMAGE " + std::to_string(imageNo) + " NAME " + WireText(name, MaxNameBytes) + " ENDMESSAGE";
}

std::string BuildLeft(std::int32_t id) { return "LEFT ID " + std::to_string(id) + " ENDMESSAGE"; }

std::string WireText(std::string_view utf8, std::size_t maxBytes) {
  return CleanWireText(Cp1252FromUtf8(utf8), maxBytes);
}

}  // namespace fjordheim
