#pragma once

#include <QList>

#include <functional>

#include "gui/controls/goods_tip.h"
#include "gui/work/custom_divider.h"

namespace fjordheim {

class TGoodsContainer;
class TGoodsIcon;
class TSeparatedGoodsContainer;
class TTextBubbla;

/// The trading page's table scene: the two sides' goods, the table and the speech bubble
/// on the background picture. The player selects units by click, Shift or Ctrl click or a
/// band, and drags them; a container takes only units of its own side, and whatever it
/// does not take goes back to its place. The keys choose and move units as well.
class TGoodsDivider : public TCustomDivider {
 public:
  static constexpr QSize PageSize{640, 480};

  TGoodsDivider(QWidget* parent, const QPixmap& background);

  /// The containers belong to the market window; the page only shows them.
  void AddGoodsContainer(TGoodsContainer* container);
  /// The bubble (not owned) is drawn over the containers and under the units.
  void SetBubble(TTextBubbla* bubble) { FBubble = bubble; }
  TTextBubbla* Bubble() const { return FBubble; }
  /// The container at the point that takes dropped units, the last one added first.
  TGoodsContainer* GoodsContainerAt(int x, int y) const;
  QList<TGoodsIcon*> GoodsIcons() const;
  /// Lays every container out again, in the order they were added.
  void ArrangeAll();

  /// Moves the selected units onto the table, or back into their own side's container.
  void MoveSelectedToTable();
  void ReturnSelected();
  /// The table and each side's container, found among the containers shown.
  TSeparatedGoodsContainer* Table() const;
  TGoodsContainer* SideContainer(std::int32_t side) const;

  /// "Pels: 4": the unit's kind and how many of it lie with that side where the unit lies.
  QString KindLabel(const TGoodsIcon& icon) const;
  /// The label over the unit under the pointer or chosen by the keys; hidden when there is none.
  TGoodsTip* NameTip() const { return FNameTip; }

 protected:
  void MouseDown(bool plain, int x, int y) override;
  void DragDrop(int x, int y) override;
  void MouseUp() override;
  void PaintOverContainers(QPainter& painter, const TWorkRect& dirty) override;
  QRect KeyHelpRect() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void PutInto(TGoodsIcon* icon, TGoodsContainer* container);
  void ShowNameOf(const TGoodsIcon* icon);

  QList<TGoodsContainer*> FGoodsContainers;
  TTextBubbla* FBubble = nullptr;
  TGoodsTip* FNameTip = nullptr;
};

}  // namespace fjordheim
