#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/common/translation.h"

namespace fjordheim {

/// One of the three lands a new chief may found the village in, as the map of the North
/// names it. The land decides only the goods the village starts with and makes each
/// winter; its people, animals and food are the same in every land.
struct TLand {
  std::string_view Name;
  /// The land's zone in the map's mask ("norden.map").
  std::uint8_t Zone = 0;
  /// The goods every village of this land makes each winter, as the map names them.
  std::string_view Goods;
};

/// The lands by their number (the start choice 0, 1, 2).
inline constexpr std::array<TLand, 3> Lands{{
    // Translators: a land's name and its goods stand on the map in a box about 95 pixels wide.
    {TrMark("Fjordlandet"), 97, TrMark("pels og jern")},
    {TrMark("Skoglandet"), 50, TrMark("pels, jern, smykker og våpen")},
    {TrMark("Sletta"), 128, TrMark("rav, smykker og våpen")},
}};

/// What the choice of land changes, said under the map.
inline constexpr const char* LandChoiceText =
    TrMark("Landet bestemmer hvilke varer bygda har til handel på markedet. Folket, dyrene og maten er de samme i alle "
           "tre.");

/// The number of the land whose zone this is; none for the sea or any other zone.
std::optional<std::uint8_t> LandOfZone(std::uint8_t zone);

}  // namespace fjordheim
