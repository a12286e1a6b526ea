#include "core/game/chronicle.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace fjordheim {

namespace {

std::string Decimal(long double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4Lf", value);
  return text;
}

// An event key comes from a data file; a comma or quote in it must not split the field.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

template <typename TArray>
void AppendAll(std::string& line, const TArray& values) {
  for (const auto value : values) line += "," + std::to_string(value);
}

constexpr std::size_t FieldCount = 37;
constexpr std::size_t FieldCountWithoutJudgement = FieldCount - 1;
constexpr std::size_t LongestField = 1000;
// Far beyond any game's food or rating; a larger number can only be damage.
constexpr long double LargestAmount = 1.0e15L;

// One line of fields; quotes may hold commas, doubled quotes and line ends.
struct TCsvSplitter {
  std::string_view Text;
  std::size_t At = 0;

  bool AtEnd() const { return At >= Text.size(); }

  // False when a quoted field never ends or a field grows past its cap.
  bool NextLine(std::vector<std::string>& fields) {
    fields.assign(1, std::string());
    bool quoted = false;
    while (At < Text.size()) {
      const char c = Text[At++];
      if (quoted) {
        if (c != '"') {
          fields.back() += c;
        } else if (At < Text.size() && Text[At] == '"') {
          fields.back() += '"';
          ++At;
        } else {
          quoted = false;
        }
      } else if (c == '"' && fields.back().empty()) {
        quoted = true;
      } else if (c == ',') {
        fields.emplace_back();
      } else if (c == '\n') {
        break;
      } else if (c != '\r') {
        fields.back() += c;
      }
      if (fields.back().size() > LongestField || fields.size() > FieldCount + 1) return false;
    }
    return !quoted;
  }
};

class TFieldReader {
 public:
  explicit TFieldReader(const std::vector<std::string>& fields) : FFields(fields) {}

  template <typename TInteger>
  void Integer(TInteger& value, long long lowest, long long highest) {
    const std::string& text = Next();
    long long parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || parsed < lowest || parsed > highest) {
      Fail();
      return;
    }
    value = static_cast<TInteger>(parsed);
  }

  template <typename TArray>
  void Counts(TArray& values) {
    using TValue = typename TArray::value_type;
    for (auto& value : values) Integer(value, 0, std::numeric_limits<TValue>::max());
  }

  template <typename TFloat>
  void Amount(TFloat& value, long double lowest) {
    const std::string& text = Next();
    double parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || !std::isfinite(parsed) ||
        parsed < lowest || parsed > LargestAmount) {
      Fail();
      return;
    }
    value = static_cast<TFloat>(parsed);
  }

  void Text(std::string& value) { value = Next(); }
  bool Good() const { return FGood; }

 private:
  const std::string& Next() {
    static const std::string none;
    if (FNext >= FFields.size()) {
      Fail();
      return none;
    }
    return FFields[FNext++];
  }
  void Fail() { FGood = false; }

  const std::vector<std::string>& FFields;
  std::size_t FNext = 0;
  bool FGood = true;
};

std::optional<TChronicleRecord> RecordOf(const std::vector<std::string>& fields, std::size_t fieldCount) {
  if (fields.size() != fieldCount) return std::nullopt;
  TFieldReader read(fields);
  TChronicleRecord record;
  int season = 0;
  read.Integer(season, 0, SeasonCount - 1);
  record.Season = static_cast<TSeason>(season);
  read.Integer(record.Year, 0, std::numeric_limits<std::uint16_t>::max());
  read.Counts(record.People);
  read.Counts(record.Animals);
  read.Amount(record.FoodRatio, 0);
  read.Amount(record.FoodStore, 0);
  read.Counts(record.Goods);
  read.Counts(record.Wants);
  read.Counts(record.Births);
  read.Counts(record.Deaths);
  read.Text(record.Event);
  read.Integer(record.DecisionScore, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
  read.Amount(record.Rating, -LargestAmount);
  if (fieldCount == FieldCount) {
    read.Amount(record.Judgement, -LargestAmount);
  } else {
    record.Judgement = record.Rating;
  }
  if (!read.Good()) return std::nullopt;
  return record;
}

}  // namespace

TChronicleRead TChronicle::FromCsv(std::string_view csv) {
  TChronicleRead result;
  TCsvSplitter lines{csv};
  std::vector<std::string> fields;
  if (!lines.NextLine(fields)) {
    result.Problem = "linje 1: ukjent overskrift";
    return result;
  }
  std::string header = fields[0];
  for (std::size_t i = 1; i < fields.size(); ++i) header += "," + fields[i];
  const bool current = header == CsvHeader();
  if (!current && header != CsvHeaderWithoutJudgement()) {
    result.Problem = "linje 1: ukjent overskrift";
    return result;
  }
  const std::size_t fieldCount = current ? FieldCount : FieldCountWithoutJudgement;
  for (std::size_t line = 2; !lines.AtEnd(); ++line) {
    if (result.Chronicle.FRecords.size() >= MostRecords) {
      result.Problem = "linje " + std::to_string(line) + ": for mange linjer";
      return result;
    }
    const bool whole = lines.NextLine(fields);
    std::optional<TChronicleRecord> record = whole ? RecordOf(fields, fieldCount) : std::nullopt;
    if (!record) {
      result.Problem = "linje " + std::to_string(line) + ": feil i linjen";
      return result;
    }
    result.Chronicle.Add(std::move(*record));
  }
  result.Ok = true;
  return result;
}

std::string TChronicle::PathBeside(const std::string& savedGame) {
  const std::size_t folder = savedGame.find_last_of("/\\");
  const std::size_t dot = savedGame.rfind('.');
  const bool hasExtension = dot != std::string::npos && (folder == std::string::npos || dot > folder + 1);
  return (hasExtension ? savedGame.substr(0, dot) : savedGame) + ".csv";
}

std::string TChronicle::CsvHeader() { return CsvHeaderWithoutJudgement() + ",judgement"; }

std::string TChronicle::CsvHeaderWithoutJudgement() {
  return "season,year,elders,adult_men,adult_women,youths,children,infants,cows,pigs,sheep,hens,food_ratio,"
         "food_store,silver,amber,furs,iron,jewellery,weapons,silver_wanted,amber_wanted,furs_wanted,iron_wanted,"
         "jewellery_wanted,weapons_wanted,boys_born,girls_born,infants_died,children_died,"
         "youths_died,adults_died,elders_died,event,decision_score,rating";
}

std::string TChronicle::CsvLine(const TChronicleRecord& record) {
  std::string line = std::to_string(static_cast<int>(record.Season)) + "," + std::to_string(record.Year);
  AppendAll(line, record.People);
  AppendAll(line, record.Animals);
  line += "," + Decimal(record.FoodRatio) + "," + Decimal(record.FoodStore);
  AppendAll(line, record.Goods);
  AppendAll(line, record.Wants);
  AppendAll(line, record.Births);
  AppendAll(line, record.Deaths);
  line += "," + CsvField(record.Event) + "," + std::to_string(record.DecisionScore) + "," + Decimal(record.Rating) +
          "," + Decimal(record.Judgement);
  return line;
}

std::string TChronicle::ToCsv() const {
  std::string csv = CsvHeader() + "\n";
  for (const TChronicleRecord& record : FRecords) csv += CsvLine(record) + "\n";
  return csv;
}

}  // namespace fjordheim
