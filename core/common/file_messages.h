#pragma once

#include <string>

namespace fjordheim {

/// The player's message for a file that could not be read, with the path as given.
inline std::string CannotReadFileMessage(const std::string& path) { return "Kan ikke lese filen: " + path; }

/// The advice reader's wording of that message, which differs from the others.
inline std::string CannotReadAdviceFileMessage(const std::string& path) { return "Kan inte läsa filen: " + path; }

/// The player's message for a file that could not be written, with the path as given.
inline std::string CannotWriteFileMessage(const std::string& path) { return "Kan ikke skrive filen: " + path; }

}  // namespace fjordheim
