#include "gui/work/creature.h"

#include "gui/work/creature_container.h"

namespace fjordheim {

TCreature::TCreature(TCustomDivider* view, int x, int y, TAnimalKind kind, const TIconPictures* images,
                     TCustomContainer* container)
    : TCustomCreature(view, x, y, images, container, FallbackSize), FKind(kind) {
  SetImageIndex(static_cast<int>(kind));
}

void TCreature::SetState(std::uint8_t state) {
  if (state == FState) return;
  FState = state;
  SetImageIndex(static_cast<int>(FKind) + (state == Marked ? AnimalKindCount : 0));
  Invalidate();
}

void TCreature::SetContainer(TCustomContainer* container) {
  const auto* pen = dynamic_cast<TCreatureContainer*>(container);
  if (pen != nullptr && pen->IsSlaughter()) {
    SetSelected(false);
    SetState(Marked);
  }
  TCustomCreature::SetContainer(container);
}

}  // namespace fjordheim
