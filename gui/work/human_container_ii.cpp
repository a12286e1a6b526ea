#include "gui/work/human_container_ii.h"

namespace fjordheim {

void THumanContainerII::Arrange() { MoveItems(ArrangeIdleRow(Bounds(), RowGroups())); }

}  // namespace fjordheim
