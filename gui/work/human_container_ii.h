#pragma once

#include "gui/work/human_container.h"

namespace fjordheim {

/// The idle strip: one row of people and no counts.
class THumanContainerII : public THumanContainer {
 public:
  THumanContainerII(TCustomDivider* owner, const TWorkRect& bounds, TWorkKind kind)
      : THumanContainer(owner, bounds, kind) {}

  void Arrange() override;
  void Paint(QPainter& painter) const override { (void)painter; }
};

}  // namespace fjordheim
