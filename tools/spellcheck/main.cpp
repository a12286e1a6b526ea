// Spell-checks everything a player reads in a game folder or a language's folder in it (the
// market and merchant names, the data files and the pages, as the game reads them in
// Windows-1252) with a dictionary of hunspell (Norwegian Bokmål unless --dictionary names
// another) and lists of accepted words, which also refuse the words our own texts must not use. Every unknown or refused word is named with
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
  for (const char* names : {"tunstad.ini", "markets.ini"}) {
    if (fs::is_regular_file(folder / names)) files.push_back(names);
  }
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
  constexpr std::string_view DictionaryOption = "--dictionary=";
  std::string dictionary = "nb_NO";
  std::vector<std::string> acceptedFiles;
  for (int i = 2; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument.starts_with(DictionaryOption)) {
      dictionary = std::string(argument.substr(DictionaryOption.size()));
    } else {
      acceptedFiles.emplace_back(argument);
    }
  }
  if (argc < 3 || acceptedFiles.empty()) {
    std::cerr << "usage: spellcheck <game folder> <accepted words>... [--dictionary=nb_NO]\n";
    return 2;
  }
  const fs::path folder = argv[1];
  std::string accepted;
  for (const std::string& file : acceptedFiles) {
    std::string words;
    if (!fjordheim::ReadWholeFile(file, words)) {
      std::cerr << file << ": cannot be read\n";
      return 2;
    }
    accepted += words + "\n";
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
  const fjordheim::TSpellingCheck check(accepted, dictionary);
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
  std::cout << "Correct the spelling, or add names and old Norse words to " << acceptedFiles.front()
            << "; write a refused word the way the list says\n";
  return 1;
}
