#include "gui/trade/goods_icon.h"

#include "gui/trade/goods_container.h"

namespace fjordheim {

TGoodsIcon::TGoodsIcon(TGoodsKind kind, int x, int y, std::int32_t owner, const TPictureList* images)
    : TCustomCreature(nullptr, x, y, images, nullptr, {GoodsCellWidth, GoodsCellHeight}), FKind(kind), FOwner(owner) {
  SetImageIndex(static_cast<int>(kind));
}

void TGoodsIcon::SetDragging(bool dragging) {
  if (dragging == FDragging) return;
  FDragging = dragging;
  if (TGoodsContainer* container = GoodsContainer()) container->Repaint();
}

TGoodsContainer* TGoodsIcon::GoodsContainer() const { return dynamic_cast<TGoodsContainer*>(Container()); }

}  // namespace fjordheim
