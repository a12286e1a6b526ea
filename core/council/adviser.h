#pragma once

#include <array>

#include "core/council/advice_node.h"

namespace fjordheim {

/// One of the five who sit in the council: a name, the area spoken for in a few words a child
/// reads under the figure, and a sentence for the pointer resting on the figure.
struct TAdviser {
  const char* Name;
  const char* Role;
  const char* Hint;
};

/// The advisers by advice area. The one of the last area is the eldest, who speaks for the
/// council as a whole.
inline constexpr std::array<TAdviser, AdviceAreaCount> Advisers{{
    {"Håkon", "folk og hushold", "Håkon gir råd om folket: hvem som skal arbeide, og om husholdningen."},
    {"Åsmund", "dyrene", "Åsmund gir råd om kyrne, grisene, sauene og hønsene."},
    {"Bjørn", "jakt og fiske", "Bjørn gir råd om jakt i skogen og fiske på fjorden."},
    {"Ketil", "åkeren", "Ketil gir råd om åkeren, kornet og høyet."},
    {"Gudrun", "taler for rådet", "Gudrun er den kloke i rådet. Hun taler for hele rådet og gir råd om handel."},
}};

inline const TAdviser& AdviserOf(TAdviceArea area) { return Advisers[static_cast<std::size_t>(area)]; }

}  // namespace fjordheim
