#pragma once

#include <cstdint>
#include <string>

#include "core/common/byte_stream.h"
#include "core/village/village.h"

namespace fjordheim {

/// Everything a saved game holds: the turn-cycle values kept beside the village, and the
/// village. The season's phase flags and the village's pending events are not saved.
struct TSavedGame {
  std::string ChiefName;
  /// The number of the chief's face picture.
  std::int32_t ChiefFace = 0;
  std::int32_t ChiefStanding = 0;
  std::int32_t PopupSeasonCounter = 0;
  std::int32_t PopupIndex = 0;
  std::int32_t CatastropheCountdown = 0;
  bool TradedThisYear = false;
  TVillage Village;
};

/// Reads a whole saved game. Raises EVillageFileError with "Feil filformat" when the
/// header is wrong and with "Det er feil eller skade på filen" when anything after it is
/// cut short or out of range (the goods record included). Bytes after the goods record
/// are not read.
TSavedGame ReadSavedGame(TByteStream& bytes);

/// Writes a whole saved game. Raises EVillageFileError with "Kan ikke åpne filen" when the
/// bytes cannot all be written or the game cannot be saved so that it reads back.
void WriteSavedGame(TByteStream& bytes, const TSavedGame& game);

/// Loads the saved game at `path` (a path on this disk). All or nothing: a game is
/// returned only when the whole file was read without error, so a caller that assigns the
/// result keeps its current game on any error. Raises EVillageFileError as ReadSavedGame
/// does, and with "Kan ikke åpne filen" when the file cannot be opened or is no regular
/// file.
TSavedGame LoadSavedGame(const std::string& path);

/// Saves the game to `path` as one step: the old file is replaced only by a complete new
/// one. On any failure the old file stays as it was and EVillageFileError with "Kan ikke
/// åpne filen" is raised.
void SaveSavedGame(const std::string& path, const TSavedGame& game);

}  // namespace fjordheim
