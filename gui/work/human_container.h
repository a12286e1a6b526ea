#pragma once

#include <vector>

#include "core/village/human_info.h"
#include "core/work/work_layout.h"
#include "gui/work/custom_container.h"

namespace fjordheim {

/// A work place: its people in three rows (men, women, youths) with a count beside each row.
class THumanContainer : public TCustomContainer {
 public:
  THumanContainer(TCustomDivider* owner, const TWorkRect& bounds, TWorkKind kind)
      : TCustomContainer(owner, bounds), FKind(kind) {}

  void Arrange() override;
  void Paint(QPainter& painter) const override;

  TWorkKind Kind() const { return FKind; }
  int CountAdultMen() const { return Count(TRowGroup::AdultMan); }
  int CountAdultWomen() const { return Count(TRowGroup::AdultWoman); }
  int CountYouths() const { return Count(TRowGroup::Youth); }

 protected:
  std::vector<TRowGroup> RowGroups() const;
  void MoveItems(const std::vector<std::optional<TIconPlace>>& places);

 private:
  int Count(TRowGroup group) const;
  TWorkKind FKind;
};

}  // namespace fjordheim
