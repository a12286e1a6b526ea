#include "core/village/human_info.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

TEST(THumanInfo, EachAgeLimitIsTheLastAgeOfItsGroup) {
  struct TCase {
    std::uint8_t Age;
    TAgeGroup Group;
  };
  for (const TCase& c : {TCase{0, TAgeGroup::Infant}, TCase{1, TAgeGroup::Child}, TCase{5, TAgeGroup::Child},
                         TCase{6, TAgeGroup::Youth}, TCase{15, TAgeGroup::Youth}, TCase{16, TAgeGroup::Adult},
                         TCase{40, TAgeGroup::Adult}, TCase{41, TAgeGroup::Elder}, TCase{255, TAgeGroup::Elder}}) {
    EXPECT_EQ(THumanInfo(TSex::Female, c.Age, TWorkKind::Idle).AgeGroup(), c.Group) << int(c.Age);
  }
}

TEST(THumanInfo, AdultTestsTellTheSexes) {
  const THumanInfo man(TSex::Male, 30, TWorkKind::Idle);
  const THumanInfo woman(TSex::Female, 30, TWorkKind::Idle);
  const THumanInfo youth(TSex::Male, 15, TWorkKind::Idle);
  EXPECT_TRUE(man.IsAdultMan());
  EXPECT_FALSE(man.IsAdultWoman());
  EXPECT_TRUE(woman.IsAdultWoman());
  EXPECT_FALSE(youth.IsAdultMan());
  EXPECT_TRUE(youth.IsYouth());
}

TEST(THumanInfo, WorthDependsOnGroupSexAndWhetherTheWorkIsTheHousehold) {
  THumanInfo man(TSex::Male, 30, TWorkKind::Farming);
  THumanInfo woman(TSex::Female, 30, TWorkKind::HuntFish);
  THumanInfo youth(TSex::Female, 10, TWorkKind::Cattle);
  EXPECT_DOUBLE_EQ(man.Efficiency(), 1.0);
  EXPECT_DOUBLE_EQ(woman.Efficiency(), 0.7);
  EXPECT_DOUBLE_EQ(youth.Efficiency(), 0.5);
  man.Work = woman.Work = youth.Work = TWorkKind::Household;
  EXPECT_DOUBLE_EQ(man.Efficiency(), 0.5);
  EXPECT_DOUBLE_EQ(woman.Efficiency(), 1.0);
  EXPECT_DOUBLE_EQ(youth.Efficiency(), 0.5);
  EXPECT_DOUBLE_EQ(man.Consumption(), 1.0);
  EXPECT_DOUBLE_EQ(woman.Consumption(), 0.7);
  EXPECT_DOUBLE_EQ(youth.Consumption(), 0.6);
}

TEST(THumanInfo, TheYoungestAndOldestEatButDoNoWork) {
  for (std::uint8_t age : {0, 3, 60}) {
    for (TWorkKind work : {TWorkKind::Farming, TWorkKind::Household}) {
      const THumanInfo person(TSex::Male, age, work);
      EXPECT_EQ(person.Efficiency(), 0.0L);
      EXPECT_EQ(person.WorkCapacity(), 0.0L);
      EXPECT_EQ(person.HouseholdCapacity(), 0.0L);
      EXPECT_GT(person.Consumption(), 0.0L);
    }
  }
  EXPECT_DOUBLE_EQ(THumanInfo(TSex::Male, 0, TWorkKind::Idle).Consumption(), 0.1);
  EXPECT_DOUBLE_EQ(THumanInfo(TSex::Male, 3, TWorkKind::Idle).Consumption(), 0.4);
  EXPECT_DOUBLE_EQ(THumanInfo(TSex::Male, 60, TWorkKind::Idle).Consumption(), 0.5);
}

TEST(THumanInfo, GrowOlderStopsAtTheHighestAge) {
  THumanInfo person(TSex::Female, 254, TWorkKind::Idle, "Ulla");
  person.GrowOlder();
  EXPECT_EQ(person.Age, 255);
  person.GrowOlder();
  EXPECT_EQ(person.Age, 255);
}

}  // namespace
}  // namespace fjordheim
