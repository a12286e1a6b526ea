#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "core/common/random.h"
#include "core/village/village.h"

namespace fjordheim {

inline void ExpectSamePersons(const TPersonList& expected, const TPersonList& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(expected[i]->Sex, actual[i]->Sex) << "person " << i;
    EXPECT_EQ(expected[i]->Age, actual[i]->Age) << "person " << i;
    EXPECT_EQ(expected[i]->Name, actual[i]->Name) << "person " << i;
    EXPECT_EQ(expected[i]->Work, actual[i]->Work) << "person " << i;
  }
}

// Every field a saved game holds, the floats to the bit.
inline void ExpectSameSavedState(const TVillage& expected, const TVillage& actual) {
  ExpectSamePersons(expected.People, actual.People);
  ExpectSamePersons(expected.Dead, actual.Dead);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(expected.FoodRatio), std::bit_cast<std::uint32_t>(actual.FoodRatio));
  EXPECT_EQ(expected.Animals, actual.Animals);
  EXPECT_EQ(expected.Season, actual.Season);
  EXPECT_EQ(expected.Year, actual.Year);
  EXPECT_EQ(expected.Food, actual.Food);
  EXPECT_EQ(expected.FoodStore, actual.FoodStore);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(expected.CropGrowth), std::bit_cast<std::uint32_t>(actual.CropGrowth));
  EXPECT_EQ(expected.GoodsProduction, actual.GoodsProduction);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(expected.RatingSum), std::bit_cast<std::uint32_t>(actual.RatingSum));
  EXPECT_EQ(expected.Trade.Goods, actual.Trade.Goods);
  EXPECT_EQ(expected.Trade.Demands, actual.Trade.Demands);
}

// A village some seasons into a game: people at work, some dead, food in store, goods
// held and wanted, ratings summed, a named newcomer.
inline TVillage PlayedVillage(std::uint32_t seed = 42) {
  TRandom random(seed);
  TVillage village = TVillage::CreateForLand(1, random);
  const TWorkKind works[] = {TWorkKind::HuntFish, TWorkKind::Farming, TWorkKind::Cattle, TWorkKind::Household};
  for (std::size_t i = 0; i < village.People.size(); ++i) village.People[i]->Work = works[i % 4];
  for (int season = 0; season < 5; ++season) {
    village.ChangeSeason(random);
    village.AddRating(0.625F);
  }
  village.People.back()->Name = "Åsa Ødegård";
  village.Slaughter(1, 1, 0, 2);
  village.Trade.Goods[2] = 40000;
  return village;
}

}  // namespace fjordheim
