#include "core/settings/language.h"

#include <algorithm>
#include <cctype>

#include "core/common/catalog.h"
#include "core/common/translation.h"

namespace fjordheim {
namespace {

std::string LowerCase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// "nn_NO.UTF-8@euro" → "nn".
std::string_view LanguagePart(std::string_view name) { return name.substr(0, name.find_first_of("_.@-")); }

}  // namespace

TLanguage::TLanguage(TLanguageCode code, const std::string& catalogFolder) : FCode(code) {
  if (code == TLanguageCode::Bokmal) return;
  FCatalog = std::make_shared<const TCatalog>(TCatalog::FromFolder(catalogFolder, LanguageTag(code)));
}

std::string TLanguage::DataFolder() const {
  if (FCode == TLanguageCode::Bokmal) return "";
  return std::string(LanguageTag(FCode)) + "\\";
}

void TLanguage::Use() const { UseCatalog(FCatalog); }

std::string_view LanguageTag(TLanguageCode code) {
  switch (code) {
    case TLanguageCode::Nynorsk:
      return "nn";
    case TLanguageCode::English:
      return "en";
    case TLanguageCode::Bokmal:
      break;
  }
  return "nb";
}

std::string_view LanguageOwnName(TLanguageCode code) {
  switch (code) {
    case TLanguageCode::Nynorsk:
      return "Nynorsk";
    case TLanguageCode::English:
      return "English";
    case TLanguageCode::Bokmal:
      break;
  }
  return "Bokmål";
}

std::optional<TLanguageCode> LanguageOfName(std::string_view name) {
  const std::string language = LowerCase(LanguagePart(name));
  if (language == "nn") return TLanguageCode::Nynorsk;
  if (language == "nb" || language == "no") return TLanguageCode::Bokmal;
  if (language == "en") return TLanguageCode::English;
  return std::nullopt;
}

std::optional<TLanguageCode> DesktopLanguage(const std::function<const char*(const char*)>& getValue) {
  const auto valueOf = [&getValue](const char* variable) {
    const char* value = getValue(variable);
    return std::string_view(value == nullptr ? "" : value);
  };
  std::string_view list = valueOf("LANGUAGE");
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    if (const std::optional<TLanguageCode> language = LanguageOfName(list.substr(0, colon))) return language;
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string_view value = valueOf(variable);
    if (!value.empty()) return LanguageOfName(value);
  }
  return std::nullopt;
}

}  // namespace fjordheim
