#pragma once

#include <cstdint>

#include "core/trade/goods_layout.h"
#include "gui/work/custom_creature.h"

namespace fjordheim {

class TGoodsContainer;

/// One unit of goods on the trading page: a picture of its kind that the player drags
/// between the two sides' containers and the table.
class TGoodsIcon : public TCustomCreature {
 public:
  /// Placed at (x, y) and sized as the goods pictures; joins no view and no container yet.
  TGoodsIcon(TGoodsKind kind, int x, int y, std::int32_t owner, const TPictureList* images);

  TGoodsKind Kind() const { return FKind; }
  std::int32_t Owner() const { return FOwner; }
  /// The table hands a traded unit to its new owner.
  void SetOwner(std::int32_t owner) { FOwner = owner; }
  bool Dragging() const { return FDragging; }
  /// A dragged unit no longer counts in its container, whose dots are drawn again.
  void SetDragging(bool dragging);
  TGoodsContainer* GoodsContainer() const;
  TGoodsUnit Unit() const { return {FKind, FOwner}; }

 private:
  TGoodsKind FKind;
  std::int32_t FOwner;
  bool FDragging = false;
};

}  // namespace fjordheim
