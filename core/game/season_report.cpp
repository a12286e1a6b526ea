#include "core/game/season_report.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "core/settings/name_tables.h"

namespace fjordheim {
namespace {

constexpr int BornHumanWidth = 209;
constexpr int BornHumanHeight = 25;
constexpr int DeadHumanWidth = 153;
constexpr int DeadHumanHeight = 50;
constexpr int AnimalWidth = 209;
constexpr int AnimalHeight = 57;

constexpr int HumanStep = 12;
constexpr int GirlsLeft = 104;
constexpr std::int64_t DeadPerRowLine = 1000;
constexpr int DeadRowHeight = 16;
constexpr int AnimalStep = 16;
constexpr std::int64_t AnimalsPerRow = 100;

struct TCountedWord {
  std::int64_t Count;
  std::string_view Singular;
  std::string_view Plural;
};

// "1 gutt", "2 gutter"; nothing at all for no one.
std::string Phrase(std::int64_t count, std::string_view singular, std::string_view plural) {
  if (count <= 0) return {};
  return std::to_string(count) + " " + std::string(count == 1 ? singular : plural);
}

// " A, B og C": each written item after a blank, commas between all but the last two.
std::string JoinedList(std::initializer_list<TCountedWord> items) {
  std::vector<TCountedWord> written;
  std::copy_if(items.begin(), items.end(), std::back_inserter(written),
               [](const TCountedWord& item) { return item.Count > 0; });
  std::string text;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (i > 0) text += i + 1 < written.size() ? "," : " og";
    text += " " + Phrase(written[i].Count, written[i].Singular, written[i].Plural);
  }
  return text;
}

std::string SeasonName(TSeason season) { return std::string(SeasonNamesDefinite[season]); }

std::string BirthSentence(std::int64_t boys, std::int64_t girls, TSeason season) {
  std::string text = "Det ble født ";
  if (boys <= 0 && girls <= 0) {
    text += "ingen barn";
  } else {
    if (boys > 0) {
      text += Phrase(boys, "gutt ", "gutter ");
      if (girls > 0) text += "og ";
    }
    if (girls > 0) text += Phrase(girls, "jente ", "jenter ");
  }
  return text + " i løpet av " + SeasonName(season) + ".";
}

std::string DeathSentence(std::int64_t young, std::int64_t adults, std::int64_t old, TSeason season) {
  std::string text = "I løpet av " + SeasonName(season) + " døde" +
                     JoinedList({{young, "barn", "barn"}, {adults, "voksen", "voksne"}, {old, "gammel", "gamle"}});
  if (young + adults + old == 0) text = "Ingen mennesker døde i løpet av  " + SeasonName(season);
  return text + ".";
}

std::string AnimalBirthSentence(const std::array<std::uint16_t, AnimalKindCount>& born, TSeason season) {
  std::string text = "I løpet av " + SeasonName(season) + " ble født" +
                     JoinedList({{born[0], "kalv", "kalver"},
                                 {born[1], "grisunge", "grisunger"},
                                 {born[2], "sau", "sauer"},
                                 {born[3], "høne", "høns"}});
  if (born[0] + born[1] + born[2] + born[3] == 0) {
    text = "Det ble ikke født noen dyr i løpet av " + SeasonName(season);
  }
  return text + ".";
}

std::string AnimalDeathSentence(const std::array<std::uint16_t, AnimalKindCount>& dead, TSeason season) {
  std::string text = "I løpet av " + SeasonName(season) + " døde" +
                     JoinedList({{dead[0], "ku", "kyr"},
                                 {dead[1], "gris", "griser"},
                                 {dead[2], "sau", "sauer"},
                                 {dead[3], "høne", "høns"}});
  if (dead[0] + dead[1] + dead[2] + dead[3] == 0) text = "Ingen dyr døde i løpet av " + SeasonName(season);
  return text + ".";
}

// One row of pictures at x = left + step × i; the pictures past the right edge are not seen.
void PlaceRow(TPictureArea& area, std::int64_t count, int picture, int left, int step, int y) {
  for (std::int64_t i = 0; i < count && left + step * i < area.Width; ++i) {
    area.Pictures.push_back({picture, left + static_cast<int>(step * i), y});
  }
}

TPictureArea BornHumanPictures(std::int64_t boys, std::int64_t girls) {
  TPictureArea area{BornHumanWidth, BornHumanHeight, {}};
  PlaceRow(area, boys, 0, 0, HumanStep, 0);
  PlaceRow(area, girls, 1, GirlsLeft, HumanStep, 0);
  return area;
}

// The i-th dead of row r goes to x = 12 × (i mod 1000), y = 12 × (i div 1000) + 16 × r.
void PlaceDeadRow(TPictureArea& area, std::int64_t count, int row) {
  for (std::int64_t line = 0; line * DeadPerRowLine < count; ++line) {
    const auto y = static_cast<int>(HumanStep * line + DeadRowHeight * row);
    if (y >= area.Height) break;
    PlaceRow(area, std::min(count - line * DeadPerRowLine, DeadPerRowLine), 0, 0, HumanStep, y);
  }
}

TPictureArea DeadHumanPictures(std::int64_t young, std::int64_t adults, std::int64_t old) {
  TPictureArea area{DeadHumanWidth, DeadHumanHeight, {}};
  PlaceDeadRow(area, old, 0);
  PlaceDeadRow(area, adults, 1);
  PlaceDeadRow(area, young, 2);
  return area;
}

// The 101st animal of a kind lands on the first, so a hundred say all there is to draw.
TPictureArea AnimalPictures(const std::array<std::uint16_t, AnimalKindCount>& counts) {
  TPictureArea area{AnimalWidth, AnimalHeight, {}};
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    const std::int64_t count = std::min<std::int64_t>(counts[static_cast<std::size_t>(kind)], AnimalsPerRow);
    PlaceRow(area, count, kind, 0, AnimalStep, TSeasonReport::AnimalPictureSize * kind);
  }
  return area;
}

}  // namespace

TSeasonReport::TSeasonReport(const TSeasonChangeInfo& info) {
  const std::int64_t boys = info.Births(TSex::Male);
  const std::int64_t girls = info.Births(TSex::Female);
  const std::int64_t young = std::int64_t{info.Deaths(TAgeGroup::Infant)} + info.Deaths(TAgeGroup::Child) +
                             info.Deaths(TAgeGroup::Youth);
  const std::int64_t adults = info.Deaths(TAgeGroup::Adult);
  const std::int64_t old = info.Deaths(TAgeGroup::Elder);

  Caption = "Dette skjedde i løpet av " + SeasonName(info.Season) + ".";
  BirthText = BirthSentence(boys, girls, info.Season);
  DeathText = DeathSentence(young, adults, old, info.Season);
  AnimalBirthText = AnimalBirthSentence(info.AnimalsBorn, info.Season);
  AnimalDeathText = AnimalDeathSentence(info.AnimalsDead, info.Season);
  BornHumans = BornHumanPictures(boys, girls);
  DeadHumans = DeadHumanPictures(young, adults, old);
  BornAnimals = AnimalPictures(info.AnimalsBorn);
  DeadAnimals = AnimalPictures(info.AnimalsDead);
}

}  // namespace fjordheim
