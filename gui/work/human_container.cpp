#include "gui/work/human_container.h"

#include <QPainter>

#include <algorithm>

#include "gui/work/human.h"

namespace fjordheim {

std::vector<TRowGroup> THumanContainer::RowGroups() const {
  std::vector<TRowGroup> groups;
  groups.reserve(static_cast<std::size_t>(Items().size()));
  for (const TCustomCreature* icon : Items()) {
    const auto* human = dynamic_cast<const THuman*>(icon);
    groups.push_back(human != nullptr ? RowGroupOf(*human->Person()) : TRowGroup::Other);
  }
  return groups;
}

int THumanContainer::Count(TRowGroup group) const {
  const std::vector<TRowGroup> groups = RowGroups();
  return static_cast<int>(std::count(groups.begin(), groups.end(), group));
}

void THumanContainer::MoveItems(const std::vector<std::optional<TIconPlace>>& places) {
  for (qsizetype i = 0; i < Items().size(); ++i) {
    TCustomCreature* icon = Items()[i];
    icon->SetSelected(false);
    const auto& place = places[static_cast<std::size_t>(i)];
    if (place) icon->MoveTo(place->X, place->Y);
  }
  Invalidate();
}

void THumanContainer::Arrange() { MoveItems(ArrangeHumanRows(Bounds(), RowGroups())); }

void THumanContainer::Paint(QPainter& painter) const {
  painter.setPen(QColor(0, 0, 255));
  const QFontMetrics metrics(painter.font());
  for (const TRowCount& label : HumanRowCounts(Bounds(), RowGroups())) {
    painter.drawText(label.X, label.Y + metrics.ascent(), QString::number(label.Count));
  }
}

}  // namespace fjordheim
