#include "core/work/work_places.h"

namespace fjordheim {

std::optional<TWorkKind> WorkKindForDigit(int digit) {
  switch (digit) {
    case 0: return TWorkKind::Idle;
    case 1: return TWorkKind::HuntFish;
    case 2: return TWorkKind::Cattle;
    case 3: return TWorkKind::Household;
    case 4: return TWorkKind::Farming;
    default: return std::nullopt;
  }
}

TWorkAreaSound::TAction TWorkAreaSound::Move(int x, int y) {
  for (std::size_t i = 0; i < WorkPlaces.size(); ++i) {
    if (!WorkPlaces[i].Bounds.Contains(x, y)) continue;
    const int area = static_cast<int>(i) + 1;
    if (area == FCurrent) return {};
    FCurrent = area;
    return {TAction::TKind::Play, WorkPlaces[i].Sound};
  }
  if (FCurrent == 0) return {};
  FCurrent = 0;
  return {TAction::TKind::Stop, {}};
}

}  // namespace fjordheim
