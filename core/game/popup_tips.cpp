#include "core/game/popup_tips.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/common/text.h"
#include "core/common/translation.h"
#include "core/settings/settings.h"

namespace fjordheim {
namespace {

constexpr std::string_view InfoSection = "INFO";
constexpr std::string_view TipPrefix = "POPUP";
constexpr std::array<std::string_view, 3> InfoKeys{"POPUP_COUNT", "POPUP_RANDOM", "POPUP_PERIOD"};
constexpr std::array<std::string_view, 3> TipKeys{"TEXT", "URL", "BITMAP"};

bool IsOneOf(std::string_view key, const std::array<std::string_view, 3>& keys) {
  return std::any_of(keys.begin(), keys.end(), [key](std::string_view known) { return EqualsIgnoringAsciiCase(key, known); });
}

// "POPUP7" names tip 7 the way the game writes it: digits without a leading zero.
bool IsTipSection(std::string_view section, std::int32_t popupCount) {
  if (section.size() <= TipPrefix.size() || !EqualsIgnoringAsciiCase(section.substr(0, TipPrefix.size()), TipPrefix)) {
    return false;
  }
  const std::string_view digits = section.substr(TipPrefix.size());
  if (digits.front() == '0') return false;
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return error == std::errc() && end == digits.data() + digits.size() && number >= 1 && number <= popupCount;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

TTip TPopupTips::Tip(std::int32_t number, const std::vector<std::string>& popupSections) const {
  TTip tip;
  const bool listed = number >= 1 && static_cast<std::size_t>(number) <= popupSections.size();
  const std::string section = listed ? popupSections[static_cast<std::size_t>(number) - 1] : std::string();
  // An empty name would find a "[]" section; no tip is ever named so.
  if (!section.empty()) tip.Text = FFile.ReadString(section, "TEXT", "");
  if (tip.Text.empty()) {
    tip.Text = Tr("Kan ikke finne node nummer {0}", number);
    return tip;
  }
  tip.Found = true;
  tip.PageName = FFile.ReadString(section, "URL", "");
  tip.MoreButton = !tip.PageName.empty();
  tip.PictureName = Trim(FFile.ReadString(section, "BITMAP", ""));
  return tip;
}

std::vector<std::string> TPopupTips::Problems(const std::string& sourceName, std::int32_t popupCount) const {
  std::vector<std::string> problems;
  const auto note = [&](std::string_view kind, std::string_view what) {
    problems.push_back(sourceName + ": " + std::string(kind) + ": " + Quoted(what));
  };
  for (const std::string& section : FFile.ReadSections()) {
    const bool info = EqualsIgnoringAsciiCase(section, InfoSection);
    if (!info && !IsTipSection(section, popupCount)) {
      note("ignored", "[" + section + "]");
      continue;
    }
    for (const std::string& key : FFile.ReadSection(section)) {
      if (!IsOneOf(key, info ? InfoKeys : TipKeys)) note("ignored", "[" + section + "] " + key);
    }
  }
  for (std::int32_t number = 1; number <= std::min(popupCount, TSettings::MaxPopupCount); ++number) {
    const std::string section = std::string(TipPrefix) + std::to_string(number);
    if (FFile.ReadString(section, "TEXT", "").empty()) note("missing", "[" + section + "] TEXT");
  }
  return problems;
}

}  // namespace fjordheim
