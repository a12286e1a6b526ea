#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace fjordheim {

class TVillageStream;

enum class TSex : std::uint8_t { Male = 0, Female = 1 };

enum class TAgeGroup : std::uint8_t { Infant = 0, Child = 1, Youth = 2, Adult = 3, Elder = 4 };

enum class TWorkKind : std::uint8_t { Idle = 0, Cattle = 1, Household = 2, HuntFish = 3, Farming = 4 };

enum class TAnimalKind : std::uint8_t { Cow = 0, Pig = 1, Sheep = 2, Hen = 3 };

inline constexpr int AgeGroupCount = 5;
inline constexpr int WorkKindCount = 5;
inline constexpr int AnimalKindCount = 4;

/// The inclusive upper age of each age group, in group order.
inline constexpr std::array<std::int32_t, AgeGroupCount> AgeLimits{0, 5, 15, 40, 2147483647};

/// One villager: what the simulation asks of a single person.
class THumanInfo {
 public:
  THumanInfo() = default;
  THumanInfo(TSex sex, std::uint8_t age, TWorkKind work, std::string name = {});

  TSex Sex = TSex::Male;
  /// Whole years; 255 is the oldest a person can be.
  std::uint8_t Age = 0;
  /// Empty for everyone but the named founders and those whose names were loaded.
  std::string Name;
  TWorkKind Work = TWorkKind::Idle;

  TAgeGroup AgeGroup() const;
  bool IsInfant() const { return AgeGroup() == TAgeGroup::Infant; }
  bool IsChild() const { return AgeGroup() == TAgeGroup::Child; }
  bool IsYouth() const { return AgeGroup() == TAgeGroup::Youth; }
  bool IsAdult() const { return AgeGroup() == TAgeGroup::Adult; }
  bool IsElder() const { return AgeGroup() == TAgeGroup::Elder; }
  bool IsAdultMan() const { return Sex == TSex::Male && IsAdult(); }
  bool IsAdultWoman() const { return Sex == TSex::Female && IsAdult(); }

  /// Food units eaten in a season.
  long double Consumption() const;
  /// What the person is worth at any work but the household.
  long double WorkCapacity() const;
  /// What the person is worth in the household.
  long double HouseholdCapacity() const;
  /// What the person is worth at the work given in `Work`.
  long double Efficiency() const;

  /// One year older; a person of 255 stays 255 rather than being born again.
  void GrowOlder();

  /// A person read from a saved game: `Sex`, `Age`, `Name`, `Work`.
  static THumanInfo CreateFromStream(TVillageStream& stream);
  void LoadFromStream(TVillageStream& stream);
  void SaveToStream(TVillageStream& stream) const;
};

}  // namespace fjordheim
