#include "core/trade/field_reader.h"

#include <charconv>

#include "core/common/text.h"

namespace fjordheim {

TFieldReader::TFieldReader(std::string_view message) : FRest(message), FExhausted(message.empty()) {}

std::optional<std::string_view> TFieldReader::NextField() {
  if (!Ok() || FExhausted) return std::nullopt;
  const std::size_t blank = FRest.find(' ');
  const std::string_view field = FRest.substr(0, blank);
  if (blank == std::string_view::npos) {
    FRest = {};
    FExhausted = true;
  } else {
    FRest.remove_prefix(blank + 1);
  }
  return field;
}

void TFieldReader::MarkBad(std::string_view what) {
  if (!Ok()) return;
  FProblem = FKeyword + ": " + std::string(what);
}

std::string TFieldReader::ReadWord() {
  const auto field = NextField();
  if (!field) {
    MarkBad("Wrong parameters");
    return {};
  }
  if (field->size() > MaxWordBytes) {
    MarkBad("Feltet er for langt");
    return {};
  }
  return Utf8From1252(CleanWireText(*field, MaxWordBytes));
}

std::int64_t TFieldReader::ReadNumber(std::int64_t min, std::int64_t max) {
  const auto field = NextField();
  if (!field) {
    MarkBad("Wrong parameters");
    return 0;
  }
  std::int64_t value = 0;
  const char* end = field->data() + field->size();
  const auto [stop, error] = std::from_chars(field->data(), end, value);
  if (field->empty() || error != std::errc() || stop != end || value < min || value > max) {
    MarkBad("Ugyldig tall: " + Utf8From1252(CleanWireText(*field, MaxWordBytes)));
    return 0;
  }
  return value;
}

void TFieldReader::ExpectLabel(std::string_view label) {
  const auto field = NextField();
  if (!field || *field != label) MarkBad("Wrong parameters");
}

std::string TFieldReader::ReadText(std::size_t maxBytes) {
  if (!Ok()) return {};
  const std::string text = CleanWireText(FRest, maxBytes);
  FRest = {};
  FExhausted = true;
  return Utf8From1252(text);
}

// The terminator is looked for after the control characters are gone, since removing them can
// join one out of its pieces ("E\0NDMESSAGE").
std::string CleanWireText(std::string_view text, std::size_t maxBytes) {
  std::string clean;
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 32 && code != 127) clean += c;
  }
  const std::size_t end = clean.find("ENDMESSAGE");
  if (end != std::string::npos) clean.erase(end);
  if (clean.size() > maxBytes) clean.resize(maxBytes);
  return clean;
}

}  // namespace fjordheim
