#pragma once

#include <cstdint>

#include "core/village/human_info.h"
#include "gui/work/custom_creature.h"

namespace fjordheim {

/// The icon of one animal; state 1 marks it for slaughter and shows the marked picture.
class TCreature : public TCustomCreature {
 public:
  static constexpr QSize FallbackSize{28, 26};
  static constexpr std::uint8_t Alive = 0;
  static constexpr std::uint8_t Marked = 1;

  TCreature(TCustomDivider* view, int x, int y, TAnimalKind kind, const TIconPictures* images,
            TCustomContainer* container);

  void SetState(std::uint8_t state);
  /// Entering a slaughter container deselects the icon and marks it.
  void SetContainer(TCustomContainer* container) override;

  TAnimalKind Kind() const { return FKind; }
  std::uint8_t State() const { return FState; }

 private:
  TAnimalKind FKind;
  std::uint8_t FState = Alive;
};

}  // namespace fjordheim
