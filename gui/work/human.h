#pragma once

#include "core/village/human_info.h"
#include "gui/work/custom_creature.h"

namespace fjordheim {

/// The icon of a villager; its picture follows the person's age group at every draw.
class THuman : public TCustomCreature {
 public:
  static constexpr QSize FallbackSize{32, 45};

  THuman(TCustomDivider* view, int x, int y, THumanInfo* person, const TIconPictures* images,
         TCustomContainer* container);

  /// The picture of the person's age group now, which changes as the person grows up.
  int PictureIndex() const override;
  THumanInfo* Person() const { return FPerson; }

 private:
  THumanInfo* FPerson;
};

}  // namespace fjordheim
