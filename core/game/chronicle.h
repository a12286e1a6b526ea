#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/season.h"
#include "core/game/season_change_info.h"
#include "core/trade/trade.h"
#include "core/village/village.h"

namespace fjordheim {

/// What one change of season did to the village, as the history of a game keeps it.
struct TChronicleRecord {
  /// The season that ended and its year.
  TSeason Season = TSeason::Autumn;
  std::uint16_t Year = 852;
  /// The living after the change, by population group.
  std::array<int, PopulationGroupCount> People{};
  TAnimalCounts Animals{};
  float FoodRatio = 0;
  long double FoodStore = 0;
  TGoodsCounts Goods{};
  std::array<std::int32_t, SexCount> Births{};
  std::array<std::int32_t, AgeGroupCount> Deaths{};
  /// The key of the event shown at the end of the season; empty for none.
  std::string Event;
  /// The score of the season's decisions; 0 when none were taken.
  std::int32_t DecisionScore = 0;
  /// The chief's rating with trade after the change.
  long double Rating = 0;
};

/// The history of one game, one record a season, kept in memory and written as CSV so that
/// a later window can draw it.
class TChronicle {
 public:
  void Add(TChronicleRecord record) { FRecords.push_back(std::move(record)); }
  void Clear() { FRecords.clear(); }
  const std::vector<TChronicleRecord>& Records() const { return FRecords; }
  /// A header line and one line a record, fields separated by commas, lines ended by "\n".
  std::string ToCsv() const;
  static std::string CsvHeader();
  static std::string CsvLine(const TChronicleRecord& record);

 private:
  std::vector<TChronicleRecord> FRecords;
};

}  // namespace fjordheim
