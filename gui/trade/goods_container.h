#pragma once

#include <QList>

#include <cstdint>

#include "core/trade/goods_layout.h"
#include "gui/work/custom_container.h"

namespace fjordheim {

class TGoodsIcon;

/// A side's goods on the trading page: a row per kind, and a red dot for every unit the
/// side wants and the container does not hold.
class TGoodsContainer : public TCustomContainer {
 public:
  /// Takes the units of owner (SideAny: of both sides); wants 3 of every kind at first.
  TGoodsContainer(TCustomDivider* view, std::int32_t owner, const TWorkRect& bounds);

  void Arrange() override;
  void Paint(QPainter& painter) const override;
  void Repaint() const { Invalidate(); }

  std::int32_t Owner() const { return FOwner; }
  bool Takes(const TGoodsIcon& icon) const;
  /// The goods icons lying here, in order.
  QList<TGoodsIcon*> GoodsIcons() const;
  /// The units lying here that are not being dragged, per kind.
  TUnitCounts PresentUnits() const;

  TGoodsCounts Demands;
  int MarginX = 2;
  int MarginY = 2;

 private:
  std::int32_t FOwner;
};

}  // namespace fjordheim
