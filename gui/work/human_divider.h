#pragma once

#include <functional>

#include "core/village/human_info.h"
#include "gui/work/custom_divider.h"

namespace fjordheim {

class THumanContainer;

/// The work page: dropping people into a work place gives them that work. The keys 1 to 4
/// send the selected people to a work place and 0 back to the idle strip.
class THumanDivider : public TCustomDivider {
 public:
  explicit THumanDivider(QWidget* parent, const QPixmap& background);

  /// The container of a kind of work, or none.
  THumanContainer* ContainerOf(TWorkKind kind) const;
  /// Sends the icons into the container and gives their people its work; the old
  /// containers lay out again, as after a drop.
  void SendTo(const QList<TCustomCreature*>& icons, THumanContainer* target);

  /// Sets a person's work; without it the page sets `Work` itself.
  std::function<void(THumanInfo& person, TWorkKind kind)> OnSetWork;

 protected:
  void DragDrop(int x, int y) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace fjordheim
