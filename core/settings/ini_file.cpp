#include "core/settings/ini_file.h"

#include <charconv>
#include <limits>
#include <vector>

#include "core/common/lines.h"
#include "core/common/path_resolver.h"
#include "core/common/text.h"

namespace fjordheim {
namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// Letter case of names is folded as for file names: a to z and the Latin-1 letters, so that
// "[HØST]" and "[høst]" are one section.
std::string FoldName(std::string_view name) { return FoldFileNameCase(name); }

std::string Utf8Text(std::string_view bytes) {
  if (bytes.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
    return std::string(bytes.substr(Utf8ByteOrderMark.size()));
  }
  return Utf8From1252(bytes);
}

std::string WithoutEnclosingQuotes(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

template <typename TNumber>
std::optional<TNumber> ParseWhole(std::string_view digits, int base) {
  TNumber value{};
  const char* end = digits.data() + digits.size();
  const auto [last, error] = std::from_chars(digits.data(), end, value, base);
  if (digits.empty() || error != std::errc() || last != end) return std::nullopt;
  return value;
}

// Only the letters a to z are folded: the names written by WithIniValue are ASCII, and a
// name with any other letter can never equal one of them.
bool SameAsciiName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// A line of the file as the reader splits it: a line ends at "\r\n", "\n" or a lone "\r".
struct TRawLine {
  std::string_view Text;
  /// The line's end as written; empty for a last line without one.
  std::string_view End;
};

std::vector<TRawLine> RawLines(std::string_view bytes) {
  std::vector<TRawLine> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back({bytes, {}});
      break;
    }
    const std::size_t endSize = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
    lines.push_back({bytes.substr(0, end), bytes.substr(end, endSize)});
    bytes.remove_prefix(end + endSize);
  }
  return lines;
}

// The name of a section header line, or none for any other line.
std::optional<std::string> SectionOfLine(std::string_view line) {
  const std::string text = Trim(line);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const std::size_t close = text.rfind(']');
  return Trim(std::string_view(text).substr(1, (close == std::string::npos ? text.size() : close) - 1));
}

bool IsKeyLine(std::string_view line, std::string_view key) {
  const std::string text = Trim(line);
  const std::size_t equals = text.find('=');
  if (text.empty() || text.front() == ';' || equals == std::string::npos) return false;
  return SameAsciiName(Trim(std::string_view(text).substr(0, equals)), key);
}

}  // namespace

std::string WithIniValue(std::string_view bytes, std::string_view section, std::string_view key, std::string_view value) {
  const bool bom = bytes.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark;
  const std::string_view body = bom ? bytes.substr(Utf8ByteOrderMark.size()) : bytes;
  const std::vector<TRawLine> lines = RawLines(body);
  const std::string_view newline = body.find("\r\n") != std::string_view::npos || body.find('\n') == std::string_view::npos
                                       ? std::string_view("\r\n")
                                       : std::string_view("\n");
  const std::string entry = std::string(key) + "=" + std::string(value);

  // The first section of the name is the one a reader takes; a later one is ignored whole.
  std::optional<std::size_t> header;
  for (std::size_t i = 0; i < lines.size() && !header; ++i) {
    const std::optional<std::string> name = SectionOfLine(lines[i].Text);
    if (name && SameAsciiName(*name, section)) header = i;
  }
  std::optional<std::size_t> keyLine;
  std::size_t lastFilled = header.value_or(0);
  for (std::size_t i = header.value_or(lines.size()) + 1; i < lines.size() && !SectionOfLine(lines[i].Text); ++i) {
    if (!keyLine && IsKeyLine(lines[i].Text, key)) keyLine = i;
    if (!Trim(lines[i].Text).empty()) lastFilled = i;
  }

  std::string out(bom ? Utf8ByteOrderMark : std::string_view());
  // A line added after a last line that has no line end gives that line one first.
  const auto add = [&out, newline](std::string_view text) {
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += newline;
    out += text;
    out += newline;
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (keyLine && i == *keyLine) {
      out += entry;
      out += lines[i].End;
      continue;
    }
    out += lines[i].Text;
    out += lines[i].End;
    if (header && !keyLine && i == lastFilled) add(entry);
  }
  if (!header) {
    add("[" + std::string(section) + "]");
    add(entry);
  }
  return out;
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
  const std::string trimmed = Trim(text);
  const std::string_view number = trimmed;
  if (number.size() > 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X')) {
    const auto hex = ParseWhole<std::uint32_t>(number.substr(2), 16);
    if (!hex || *hex > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) return std::nullopt;
    return static_cast<std::int32_t>(*hex);
  }
  // from_chars takes a '-' but not a '+'; a plus sign followed by a digit is allowed too.
  std::string_view decimal = number;
  if (decimal.size() > 1 && decimal[0] == '+' && decimal[1] != '-') decimal.remove_prefix(1);
  return ParseWhole<std::int32_t>(decimal, 10);
}

