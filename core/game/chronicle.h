#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
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
  /// What the village wants of each goods kind every winter.
  TGoodsCounts Wants{};
  std::array<std::int32_t, SexCount> Births{};
  std::array<std::int32_t, AgeGroupCount> Deaths{};
  /// The heading of the event shown at the end of the season (its key when it has none);
  /// empty for none.
  std::string Event;
  /// The score of the season's decisions; 0 when none were taken.
  std::int32_t DecisionScore = 0;
  /// The chief's rating with trade after the change, as the village's score adds it up.
  long double Rating = 0;
  /// The rating the council judged the chief by after the change: goods count only in a
  /// year of trade, and a village with nobody left is judged 0.
  long double Judgement = 0;
};

/// What reading a chronicle's CSV gave: the chronicle, or where and why it was refused.
struct TChronicleRead;

/// The history of one game, one record a season, kept in memory and written as CSV so that
/// a later window can draw it.
class TChronicle {
 public:
  /// No chronicle of a game is longer than this; a file with more is taken as damaged.
  static constexpr std::size_t MostRecords = 100000;

  void Add(TChronicleRecord record) { FRecords.push_back(std::move(record)); }
  void Clear() { FRecords.clear(); }
  const std::vector<TChronicleRecord>& Records() const { return FRecords; }
  /// A header line and one line a record, fields separated by commas, lines ended by "\n".
  std::string ToCsv() const;
  static std::string CsvHeader();
  /// The header of the chronicles written before the judgement had a column of its own;
  /// their judgement is read as their rating.
  static std::string CsvHeaderWithoutJudgement();
  static std::string CsvLine(const TChronicleRecord& record);
  /// Reads what ToCsv wrote, or a chronicle of the older header. The whole file is refused at
  /// its first fault (a wrong header,
  /// a line with a missing, extra or unreadable field, a number out of its range), so a
  /// damaged file never gives a history with holes.
  static TChronicleRead FromCsv(std::string_view csv);
  /// The chronicle kept beside a saved game: NAME.csv beside NAME.tun.
  static std::string PathBeside(const std::string& savedGame);

 private:
  std::vector<TChronicleRecord> FRecords;
};

struct TChronicleRead {
  bool Ok = false;
  TChronicle Chronicle;
  /// "linje 3: ..." when refused.
  std::string Problem;
};

}  // namespace fjordheim
