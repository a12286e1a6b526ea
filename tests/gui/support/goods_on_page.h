#pragma once

#include <QList>
#include <QPoint>

#include "gui/trade/goods_container.h"
#include "gui/trade/goods_icon.h"

namespace fjordheim {

// The middle of a unit on the trading page, in game pixels.
inline QPoint Centre(const TGoodsIcon* icon) {
  const TWorkRect& b = icon->Bounds();
  return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
}

inline QList<TGoodsIcon*> UnitsOf(TGoodsContainer* container, TGoodsKind kind) {
  QList<TGoodsIcon*> units;
  for (TGoodsIcon* icon : container->GoodsIcons()) {
    if (icon->Kind() == kind) units.push_back(icon);
  }
  return units;
}

}  // namespace fjordheim
