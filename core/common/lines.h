#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fjordheim {

/// Splits text into lines at LF, CRLF or a lone CR; a last line without an end counts,
/// an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

/// Reads a whole file as bytes; the path may be a game path with backslashes
/// (see ResolvePath). False when it cannot be opened or read, or is a folder.
bool ReadWholeFile(const std::string& path, std::string& bytes);

/// Reads an 8-bit Windows-1252 text file into UTF-8 lines. False when it cannot be read.
bool Read1252Lines(const std::string& path, std::vector<std::string>& lines);

}  // namespace fjordheim
