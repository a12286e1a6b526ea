#include "gui/work/creature_divider.h"

#include <QKeyEvent>

#include "core/work/work_places.h"
#include "gui/work/creature.h"
#include "gui/work/creature_container.h"

namespace fjordheim {

namespace {

bool IsMarked(const TCustomCreature* icon) {
  const auto* animal = dynamic_cast<const TCreature*>(icon);
  return animal != nullptr && animal->State() == TCreature::Marked;
}

}  // namespace

TCreatureDivider::TCreatureDivider(QWidget* parent, const QPixmap& background) : TCustomDivider(parent, background) {
  SetKeyHelp(QString::fromStdString(Tr(SlaughterKeysHelp)));
}

bool TCreatureDivider::MayMark(TCustomCreature* icon) const {
  auto* animal = dynamic_cast<TCreature*>(icon);
  return animal != nullptr && (!OnMark || OnMark(*animal));
}

TCreatureContainer* TCreatureDivider::SlaughterContainer() const {
  for (const auto& container : Containers()) {
    auto* pen = dynamic_cast<TCreatureContainer*>(container.get());
    if (pen != nullptr && pen->IsSlaughter()) return pen;
  }
  return nullptr;
}

void TCreatureDivider::MouseDown(bool plain, int x, int y) {
  const TCustomCreature* hit = IconAt(x, y);
  if (hit != nullptr && IsMarked(hit)) return;
  TCustomDivider::MouseDown(plain, x, y);
}

bool TCreatureDivider::CanBandSelect(const TCustomCreature* icon) const { return !IsMarked(icon); }

TCustomContainer* TCreatureDivider::DropTargetAt(int x, int y) const {
  if (ChoppingBlockBounds.Contains(x, y)) return SlaughterContainer();
  return ContainerAt(x, y);
}

void TCreatureDivider::DragDrop(int x, int y) {
  TCustomContainer* target = DropTargetAt(x, y);
  QList<TCustomContainer*> oldContainers;
  for (TCustomCreature* icon : Dragged()) oldContainers.push_back(icon->Container());
  if (target != nullptr) {
    const auto* pen = dynamic_cast<const TCreatureContainer*>(target);
    const bool slaughter = pen != nullptr && pen->IsSlaughter();
    for (TCustomCreature* icon : Dragged()) {
      if (slaughter && !MayMark(icon)) continue;
      icon->SetContainer(target);
    }
  }
  Rearrange(target, oldContainers);
}

void TCreatureDivider::MarkSelected() {
  TCreatureContainer* pen = SlaughterContainer();
  if (pen == nullptr) return;
  QList<TCustomContainer*> oldContainers;
  for (TCustomCreature* icon : SelectedIcons()) {
    if (IsMarked(icon) || !MayMark(icon)) continue;
    oldContainers.push_back(icon->Container());
    icon->SetContainer(pen);
  }
  Rearrange(pen, oldContainers);
}

void TCreatureDivider::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    MarkSelected();
    return;
  }
  TCustomDivider::keyPressEvent(event);
}

}  // namespace fjordheim
