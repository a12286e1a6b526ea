// Writes one UTF-8 text source of the data set into the game folder as Windows-1252
// with Windows line ends. A character the code page lacks fails the build, naming the
// file and line, rather than turning silently into '?'. HTML pages that declare
// charset=utf-8 are written declaring windows-1252, so the page says what it is.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "core/common/lines.h"
#include "core/common/text.h"

namespace {

namespace fs = std::filesystem;

bool IsHtml(const fs::path& path) {
  const std::string ext = fjordheim::UpperAscii(path.extension().string());
  return ext == ".HTM" || ext == ".HTML";
}

std::string DeclaredAs1252(std::string line) {
  constexpr std::string_view utf8 = "CHARSET=UTF-8";
  const std::size_t at = fjordheim::UpperAscii(line).find(utf8);
  if (at != std::string::npos) line.replace(at, utf8.size(), "charset=windows-1252");
  return line;
}

bool ReportLossyLines(const std::string& source, const std::vector<std::string>& lines) {
  bool lossy = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (fjordheim::IsLosslessIn1252(lines[i])) continue;
    std::cerr << source << ":" << i + 1 << ": a character has no Windows-1252 code: " << lines[i] << "\n";
    lossy = true;
  }
  return lossy;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: textconv <utf-8 source> <windows-1252 target>\n";
    return 2;
  }
  const std::string source = argv[1];
  const fs::path target = argv[2];
  std::string bytes;
  if (!fjordheim::ReadWholeFile(source, bytes)) {
    std::cerr << source << ": cannot be read\n";
    return 1;
  }
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  std::vector<std::string> lines = fjordheim::SplitLines(bytes);
  if (ReportLossyLines(source, lines)) return 1;

  std::string converted;
  for (std::string& line : lines) {
    if (IsHtml(target)) line = DeclaredAs1252(std::move(line));
    converted += fjordheim::Cp1252FromUtf8(line);
    converted += "\r\n";
  }
  std::error_code error;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(converted.data(), static_cast<std::streamsize>(converted.size()));
  if (!out) {
    std::cerr << target.string() << ": cannot be written\n";
    return 1;
  }
  return 0;
}
