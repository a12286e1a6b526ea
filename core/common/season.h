#pragma once

#include <cstdint>

namespace fjordheim {

/// The season of the village; stored in one byte. The simulation steps it 0, 1, 2, 3, 0, ...
/// and adds one to the year when it leaves Winter.
enum class TSeason : std::uint8_t { Autumn = 0, Winter = 1, Spring = 2, Summer = 3 };

/// The situation a council meeting is held in: one numbering for the advice pools, the six
/// decision files and the turn cycle's choice between them. Fire and Frost replace the
/// season for one meeting after such a catastrophe.
enum class TAdviceSeason : std::uint8_t { Summer = 0, Autumn = 1, Winter = 2, Spring = 3, Fire = 4, Frost = 5 };

inline constexpr int SeasonCount = 4;
inline constexpr int AdviceSeasonCount = 6;

}  // namespace fjordheim
