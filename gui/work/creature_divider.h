#pragma once

#include <functional>

#include "gui/work/custom_divider.h"

namespace fjordheim {

class TCreature;
class TCreatureContainer;

/// The slaughter page: animals dropped on the slaughter table or the chopping block are
/// marked and lie on the table as meat; marked animals cannot be picked up again. Delete
/// marks the selected animals.
class TCreatureDivider : public TCustomDivider {
 public:
  explicit TCreatureDivider(QWidget* parent, const QPixmap& background);

  /// Marks the selected live animals by putting them on the slaughter table, laid out
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
  /// The container a drop at (x, y) goes into: the chopping block stands for the table.
  TCustomContainer* DropTargetAt(int x, int y) const;
  bool MayMark(TCustomCreature* icon) const;
};

}  // namespace fjordheim
