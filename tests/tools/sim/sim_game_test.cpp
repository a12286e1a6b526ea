#include "tools/sim/sim_game.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tools/sim/season_line.h"

namespace fjordheim {
namespace {

std::vector<std::string> Lines(const TSimOptions& options) {
  TSimGame game(options);
  std::vector<std::string> lines;
  for (int i = 0; i < options.Seasons; ++i) lines.push_back(FormatCsvRow(game.PlaySeason()));
  return lines;
}

TEST(TSimGame, TheFirstSeasonOfTheDefaultPlanIsTheWorkedExample) {
  TSimGame game(TSimOptions{});
  const TSeasonRecord record = game.PlaySeason();
  EXPECT_EQ(record.Season, TSeason::Winter);
  EXPECT_EQ(record.Year, 852);
  EXPECT_NEAR(record.FoodRatio, 1.854, 5e-4);
  EXPECT_NEAR(record.FoodStore, 19.89, 0.01);
  EXPECT_EQ(record.Deaths, 0);
  EXPECT_GT(record.Score, 0);
}

TEST(TSimGame, ARunReplaysForItsSeedAndDiffersForAnother) {
  TSimOptions options;
  options.Seasons = 24;
  options.Events = true;
  options.Slaughter = {1, 1, 0, 2};
  const auto first = Lines(options);
  EXPECT_EQ(first, Lines(options));
  options.Seed = 2;
  EXPECT_NE(first, Lines(options));
}

TEST(TSimGame, AutumnSlaughterFeedsTheVillage) {
  TSimOptions options;
  options.Work = {TWorkKind::Idle, TWorkKind::Idle, TWorkKind::Idle};
  TSimGame hungry(options);
  options.Slaughter = {8, 0, 0, 0};
  TSimGame fed(options);
  const TSeasonRecord without = hungry.PlaySeason();
  const TSeasonRecord with = fed.PlaySeason();
  EXPECT_EQ(with.Animals[0], 0);
  // Eight cows are 32 food units, halved with nobody keeping house.
  EXPECT_NEAR(with.FoodRatio - without.FoodRatio, 16.0 / 23.3 - 0.8 / 2 / 23.3, 1e-5);
}

TEST(FormatSeasonLine, ShowsEveryFigureOfTheSeason) {
  TSeasonRecord record;
  record.Season = TSeason::Spring;
  record.Year = 853;
  record.Infants = 1;
  record.Men = 8;
  record.Animals = {3, 4, 5, 6};
  record.FoodStore = 12.345L;
  record.FoodRatio = 1.5F;
  record.Deaths = 2;
  record.Births = 0;
  record.Goods = {1, 2, 3, 4, 5, 6};
  record.Score = 321;
  EXPECT_EQ(FormatSeasonLine(record),
            "Spring   853  people   9 (infants 1, children 0, youths 0, men 8, women 0, elders 0)  "
            "animals 3 cows, 4 pigs, 5 sheep, 6 hens  store 12.35  ratio 1.500  deaths 2  births 0  "
            "goods 1/2/3/4/5/6  score 321");
  EXPECT_EQ(FormatCsvRow(record), "Spring,853,9,1,0,0,8,0,0,3,4,5,6,12.3450,1.5000,2,0,1,2,3,4,5,6,321");
  const std::string header = CsvHeader();
  const std::string row = FormatCsvRow(record);
  EXPECT_EQ(std::count(header.begin(), header.end(), ','), std::count(row.begin(), row.end(), ','));
}

}  // namespace
}  // namespace fjordheim
