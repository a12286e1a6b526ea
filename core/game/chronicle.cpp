#include "core/game/chronicle.h"

#include <cstdio>

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

}  // namespace

std::string TChronicle::CsvHeader() {
  return "season,year,elders,adult_men,adult_women,youths,children,infants,cows,pigs,sheep,hens,food_ratio,"
         "food_store,silver,amber,furs,iron,jewellery,weapons,boys_born,girls_born,infants_died,children_died,"
         "youths_died,adults_died,elders_died,event,decision_score,rating";
}

std::string TChronicle::CsvLine(const TChronicleRecord& record) {
  std::string line = std::to_string(static_cast<int>(record.Season)) + "," + std::to_string(record.Year);
  AppendAll(line, record.People);
  AppendAll(line, record.Animals);
  line += "," + Decimal(record.FoodRatio) + "," + Decimal(record.FoodStore);
  AppendAll(line, record.Goods);
  AppendAll(line, record.Births);
  AppendAll(line, record.Deaths);
  line += "," + CsvField(record.Event) + "," + std::to_string(record.DecisionScore) + "," + Decimal(record.Rating);
  return line;
}

std::string TChronicle::ToCsv() const {
  std::string csv = CsvHeader() + "\n";
  for (const TChronicleRecord& record : FRecords) csv += CsvLine(record) + "\n";
  return csv;
}

}  // namespace fjordheim
