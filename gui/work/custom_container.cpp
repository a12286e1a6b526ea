#include "gui/work/custom_container.h"

#include "gui/work/custom_creature.h"
#include "gui/work/custom_divider.h"

namespace fjordheim {

TCustomContainer::~TCustomContainer() {
  // The icons outlive their container; they must not point at it afterwards.
  const QList<TCustomCreature*> items = FItems;
  for (TCustomCreature* icon : items) icon->SetContainer(nullptr);
}

void TCustomContainer::Invalidate() const {
  if (FView != nullptr) FView->Invalidate(FBounds);
}

}  // namespace fjordheim
