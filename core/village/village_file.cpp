#include "core/village/village.h"

#include <cmath>
#include <cstddef>

#include "core/village/village_file_error.h"
#include "core/village/village_stream.h"

namespace fjordheim {
namespace {

// The file counts the living and the dead in 16 bits each.
constexpr std::size_t MaxPersonsInFile = 65535;
// The store holds at most twice a season's need, and the largest village a file can hold
// (65535 grown men eating one unit each) needs 65535: food beyond this bound no game can
// reach, and a season fed from it would overflow.
constexpr long double MostFood = 1.0e7L;
// The crop starts every year at 1 and grows by a share of the work force each season.
constexpr float MostCropGrowth = 1.0e6F;

// Nothing is reserved from the count: a damaged file may claim 65535 persons and hold
// none, and the first short read ends the loop.
TPersonList ReadPersons(TVillageStream& stream) {
  const std::uint16_t count = stream.ReadWord();
  TPersonList persons;
  for (std::uint16_t i = 0; i < count; ++i) {
    persons.push_back(std::make_unique<THumanInfo>(THumanInfo::CreateFromStream(stream)));
  }
  return persons;
}

void WritePersons(TVillageStream& stream, const TPersonList& persons) {
  stream.WriteWord(static_cast<std::uint16_t>(persons.size()));
  for (const auto& person : persons) person->SaveToStream(stream);
}

template <std::size_t N>
std::array<std::uint16_t, N> ReadWords(TVillageStream& stream) {
  std::array<std::uint16_t, N> words{};
  for (auto& word : words) word = stream.ReadWord();
  return words;
}

template <std::size_t N>
void WriteWords(TVillageStream& stream, const std::array<std::uint16_t, N>& words) {
  for (const std::uint16_t word : words) stream.WriteWord(word);
}

// The simulation never makes an infinity or a NaN, and one read from a file would run
// through every later season (and into whole-number conversions that have no answer),
// so such a number is damage.
template <typename TNumber>
TNumber Finite(TNumber value) {
  if (!std::isfinite(value)) throw EVillageFileError(DamagedFileMessage);
  return value;
}

template <typename TNumber>
TNumber AtMost(TNumber value, TNumber most) {
  if (!(std::fabs(Finite(value)) <= most)) throw EVillageFileError(DamagedFileMessage);
  return value;
}

}  // namespace

void TVillage::SaveToStream(TVillageStream& stream) const {
  // A file that could not be read back would be worse than no save at all.
  if (People.size() > MaxPersonsInFile || Dead.size() > MaxPersonsInFile) {
    throw EVillageFileError(CannotOpenMessage);
  }
  if (!std::isfinite(FoodRatio) || !std::isfinite(Food) || !std::isfinite(FoodStore) ||
      !std::isfinite(CropGrowth) || !std::isfinite(RatingSum)) {
    throw EVillageFileError(CannotOpenMessage);
  }
  WritePersons(stream, People);
  WritePersons(stream, Dead);
  stream.WriteSingle(FoodRatio);
  WriteWords(stream, Animals);
  stream.WriteSeason(Season);
  stream.WriteWord(Year);
  stream.WriteFloat(Food);
  stream.WriteFloat(FoodStore);
  stream.WriteSingle(CropGrowth);
  WriteWords(stream, GoodsProduction);
  stream.WriteSingle(RatingSum);
  Trade.SaveToStream(stream.Bytes());
}

// Everything is read into locals first and only a block read through is taken over, so
// a damaged file never leaves a half-loaded village.
void TVillage::LoadFromStream(TVillageStream& stream) {
  TPersonList people = ReadPersons(stream);
  TPersonList dead = ReadPersons(stream);
  const float foodRatio = Finite(stream.ReadSingle());
  const TAnimalCounts animals = ReadWords<AnimalKindCount>(stream);
  const TSeason season = stream.ReadSeason();
  const std::uint16_t year = stream.ReadWord();
  const long double food = AtMost(stream.ReadFloat(), MostFood);
  const long double foodStore = AtMost(stream.ReadFloat(), MostFood);
  const float cropGrowth = AtMost(stream.ReadSingle(), MostCropGrowth);
  const TGoodsCounts goodsProduction = ReadWords<GoodsKindCount>(stream);
  const float ratingSum = Finite(stream.ReadSingle());
  TTrade trade = Trade;
  trade.LoadFromStream(stream.Bytes());

  People = std::move(people);
  Dead = std::move(dead);
  FoodRatio = foodRatio;
  Animals = animals;
  Season = season;
  Year = year;
  Food = food;
  FoodStore = foodStore;
  CropGrowth = cropGrowth;
  GoodsProduction = goodsProduction;
  RatingSum = ratingSum;
  Trade = trade;
}

}  // namespace fjordheim
