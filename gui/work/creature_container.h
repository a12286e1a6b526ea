#pragma once

#include "gui/work/custom_container.h"

namespace fjordheim {

/// The pen (laid out by kind when it arranges itself) or the slaughter table, where the
/// marked animals lie as meat side by side.
class TCreatureContainer : public TCustomContainer {
 public:
  TCreatureContainer(TCustomDivider* owner, const TWorkRect& bounds, bool autoArrange, bool isSlaughter)
      : TCustomContainer(owner, bounds), FAutoArrange(autoArrange), FIsSlaughter(isSlaughter) {}

  void Arrange() override;
  bool AutoArrange() const { return FAutoArrange; }
  bool IsSlaughter() const { return FIsSlaughter; }

 private:
  void LayOutMeat();

  bool FAutoArrange;
  bool FIsSlaughter;
};

}  // namespace fjordheim
