#pragma once

#include <stdexcept>
#include <string>

#include "core/common/translation.h"

namespace fjordheim {

/// The file is not a saved game: its header is not "Village".
inline constexpr const char* WrongFormatMessage = TrMark("Feil filformat");
/// The saved game ends too early or holds a value no game can have.
inline constexpr const char* DamagedFileMessage = TrMark("Det er feil eller skade på filen");
/// The file cannot be opened, created or written.
inline constexpr const char* CannotOpenMessage = TrMark("Kan ikke åpne filen");

/// An error reading or writing a saved game; carries the message the player is shown (one of
/// the three above), in the language of the game.
class EVillageFileError : public std::runtime_error {
 public:
  explicit EVillageFileError(const char* message) : std::runtime_error(Tr(message)) {}
};

}  // namespace fjordheim
