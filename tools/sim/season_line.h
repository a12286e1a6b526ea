#pragma once

#include <cstdint>
#include <string>

#include "core/common/season.h"
#include "core/trade/trade.h"
#include "core/village/village.h"

namespace fjordheim {

/// What the simulator shows of the village after one season change.
struct TSeasonRecord {
  TSeason Season = TSeason::Autumn;
  std::uint16_t Year = 0;
  int Infants = 0;
  int Children = 0;
  int Youths = 0;
  int Men = 0;
  int Women = 0;
  int Elders = 0;
  TAnimalCounts Animals{};
  long double FoodStore = 0;
  float FoodRatio = 0;
  int Deaths = 0;
  int Births = 0;
  TGoodsCounts Goods{};
  std::int64_t Score = 0;
};

/// The record of the village as it stands, with the deaths and births of the last change.
TSeasonRecord RecordOf(const TVillage& village, int births);

/// One readable line: season and year, people by group, animals, food, deaths, births, goods, score.
std::string FormatSeasonLine(const TSeasonRecord& record);

std::string CsvHeader();
std::string FormatCsvRow(const TSeasonRecord& record);

}  // namespace fjordheim
