#pragma once

#include <functional>

#include "gui/work/custom_divider.h"

namespace fjordheim {

class TCreature;
class TCreatureContainer;

/// The slaughter page: animals dropped into the slaughter area are marked and stay there;
/// marked animals cannot be picked up again. Delete marks the selected animals.
class TCreatureDivider : public TCustomDivider {
 public:
  explicit TCreatureDivider(QWidget* parent, const QPixmap& background);

  /// Marks the selected live animals by putting them into the slaughter area, laid out
  /// after the animals already there.
  void MarkSelected();
  TCreatureContainer* SlaughterContainer() const;
  /// Asked before an animal goes into the slaughter area; false leaves it in the pen.
  std::function<bool(TCreature& animal)> OnMark;

 protected:
  void MouseDown(bool plain, int x, int y) override;
  void DragDrop(int x, int y) override;
  bool CanBandSelect(const TCustomCreature* icon) const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool MayMark(TCustomCreature* icon) const;
};

}  // namespace fjordheim
