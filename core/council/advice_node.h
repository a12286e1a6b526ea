#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/season.h"

namespace fjordheim {

/// The five areas of village work; the value is also the adviser's place in the meeting.
enum class TAdviceArea : std::uint8_t { People = 0, Cattle = 1, Hunting = 2, Agriculture = 3, Miscellaneous = 4 };

inline constexpr int AdviceAreaCount = 5;

/// The keywords of advice.txt, in the order of the values they stand for.
inline constexpr std::array<std::string_view, AdviceAreaCount> AdviceAreaKeywords = {
    "PEOPLE", "CATTLE", "HUNTING", "AGRICULTURE", "MISCELLANEOUS"};
inline constexpr std::array<std::string_view, AdviceSeasonCount> AdviceSeasonKeywords = {
    "SUMMER", "AUTUMN", "WINTER", "SPRING", "FIRE", "FROST"};

/// One piece of advice: what an adviser says and the recording (relative to the sound
/// folder) in which he says it.
struct TAdviceNode {
  TAdviceArea Area = TAdviceArea::People;
  std::string Text;
  std::string Sound;
};

}  // namespace fjordheim
