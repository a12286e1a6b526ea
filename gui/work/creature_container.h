#pragma once

#include "gui/work/custom_container.h"

namespace fjordheim {

/// The pen (laid out by kind) or the slaughter area (icons stay where dropped and are marked).
class TCreatureContainer : public TCustomContainer {
 public:
  TCreatureContainer(TCustomDivider* owner, const TWorkRect& bounds, bool autoArrange, bool isSlaughter)
      : TCustomContainer(owner, bounds), FAutoArrange(autoArrange), FIsSlaughter(isSlaughter) {}

  void Arrange() override;
  bool AutoArrange() const { return FAutoArrange; }
  bool IsSlaughter() const { return FIsSlaughter; }

 private:
  bool FAutoArrange;
  bool FIsSlaughter;
};

}  // namespace fjordheim
