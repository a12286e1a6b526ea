#pragma once

#include <string>

#include "core/common/translation.h"

namespace fjordheim {

/// The player's message for a file that could not be read, with the path as given.
inline std::string CannotReadFileMessage(const std::string& path) { return Tr("Kan ikke lese filen: {0}", path); }

/// The advice reader's wording of that message, which differs from the others.
inline std::string CannotReadAdviceFileMessage(const std::string& path) {
  return Tr("Kan inte läsa filen: {0}", path);
}

/// The player's message for a file that could not be written, with the path as given.
inline std::string CannotWriteFileMessage(const std::string& path) { return Tr("Kan ikke skrive filen: {0}", path); }

}  // namespace fjordheim
