#include "gui/work/creature_container.h"

#include "core/work/work_layout.h"
#include "gui/work/creature.h"

namespace fjordheim {

void TCreatureContainer::Arrange() {
  if (FIsSlaughter) {
    LayOutMeat();
    return;
  }
  if (!FAutoArrange) return;
  std::vector<TAnimalKind> kinds;
  QList<TCreature*> animals;
  for (TCustomCreature* icon : Items()) {
    if (auto* animal = dynamic_cast<TCreature*>(icon)) {
      animals.push_back(animal);
      kinds.push_back(animal->Kind());
    }
  }
  const std::vector<TIconPlace> places = ArrangeAnimalPen(Bounds(), kinds, animals.isEmpty() ? 0 : animals.front()->Bounds().Height());
  for (qsizetype i = 0; i < animals.size(); ++i) {
    animals[i]->MoveTo(places[static_cast<std::size_t>(i)].X, places[static_cast<std::size_t>(i)].Y);
  }
  Invalidate();
}

void TCreatureContainer::LayOutMeat() {
  if (Items().isEmpty()) return;
  const TWorkRect& piece = Items().front()->Bounds();
  const std::vector<TIconPlace> places =
      ArrangeMeat(Bounds(), static_cast<std::size_t>(Items().size()), piece.Width(), piece.Height());
  for (qsizetype i = 0; i < Items().size(); ++i) {
    Items()[i]->MoveTo(places[static_cast<std::size_t>(i)].X, places[static_cast<std::size_t>(i)].Y);
  }
  Invalidate();
}

}  // namespace fjordheim
