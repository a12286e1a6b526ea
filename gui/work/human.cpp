#include "gui/work/human.h"

#include "core/work/work_layout.h"

namespace fjordheim {

THuman::THuman(TCustomDivider* view, int x, int y, THumanInfo* person, const TIconPictures* images,
               TCustomContainer* container)
    : TCustomCreature(view, x, y, images, container, FallbackSize), FPerson(person) {}

int THuman::PictureIndex() const { return HumanPictureIndex(*FPerson); }

}  // namespace fjordheim
