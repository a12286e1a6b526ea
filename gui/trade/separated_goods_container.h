#pragma once

#include "gui/trade/goods_container.h"

namespace fjordheim {

/// The trading table: the top owner's offered units in the top row, the other side's at
/// the bottom edge, both rows ordered by kind and centred. It draws no dots.
class TSeparatedGoodsContainer : public TGoodsContainer {
 public:
  using TGoodsContainer::TGoodsContainer;

  void Arrange() override;
  void Paint(QPainter& painter) const override { (void)painter; }

  std::int32_t TopOwner = SideCounterpart;
  std::int32_t BottomOwner = SidePlayer;
};

}  // namespace fjordheim
