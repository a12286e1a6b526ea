#include "tools/spellcheck/spelling_check.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

#include <unistd.h>

#include "core/common/lines.h"
#include "core/common/text.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

// Lower-cases the first letter of a word: A to Z and the Latin-1 capitals Æ, Ø, Å and the
// like, which UTF-8 writes as C3 80 to C3 9E (× excepted).
std::string WithSmallFirstLetter(std::string word) {
  if (word.empty()) return word;
  const auto first = static_cast<unsigned char>(word[0]);
  if (first >= 'A' && first <= 'Z') {
    word[0] = static_cast<char>(first + ('a' - 'A'));
  } else if (first == 0xC3 && word.size() > 1) {
    const auto second = static_cast<unsigned char>(word[1]);
    if (second >= 0x80 && second <= 0x9E && second != 0x97) word[1] = static_cast<char>(second + 0x20);
  }
  return word;
}

// Raises the first letter of a word the same way: a to z and the Latin-1 small letters,
// C3 A0 to C3 BE (÷ excepted).
std::string WithCapitalFirstLetter(std::string word) {
  if (word.empty()) return word;
  const auto first = static_cast<unsigned char>(word[0]);
  if (first >= 'a' && first <= 'z') {
    word[0] = static_cast<char>(first - ('a' - 'A'));
  } else if (first == 0xC3 && word.size() > 1) {
    const auto second = static_cast<unsigned char>(word[1]);
    if (second >= 0xA0 && second <= 0xBE && second != 0xB7) word[1] = static_cast<char>(second - 0x20);
  }
  return word;
}

bool IsQuote(std::string_view line) {
  constexpr std::string_view open = "«", close = "»";
  return line.size() > open.size() + close.size() && line.substr(0, open.size()) == open &&
         line.substr(line.size() - close.size()) == close;
}

// The code of the UTF-8 character that begins at `at` (0 for a broken one).
char32_t CodeAt(const std::string& text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  return code;
}

// Letters (those of the Latin alphabets beyond ASCII as well) and digits make up words;
// blanks, punctuation, « », dashes and the like stand between them.
bool IsWordCharacter(char32_t code) {
  if (code < 0x80) return std::isalnum(static_cast<int>(code)) != 0;
  return code >= 0xC0 && code < 0x2000 && code != 0xD7 && code != 0xF7;
}

bool IsWordBefore(const std::string& text, std::size_t at) {
  if (at == 0) return false;
  std::size_t start = at - 1;
  while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
  return IsWordCharacter(CodeAt(text, start));
}

bool HoldsWord(const std::string& text, const std::string& word) {
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const std::size_t end = at + word.size();
    if (!IsWordBefore(text, at) && (end == text.size() || !IsWordCharacter(CodeAt(text, end)))) return true;
  }
  return false;
}

// A file of its own for each check, so that checks running side by side never share one.
fs::path InputFileName() {
  static std::atomic<int> counter{0};
  return fs::temp_directory_path() /
         ("fjordheim-spelling-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".txt");
}

bool WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

// Runs a command and returns what it wrote to its standard output.
bool OutputOf(const std::string& command, std::string& output) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return false;
  char buffer[4096];
  for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, read);
  return pclose(pipe) == 0;
}

}  // namespace

TSpellingCheck::TSpellingCheck(std::string_view acceptedWords, std::string dictionary)
    : FDictionary(std::move(dictionary)) {
  for (const std::string& raw : SplitLines(acceptedWords)) {
    const std::string word = Trim(std::string_view(raw).substr(0, raw.find('#')));
    if (IsQuote(word)) FQuotes.push_back(word);
    else if (word.size() > 1 && word[0] == '!') FRefused.insert(Trim(std::string_view(word).substr(1)));
    else if (!word.empty()) FAccepted.insert(word);
  }
}

bool TSpellingCheck::IsRefused(const std::string& word) const {
  return FRefused.count(word) > 0 || FRefused.count(WithSmallFirstLetter(word)) > 0;
}

bool TSpellingCheck::IsAccepted(const std::string& word) const {
  if (IsRefused(word)) return false;
  return FAccepted.count(word) > 0 || FAccepted.count(WithSmallFirstLetter(word)) > 0;
}

// The lines with every quote of the program's own texts blanked out, so that neither the
// dictionary nor the refused words see what stands inside one.
std::vector<TPlayerLine> TSpellingCheck::WithoutQuotes(const std::vector<TPlayerLine>& lines) const {
  std::vector<TPlayerLine> outside = lines;
  for (TPlayerLine& line : outside) {
    for (const std::string& quote : FQuotes) {
      for (std::size_t at = line.Text.find(quote); at != std::string::npos; at = line.Text.find(quote, at + 1))
        line.Text.replace(at, quote.size(), " ");
    }
  }
  return outside;
}

bool TSpellingCheck::Check(const std::vector<TPlayerLine>& lines, std::vector<TMisspelling>& misspellings,
                           std::string& error) const {
  std::string input;
  for (const TPlayerLine& line : WithoutQuotes(lines)) input += line.Text + "\n";
  const fs::path path = InputFileName();
  if (!WriteFile(path, input)) {
    error = "cannot write " + path.string();
    return false;
  }
  // List mode only names the unknown words; the pipe mode's suggestions would take minutes.
  std::string unknown;
  const bool ran =
      OutputOf("hunspell -l -i UTF-8 -d '" + FDictionary + "' < '" + path.string() + "' 2>/dev/null", unknown);
  std::error_code ignored;
  fs::remove(path, ignored);
  if (!ran) {
    error = "hunspell with its dictionary " + FDictionary + " cannot be run: scripts/install-deps installs them";
    return false;
  }
  misspellings = FromUnknownWords(lines, unknown);
  return true;
}

std::vector<TMisspelling> TSpellingCheck::FromUnknownWords(const std::vector<TPlayerLine>& quoted,
                                                           const std::string& unknown) const {
  const std::vector<TPlayerLine> lines = WithoutQuotes(quoted);
  std::set<std::string> words;
  for (const std::string& word : SplitLines(unknown)) {
    if (!word.empty() && !IsAccepted(word) && !IsRefused(word)) words.insert(word);
  }
  // Each word is named on every line that holds it whole; a word hunspell cut out of a
  // longer one is named where it stands inside one, and one found nowhere still fails.
  std::vector<TMisspelling> misspellings;
  std::set<std::string> placed;
  for (const TPlayerLine& line : lines) {
    for (const std::string& word : words) {
      if (!HoldsWord(line.Text, word)) continue;
      misspellings.push_back({line.File, line.Line, word});
      placed.insert(word);
    }
    for (const std::string& word : FRefused) {
      const std::string capital = WithCapitalFirstLetter(word);
      if (HoldsWord(line.Text, word)) misspellings.push_back({line.File, line.Line, word, true});
      if (capital != word && HoldsWord(line.Text, capital)) misspellings.push_back({line.File, line.Line, capital, true});
    }
  }
  for (const std::string& word : words) {
    if (placed.count(word)) continue;
    const auto inside = std::find_if(lines.begin(), lines.end(),
                                     [&](const TPlayerLine& line) { return line.Text.find(word) != std::string::npos; });
    misspellings.push_back(inside == lines.end() ? TMisspelling{"", 0, word} : TMisspelling{inside->File, inside->Line, word});
  }
  return misspellings;
}

std::string TSpellingCheck::Report(const TMisspelling& misspelling) {
  return misspelling.File + ":" + std::to_string(misspelling.Line) + (misspelling.Refused ? ": refused" : ": unknown") +
         " word \"" + misspelling.Word + "\"";
}

}  // namespace fjordheim
