#include "tools/sim/season_line.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace fjordheim {

namespace {

constexpr std::array<std::string_view, SeasonCount> SeasonNames{"Autumn", "Winter", "Spring", "Summer"};

std::string_view SeasonName(TSeason season) { return SeasonNames[static_cast<std::size_t>(season) % SeasonCount]; }

template <typename... TArgs>
std::string Printed(const char* format, TArgs... args) {
  std::array<char, 512> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), format, args...);
  if (length < 0) return {};
  return std::string(buffer.data(), std::min<std::size_t>(static_cast<std::size_t>(length), buffer.size() - 1));
}

std::string Joined(const TGoodsCounts& goods, char separator) {
  std::string text;
  for (std::size_t k = 0; k < goods.size(); ++k) {
    if (k > 0) text += separator;
    text += std::to_string(goods[k]);
  }
  return text;
}

int TotalPeople(const TSeasonRecord& record) {
  return record.Infants + record.Children + record.Youths + record.Men + record.Women + record.Elders;
}

}  // namespace

TSeasonRecord RecordOf(const TVillage& village, int births) {
  TSeasonRecord record;
  record.Season = village.Season;
  record.Year = village.Year;
  record.Infants = village.CountInfants();
  record.Children = village.CountChildren();
  record.Youths = village.CountYouths();
  record.Men = village.CountAdultMen();
  record.Women = village.CountAdultWomen();
  record.Elders = village.CountElders();
  record.Animals = village.Animals;
  record.FoodStore = village.FoodStore;
  record.FoodRatio = village.FoodRatio;
  record.Deaths = static_cast<int>(village.Dead.size());
  record.Births = births;
  record.Goods = village.Trade.Goods;
  record.Score = village.Score();
  return record;
}

std::string FormatSeasonLine(const TSeasonRecord& record) {
  const std::string season(SeasonName(record.Season));
  return Printed(
             "%-6s %5u  people %3d (infants %d, children %d, youths %d, men %d, women %d, elders %d)  "
             "animals %u cows, %u pigs, %u sheep, %u hens  store %.2Lf  ratio %.3f  deaths %d  births %d  ",
             season.c_str(), static_cast<unsigned>(record.Year), TotalPeople(record), record.Infants, record.Children,
             record.Youths, record.Men, record.Women, record.Elders, static_cast<unsigned>(record.Animals[0]),
             static_cast<unsigned>(record.Animals[1]), static_cast<unsigned>(record.Animals[2]),
             static_cast<unsigned>(record.Animals[3]), record.FoodStore, static_cast<double>(record.FoodRatio),
             record.Deaths, record.Births) +
         "goods " + Joined(record.Goods, '/') + "  score " + std::to_string(record.Score);
}

std::string CsvHeader() {
  return "season,year,people,infants,children,youths,men,women,elders,cows,pigs,sheep,hens,food_store,food_ratio,"
         "deaths,births,silver,amber,furs,iron,jewellery,weapons,score";
}

std::string FormatCsvRow(const TSeasonRecord& record) {
  const std::string season(SeasonName(record.Season));
  return Printed("%s,%u,%d,%d,%d,%d,%d,%d,%d,%u,%u,%u,%u,%.4Lf,%.4f,%d,%d,", season.c_str(),
                 static_cast<unsigned>(record.Year), TotalPeople(record), record.Infants, record.Children,
                 record.Youths, record.Men, record.Women, record.Elders, static_cast<unsigned>(record.Animals[0]),
                 static_cast<unsigned>(record.Animals[1]), static_cast<unsigned>(record.Animals[2]),
                 static_cast<unsigned>(record.Animals[3]), record.FoodStore, static_cast<double>(record.FoodRatio),
                 record.Deaths, record.Births) +
         Joined(record.Goods, ',') + "," + std::to_string(record.Score);
}

}  // namespace fjordheim