TIniFile TIniFile::FromBytes(std::string_view bytes) {
  TIniFile file;
  std::size_t current = NoSection;
  for (const std::string& line : SplitLines(Utf8Text(bytes))) file.ParseLine(line, current);
  return file;
}

TIniFile TIniFile::FromFile(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return TIniFile();
  return FromBytes(bytes);
}

// current is the section that key lines go to; none before the first section and inside a
// section that repeats an earlier one.
void TIniFile::ParseLine(std::string_view line, std::size_t& current) {
  const std::string text = Trim(line);
  if (text.empty() || text.front() == ';') return;
  if (text.front() == '[') {
    const std::size_t close = text.rfind(']');
    const std::size_t nameEnd = close == std::string::npos ? text.size() : close;
    std::string name = Trim(std::string_view(text).substr(1, nameEnd - 1));
    const auto [where, added] = FSectionByFoldedName.try_emplace(FoldName(name), FSections.size());
    current = added ? FSections.size() : NoSection;
    if (added) FSections.push_back(TSection{std::move(name), {}, {}});
    return;
  }
  const std::size_t equals = text.find('=');
  if (current == NoSection || equals == std::string::npos) return;
  std::string key = Trim(std::string_view(text).substr(0, equals));
  if (key.empty()) return;
  TSection& section = FSections[current];
  const auto [where, added] = section.EntryByFoldedKey.try_emplace(FoldName(key), section.Entries.size());
  if (!added) return;
  section.Entries.push_back(TEntry{std::move(key), WithoutEnclosingQuotes(Trim(std::string_view(text).substr(equals + 1)))});
}

TIniFile::TSection& TIniFile::SectionNamed(const std::string& name) {
  const auto [where, added] = FSectionByFoldedName.try_emplace(FoldName(name), FSections.size());
  if (added) FSections.push_back(TSection{name, {}, {}});
  return FSections[where->second];
}

void TIniFile::Overlay(const TIniFile& over) {
  for (const TSection& overSection : over.FSections) {
    TSection& section = SectionNamed(overSection.Name);
    for (const TEntry& entry : overSection.Entries) {
      const auto [where, added] = section.EntryByFoldedKey.try_emplace(FoldName(entry.Key), section.Entries.size());
      if (added) {
        section.Entries.push_back(entry);
      } else {
        section.Entries[where->second].Value = entry.Value;
      }
    }
  }
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view section) const {
  const auto found = FSectionByFoldedName.find(FoldName(Trim(section)));
  return found == FSectionByFoldedName.end() ? nullptr : &FSections[found->second];
}

const TIniFile::TEntry* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
  const TSection* found = FindSection(section);
  if (found == nullptr) return nullptr;
  const auto entry = found->EntryByFoldedKey.find(FoldName(Trim(key)));
  return entry == found->EntryByFoldedKey.end() ? nullptr : &found->Entries[entry->second];
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
  const TEntry* entry = FindEntry(section, key);
  return entry == nullptr ? std::string(defaultValue) : entry->Value;
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
  const TEntry* entry = FindEntry(section, key);
  if (entry == nullptr) return defaultValue;
  return ParseIniInteger(entry->Value).value_or(defaultValue);
}

std::vector<std::string> TIniFile::ReadSections() const {
  std::vector<std::string> names;
  names.reserve(FSections.size());
  for (const TSection& section : FSections) names.push_back(section.Name);
  return names;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  if (const TSection* found = FindSection(section)) {
    for (const TEntry& entry : found->Entries) keys.push_back(entry.Key);
  }
  return keys;
}

bool TIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindEntry(section, key) != nullptr;
}

}  // namespace fjordheim
