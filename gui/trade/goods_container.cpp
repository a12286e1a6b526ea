#include "gui/trade/goods_container.h"

#include <QPainter>

#include "gui/trade/goods_icon.h"

namespace fjordheim {

TGoodsContainer::TGoodsContainer(TCustomDivider* view, std::int32_t owner, const TWorkRect& bounds)
    : TCustomContainer(view, bounds), FOwner(owner) {
  Demands.fill(3);
}

bool TGoodsContainer::Takes(const TGoodsIcon& icon) const { return TakesUnitOf(FOwner, icon.Owner()); }

QList<TGoodsIcon*> TGoodsContainer::GoodsIcons() const {
  QList<TGoodsIcon*> icons;
  for (TCustomCreature* item : Items()) {
    if (auto* icon = dynamic_cast<TGoodsIcon*>(item)) icons.push_back(icon);
  }
  return icons;
}

TUnitCounts TGoodsContainer::PresentUnits() const {
  TUnitCounts present{};
  for (const TGoodsIcon* icon : GoodsIcons()) {
    if (!icon->Dragging()) ++present[static_cast<std::size_t>(icon->Kind())];
  }
  return present;
}

void TGoodsContainer::Arrange() {
  const QList<TGoodsIcon*> icons = GoodsIcons();
  std::vector<TGoodsKind> kinds;
  kinds.reserve(static_cast<std::size_t>(icons.size()));
  for (const TGoodsIcon* icon : icons) kinds.push_back(icon->Kind());
  const int iconWidth = icons.isEmpty() ? GoodsCellWidth : icons.front()->Bounds().Width();
  const std::vector<TIconPlace> places = ArrangeGoodsGrid(Bounds(), MarginX, MarginY, kinds, iconWidth);
  for (qsizetype i = 0; i < icons.size(); ++i) {
    icons[i]->SetSelected(false);
    icons[i]->MoveTo(places[static_cast<std::size_t>(i)].X, places[static_cast<std::size_t>(i)].Y);
  }
  Invalidate();
}

void TGoodsContainer::Paint(QPainter& painter) const {
  painter.save();
  painter.setPen(QPen(QColor(255, 0, 0), 1));
  painter.setBrush(QColor(255, 0, 0));
  for (const TWorkRect& dot : MissingDemandDots(Bounds(), MarginX, MarginY, Demands, PresentUnits())) {
    painter.drawEllipse(QRect(dot.Left, dot.Top, dot.Width() - 1, dot.Height() - 1));
  }
  painter.restore();
}

}  // namespace fjordheim
