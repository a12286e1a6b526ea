#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/village/human_info.h"
#include "core/common/translation.h"
#include "core/work/work_rect.h"

namespace fjordheim {

/// One work place of the work page, with the looping sound heard while the pointer is over it.
struct TWorkPlace {
  TWorkKind Kind = TWorkKind::Idle;
  TWorkRect Bounds;
  /// A game path in the sound folder.
  const char* Sound = "";
};

/// The four work places in the order the page creates them and the pointer finds them.
inline constexpr std::array<TWorkPlace, 4> WorkPlaces{{
    {TWorkKind::HuntFish, {53, 87, 246, 286}, "stereo\\jaktfisk.wav"},
    {TWorkKind::Cattle, {256, 87, 450, 286}, "stereo\\boskap.wav"},
    {TWorkKind::Household, {256, 287, 450, 434}, "stereo\\hushåll.wav"},
    {TWorkKind::Farming, {53, 287, 246, 434}, "stereo\\jordbruk.wav"},
}};

inline constexpr TWorkRect IdleStripBounds{188, 4, 543, 64};
inline constexpr TWorkRect AnimalPenBounds{53, 43, 449, 222};
inline constexpr TWorkRect SlaughterPenBounds{53, 240, 449, 413};
/// The chopping block beside the slaughter place, where its picture shows it: an animal
/// dropped on the block is marked as one dropped on the slaughter place.
inline constexpr TWorkRect ChoppingBlockBounds{462, 254, 540, 346};

/// The work a digit key sends the selected people to: 1 hunting and fishing, 2 livestock,
/// 3 household, 4 farming, 0 back to the idle strip; none for any other key.
std::optional<TWorkKind> WorkKindForDigit(int digit);

/// The key help shown at the foot of the work page and of the slaughter page.
inline constexpr const char* WorkKeysHelp =
    // Translators: two short lines under the work page; the names of the keys stay as they are.
    TrMark("Velg: piltaster (Shift: flere), mellomrom, Ctrl+A: alle\n"
           "Send: 1 jakt og fiske, 2 husdyr, 3 husholdning, 4 jordbruk, 0 ledig");
inline constexpr const char* SlaughterKeysHelp =
    // Translators: two short lines under the slaughter page; the names of the keys stay as they are.
    TrMark("Velg: piltaster (Shift: flere), mellomrom, Ctrl+A: alle\n"
           "Delete: merk de valgte dyrene for slakt");

/// Which work place's sound plays while the pointer moves over the work page: 1 to 4 for
/// the places in table order, 0 for none.
class TWorkAreaSound {
 public:
  /// What the page should do after a pointer move.
  struct TAction {
    enum class TKind : unsigned char { Nothing, Play, Stop } Kind = TKind::Nothing;
    /// The sound to loop on channel 1 when Kind is Play.
    std::string Sound;
  };

  /// A move to (x, y): a new area starts its sound once, leaving every area stops it.
  TAction Move(int x, int y);
  int CurrentArea() const { return FCurrent; }

 private:
  int FCurrent = 0;
};

}  // namespace fjordheim
