#pragma once

#include <string>
#include <string_view>

namespace fjordheim {

/// Converts 8-bit Windows-1252 text (data files, saved games, the network) to UTF-8.
std::string Utf8From1252(std::string_view text);

/// Converts UTF-8 to Windows-1252; a character that has no Windows-1252 code becomes '?'.
std::string Cp1252FromUtf8(std::string_view text);

/// True when every character of the UTF-8 text has a Windows-1252 code, so that
/// Cp1252FromUtf8 loses nothing; false for malformed UTF-8 as well.
bool IsLosslessIn1252(std::string_view text);

/// Removes leading and trailing characters of code 32 and below.
std::string Trim(std::string_view text);

/// Removes leading characters of code 32 and below.
std::string TrimLeft(std::string_view text);

/// Upper-cases the letters a to z and nothing else, as the keyword readers do.
std::string UpperAscii(std::string_view text);

/// True when the two texts are equal with a to z folded to upper case.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace fjordheim
