#include "gui/work/human_divider.h"

#include <QKeyEvent>

#include "core/work/work_places.h"
#include "gui/work/human.h"
#include "gui/work/human_container.h"

namespace fjordheim {

THumanDivider::THumanDivider(QWidget* parent, const QPixmap& background) : TCustomDivider(parent, background) {
  SetKeyHelp(QString::fromStdString(Tr(WorkKeysHelp)));
}

THumanContainer* THumanDivider::ContainerOf(TWorkKind kind) const {
  for (const auto& container : Containers()) {
    auto* human = dynamic_cast<THumanContainer*>(container.get());
    if (human != nullptr && human->Kind() == kind) return human;
  }
  return nullptr;
}

void THumanDivider::SendTo(const QList<TCustomCreature*>& icons, THumanContainer* target) {
  QList<TCustomContainer*> oldContainers;
  for (TCustomCreature* icon : icons) oldContainers.push_back(icon->Container());
  if (target != nullptr) {
    for (TCustomCreature* icon : icons) {
      icon->SetContainer(target);
      auto* human = dynamic_cast<THuman*>(icon);
      if (human == nullptr) continue;
      if (OnSetWork) {
        OnSetWork(*human->Person(), target->Kind());
      } else {
        human->Person()->Work = target->Kind();
      }
    }
  }
  Rearrange(target, oldContainers);
}

void THumanDivider::DragDrop(int x, int y) {
  SendTo(Dragged(), dynamic_cast<THumanContainer*>(ContainerAt(x, y)));
}

void THumanDivider::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key < Qt::Key_0 || key > Qt::Key_9) {
    TCustomDivider::keyPressEvent(event);
    return;
  }
  const auto kind = WorkKindForDigit(key - Qt::Key_0);
  if (!kind) return;
  THumanContainer* target = ContainerOf(*kind);
  const QList<TCustomCreature*> selected = SelectedIcons();
  if (target != nullptr && !selected.isEmpty()) SendTo(selected, target);
}

}  // namespace fjordheim
