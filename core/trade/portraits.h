#pragma once

#include <cstdint>

#include "core/village/human_info.h"

namespace fjordheim {

/// The portraits of the face choice and the market ("face" + number, "trade" + number).
inline constexpr std::int32_t PortraitCount = 12;

/// Whom a portrait shows: the even numbers are men, the odd ones women. A number outside the
/// portraits shows a man, as the game's own lines speak of a merchant it does not know.
TSex PortraitSex(std::int32_t imageNo);

}  // namespace fjordheim
