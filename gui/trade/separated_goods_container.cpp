#include "gui/trade/separated_goods_container.h"

#include "gui/trade/goods_icon.h"

namespace fjordheim {

void TSeparatedGoodsContainer::Arrange() {
  const QList<TGoodsIcon*> icons = GoodsIcons();
  std::vector<TGoodsUnit> units;
  units.reserve(static_cast<std::size_t>(icons.size()));
  for (const TGoodsIcon* icon : icons) units.push_back(icon->Unit());
  const int iconHeight = icons.isEmpty() ? GoodsCellHeight : icons.front()->Bounds().Height();
  const std::vector<TIconPlace> places = ArrangeGoodsTable(Bounds(), MarginY, TopOwner, units, iconHeight);
  for (qsizetype i = 0; i < icons.size(); ++i) {
    icons[i]->SetSelected(false);
    icons[i]->MoveTo(places[static_cast<std::size_t>(i)].X, places[static_cast<std::size_t>(i)].Y);
  }
  Invalidate();
}

}  // namespace fjordheim
