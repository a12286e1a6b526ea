// Spell-checks everything a player reads in a game folder (the settings' market and
// merchant names, the data files and the pages, as the game reads them in Windows-1252)
// with hunspell's Norwegian Bokmål dictionary and a list of accepted words, which also
// refuses the words our own texts must not use. Every unknown or refused word is named with
// its file and line, and the check fails.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/common/lines.h"
#include "core/common/text.h"
#include "tools/spellcheck/player_text.h"
#include "tools/spellcheck/spelling_check.h"

namespace {

namespace fs = std::filesystem;

// The files of the folder a player reads, as game paths ("Html/gods.htm"), in a fixed order.
std::vector<std::string> FilesToCheck(const fs::path& folder) {
  std::vector<std::string> files;
  if (fs::is_regular_file(folder / "tunstad.ini")) files.push_back("tunstad.ini");
  for (const char* part : {"Data", "Html"}) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder / part, error)) {
      if (entry.is_regular_file()) files.push_back(std::string(part) + "/" + entry.path().filename().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: spellcheck <game folder> <accepted words>\n";
    return 2;
  }
  const fs::path folder = argv[1];
  std::string accepted;
  if (!fjordheim::ReadWholeFile(argv[2], accepted)) {
    std::cerr << argv[2] << ": cannot be read\n";
    return 2;
  }
  std::vector<fjordheim::TPlayerLine> lines;
  const std::vector<std::string> files = FilesToCheck(folder);
  for (const std::string& file : files) {
    std::string bytes;
    if (!fjordheim::ReadWholeFile((folder / file).string(), bytes)) {
      std::cerr << file << ": cannot be read\n";
      return 2;
    }
    const std::vector<fjordheim::TPlayerLine> text =
        fjordheim::PlayerTextOf(file, fjordheim::SplitLines(fjordheim::Utf8From1252(bytes)));
    lines.insert(lines.end(), text.begin(), text.end());
  }
  if (lines.empty()) {
    std::cerr << folder.string() << ": no text to check\n";
    return 2;
  }
  const fjordheim::TSpellingCheck check(accepted);
  std::vector<fjordheim::TMisspelling> misspellings;
  std::string error;
  if (!check.Check(lines, misspellings, error)) {
    std::cerr << error << "\n";
    return 2;
  }
  for (const fjordheim::TMisspelling& misspelling : misspellings)
    std::cout << fjordheim::TSpellingCheck::Report(misspelling) << "\n";
  std::cout << files.size() << " files, " << lines.size() << " lines, " << misspellings.size()
            << " unknown or refused words\n";
  if (misspellings.empty()) return 0;
  std::cout << "Correct the spelling, or add names and old Norse words to " << argv[2]
            << "; write a refused word the Norwegian way\n";
  return 1;
}
