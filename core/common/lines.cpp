#include "core/common/lines.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/common/path_resolver.h"
#include "core/common/text.h"

namespace fjordheim {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  const std::string resolved = ResolvePath(path);
  std::error_code error;
  // A folder opens as a stream on some systems and then reads as an empty file.
  if (std::filesystem::is_directory(resolved, error)) return false;
  std::ifstream in(resolved, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool Read1252Lines(const std::string& path, std::vector<std::string>& lines) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  lines = SplitLines(Utf8From1252(bytes));
  return true;
}

}  // namespace fjordheim
