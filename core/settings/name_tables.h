#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/common/season.h"
#include "core/common/translation.h"

namespace fjordheim {

/// A fixed table of texts indexed by one of the game's enumerations. An index outside the
/// table throws std::out_of_range rather than reading past it.
template <typename TIndex, std::size_t N>
struct TNameTable {
  std::array<std::string_view, N> Names;

  constexpr std::string_view operator[](TIndex index) const { return Names.at(static_cast<std::size_t>(index)); }
  static constexpr std::size_t size() { return N; }
};

/// The village picture of each season, a file in PicsPath.
inline constexpr TNameTable<TSeason, SeasonCount> SeasonPictureNames{
    {"viautumn.bmp", "viwinter.bmp", "vispring.bmp", "visummer.bmp"}};

/// The decision file of each council situation, a file in DataPath.
inline constexpr TNameTable<TAdviceSeason, AdviceSeasonCount> DecisionFileNames{
    {"elsesumm.dec", "elseautu.dec", "elsewint.dec", "elsespri.dec", "elsefire.dec", "elsefrst.dec"}};

/// The season with the definite article, as it stands inside a sentence ("i løpet av høsten").
inline constexpr TNameTable<TSeason, SeasonCount> SeasonNamesDefinite{
    // Translators: a season with its article inside a sentence: "i løpet av høsten", "gjennom vinteren".
    {TrMark("høsten"), TrMark("vinteren"), TrMark("våren"), TrMark("sommeren")}};

/// The season as the status button shows it; a blank and the year follow ("Høsten år 852").
inline constexpr TNameTable<TSeason, SeasonCount> SeasonYearNames{
    {"Høsten år", "Vinteren år", "Våren år", "Sommeren år"}};

}  // namespace fjordheim
