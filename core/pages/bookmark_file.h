#pragma once

#include <string>
#include <string_view>

#include "core/common/message_sink.h"

namespace fjordheim {

inline constexpr const char* BookmarkTemplateName = "template.htm";

/// The chief's name made fit for a file name: its first 8 characters, each one that is
/// not a letter A to Z (either case), Å, å, Ä, ä, Ö or ö replaced by "_".
std::string SafeFileName(std::string_view name);

/// The chief's own page: BookmPath (ending with a backslash) + SafeFileName + ".htm".
std::string BookmarkFilePath(const std::string& bookmPath, std::string_view chiefName);

/// Copies DataPath + "template.htm" byte for byte to bookmarkFile, replacing it. When the
/// template cannot be read or the copy cannot be written, says so and leaves any old page
/// as it was.
bool CreateBookmarkFile(const std::string& dataPath, const std::string& bookmarkFile, TMessageSink& sink);

}  // namespace fjordheim
