#pragma once

#include <array>

#include "core/common/translation.h"
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
    // Translators: each role stands under the adviser's name on a small plate (about 16 letters).
    {"Håkon", TrMark("folk og hushold"), TrMark("Håkon gir råd om folket: hvem som skal arbeide, og om husholdningen.")},
    {"Åsmund", TrMark("dyrene"), TrMark("Åsmund gir råd om kyrne, grisene, sauene og hønsene.")},
    {"Bjørn", TrMark("jakt og fiske"), TrMark("Bjørn gir råd om jakt i skogen og fiske på fjorden.")},
    {"Ketil", TrMark("åkeren"), TrMark("Ketil gir råd om åkeren, kornet og høyet.")},
    {"Gudrun", TrMark("taler for rådet"),
     TrMark("Gudrun er den kloke i rådet. Hun taler for hele rådet og gir råd om handel.")},
}};

inline const TAdviser& AdviserOf(TAdviceArea area) { return Advisers[static_cast<std::size_t>(area)]; }

}  // namespace fjordheim
