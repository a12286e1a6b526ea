#include "core/pages/bookmark_file.h"

#include <string_view>

#include "core/common/atomic_file.h"
#include "core/common/file_messages.h"
#include "core/common/lines.h"
#include "core/common/text.h"

namespace fjordheim {
namespace {

constexpr std::size_t SafeNameLength = 8;
// Å, å, Ä, ä, Ö, ö in Windows-1252.
constexpr std::string_view NordicLetters = "\xC5\xE5\xC4\xE4\xD6\xF6";

bool IsFileNameLetter(char c) {
  const char upper = UpperAscii(std::string_view(&c, 1))[0];
  return (upper >= 'A' && upper <= 'Z') || NordicLetters.find(c) != std::string_view::npos;
}

}  // namespace

// Counted and judged in Windows-1252, where one character is one byte, as the name is
// stored; a character outside that code page is no letter of the list either.
std::string SafeFileName(std::string_view name) {
  std::string safe = Cp1252FromUtf8(name).substr(0, SafeNameLength);
  for (char& c : safe) {
    if (!IsFileNameLetter(c)) c = '_';
  }
  return Utf8From1252(safe);
}

std::string BookmarkFilePath(const std::string& bookmPath, std::string_view chiefName) {
  return bookmPath + SafeFileName(chiefName) + ".htm";
}

bool CreateBookmarkFile(const std::string& dataPath, const std::string& bookmarkFile, TMessageSink& sink) {
  const std::string templatePath = dataPath + BookmarkTemplateName;
  std::string bytes;
  if (!ReadWholeFile(templatePath, bytes)) {
    sink.ShowMessage(CannotReadFileMessage(templatePath));
    return false;
  }
  if (WriteFileAtomically(bookmarkFile, bytes)) return true;
  sink.ShowMessage(CannotWriteFileMessage(bookmarkFile));
  return false;
}

}  // namespace fjordheim
