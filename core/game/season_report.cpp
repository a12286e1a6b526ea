#include "core/game/season_report.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "core/common/translation.h"
#include "core/game/counted_list.h"
#include "core/game/slaughter_yield.h"
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
constexpr int DeadRowHeight = 16;
constexpr int AnimalStep = 16;
constexpr std::int64_t AnimalsPerRow = 100;

std::string SeasonName(TSeason season) { return Tr(SeasonNamesDefinite[season]); }

std::string BirthSentence(std::int64_t boys, std::int64_t girls, TSeason season) {
  if (boys <= 0 && girls <= 0) return Tr("Det ble født ingen barn i løpet av {0}.", SeasonName(season));
  const std::string children = TCountedList::Joined(
      {{boys, TrPlural("{0} gutt", "{0} gutter", boys, boys)}, {girls, TrPlural("{0} jente", "{0} jenter", girls, girls)}});
  // Translators: {0} is the children born, "2 gutter og 1 jente"; {1} the season with its article.
  return Tr("Det ble født {0}  i løpet av {1}.", children, SeasonName(season));
}

std::string DeathSentence(std::int64_t young, std::int64_t adults, std::int64_t old, TSeason season) {
  if (young + adults + old == 0) return Tr("Ingen mennesker døde i løpet av  {0}.", SeasonName(season));
  const std::string dead = TCountedList::Joined({{young, TrPlural("{0} barn", "{0} barn", young, young)},
                                                 {adults, TrPlural("{0} voksen", "{0} voksne", adults, adults)},
                                                 {old, TrPlural("{0} gammel", "{0} gamle", old, old)}});
  // Translators: {0} is a season with its article; {1} who died, "2 barn og 1 voksen" or "1 ku og 3 sauer".
  return Tr("I løpet av {0} døde {1}.", SeasonName(season), dead);
}

std::string AnimalBirthSentence(const std::array<std::uint16_t, AnimalKindCount>& born, TSeason season) {
  if (born[0] + born[1] + born[2] + born[3] == 0) return Tr("Det ble ikke født noen dyr i løpet av {0}.", SeasonName(season));
  const std::string animals = TCountedList::Joined({{born[0], TrPlural("{0} kalv", "{0} kalver", born[0], born[0])},
                                                    {born[1], TrPlural("{0} grisunge", "{0} grisunger", born[1], born[1])},
                                                    {born[2], TrPlural("{0} sau", "{0} sauer", born[2], born[2])},
                                                    {born[3], TrPlural("{0} høne", "{0} høns", born[3], born[3])}});
  // Translators: {0} is a season with its article; {1} the animals born, "2 kalver og 1 sau".
  return Tr("I løpet av {0} ble født {1}.", SeasonName(season), animals);
}

std::string AnimalDeathSentence(const std::array<std::uint16_t, AnimalKindCount>& dead, TSeason season) {
  if (dead[0] + dead[1] + dead[2] + dead[3] == 0) return Tr("Ingen dyr døde i løpet av {0}.", SeasonName(season));
  return Tr("I løpet av {0} døde {1}.", SeasonName(season), TCountedList::Animals(dead));
}

// The young by their own names, where the report's own sentence counts them as the grown kind.
std::string YoungSentence(const std::array<std::uint16_t, AnimalKindCount>& born) {
  const std::string young = TCountedList::Joined({{born[0], TrPlural("{0} kalv", "{0} kalver", born[0], born[0])},
                                                  {born[1], TrPlural("{0} grisunge", "{0} grisunger", born[1], born[1])},
                                                  {born[2], TrPlural("{0} lam", "{0} lam", born[2], born[2])},
                                                  {born[3], TrPlural("{0} kylling", "{0} kyllinger", born[3], born[3])}});
  if (young.empty()) return {};
  return Tr("Dyrene fikk {0}.", young);
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

// The i-th dead of row r goes to x = 12 × i, y = 16 × r. A row longer than the picture is
// drawn closer together, so that its last figure still ends inside: each row stays in its band.
void PlaceDeadRow(TPictureArea& area, std::int64_t count, int row) {
  const int room = area.Width - TSeasonReport::HumanPictureSize;
  // Beyond one figure per pixel of room more figures would only repeat those drawn.
  const std::int64_t shown = std::min<std::int64_t>(count, room + 1);
  const bool fits = shown <= 1 || HumanStep * (shown - 1) <= room;
  for (std::int64_t i = 0; i < shown; ++i) {
    const auto x = static_cast<int>(fits ? HumanStep * i : i * room / (shown - 1));
    area.Pictures.push_back({0, x, DeadRowHeight * row});
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

  Caption = Tr("Dette skjedde i løpet av {0}.", SeasonName(info.Season));
  BirthText = BirthSentence(boys, girls, info.Season);
  DeathText = DeathSentence(young, adults, old, info.Season);
  AnimalBirthText = AnimalBirthSentence(info.AnimalsBorn, info.Season);
  AnimalDeathText = AnimalDeathSentence(info.AnimalsDead, info.Season);
  YoungText = YoungSentence(info.AnimalsBorn);
  SlaughterText = TSlaughterYield(info.AnimalsSlaughtered).SlaughteredLine();
  BornHumans = BornHumanPictures(boys, girls);
  DeadHumans = DeadHumanPictures(young, adults, old);
  BornAnimals = AnimalPictures(info.AnimalsBorn);
  DeadAnimals = AnimalPictures(info.AnimalsDead);
}

}  // namespace fjordheim
