#pragma once

#include <stdexcept>
#include <string>

namespace fjordheim {

/// The file is not a saved game: its header is not "Village".
inline constexpr const char* WrongFormatMessage = "Feil filformat";
/// The saved game ends too early or holds a value no game can have.
inline constexpr const char* DamagedFileMessage = "Det er feil eller skade på filen";
/// The file cannot be opened, created or written.
inline constexpr const char* CannotOpenMessage = "Kan ikke åpne filen";

/// An error reading or writing a saved game; carries the Norwegian message the player is
/// shown (one of the three above).
class EVillageFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace fjordheim
