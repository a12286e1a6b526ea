#include "core/village/human_info.h"

#include <utility>

namespace fjordheim {

THumanInfo::THumanInfo(TSex sex, std::uint8_t age, TWorkKind work, std::string name)
    : Sex(sex), Age(age), Name(std::move(name)), Work(work) {}

TAgeGroup THumanInfo::AgeGroup() const {
  for (int group = 0; group < AgeGroupCount - 1; ++group) {
    if (Age <= AgeLimits[group]) return static_cast<TAgeGroup>(group);
  }
  return TAgeGroup::Elder;
}

long double THumanInfo::Consumption() const {
  switch (AgeGroup()) {
    case TAgeGroup::Infant: return 0.1L;
    case TAgeGroup::Child: return 0.4L;
    case TAgeGroup::Youth: return 0.6L;
    case TAgeGroup::Adult: return Sex == TSex::Male ? 1.0L : 0.7L;
    case TAgeGroup::Elder: return 0.5L;
  }
  return 0.0L;
}

long double THumanInfo::WorkCapacity() const {
  switch (AgeGroup()) {
    case TAgeGroup::Youth: return 0.5L;
    case TAgeGroup::Adult: return Sex == TSex::Male ? 1.0L : 0.7L;
    default: return 0.0L;
  }
}

long double THumanInfo::HouseholdCapacity() const {
  switch (AgeGroup()) {
    case TAgeGroup::Youth: return 0.5L;
    case TAgeGroup::Adult: return Sex == TSex::Male ? 0.5L : 1.0L;
    default: return 0.0L;
  }
}

long double THumanInfo::Efficiency() const {
  return Work == TWorkKind::Household ? HouseholdCapacity() : WorkCapacity();
}

void THumanInfo::GrowOlder() {
  if (Age < 255) ++Age;
}

}  // namespace fjordheim
