#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace fjordheim {

/// The whole text as a decimal number within [lowest, highest]; nothing when the text is empty,
/// holds anything else, or the number is out of range.
template <typename TNumber>
std::optional<TNumber> ParseCheckedNumber(std::string_view text, TNumber lowest, TNumber highest) {
  TNumber value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

}  // namespace fjordheim
