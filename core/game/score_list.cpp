#include "core/game/score_list.h"

#include <cstdio>
#include <stdexcept>

#include "core/common/text.h"

namespace fjordheim {
namespace {

constexpr std::size_t ScoreBytes = 4;

std::string ReadName(std::string_view bytes, std::size_t& position) {
  const std::size_t end = bytes.find('\0', position);
  const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
  std::string name = Utf8From1252(bytes.substr(position, stop - position));
  position = end == std::string_view::npos ? bytes.size() : end + 1;
  return name;
}

std::int32_t ReadScore(std::string_view bytes, std::size_t& position) {
  if (bytes.size() - position < ScoreBytes) {
    position = bytes.size();
    return 0;
  }
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < ScoreBytes; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[position + i])) << (8 * i);
  }
  position += ScoreBytes;
  return static_cast<std::int32_t>(value);
}

void AppendScore(std::string& out, std::int32_t score) {
  const auto value = static_cast<std::uint32_t>(score);
  for (std::size_t i = 0; i < ScoreBytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A name holding a line break or another control character would break the list into
// more lines than ten; on screen such a character shows as a blank.
std::string DisplayName(std::string_view name) {
  std::string shown(name);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return shown;
}

}  // namespace

TScoreList TScoreList::StartedBy(const std::string& name, std::int32_t score) {
  TScoreList list;
  list.FEntries.front() = TScoreEntry{StorableName(name), score};
  return list;
}

TScoreList TScoreList::FromBytes(std::string_view bytes) {
  TScoreList list;
  std::size_t position = 0;
  for (TScoreEntry& entry : list.FEntries) {
    entry.Name = ReadName(bytes, position);
    entry.Score = ReadScore(bytes, position);
  }
  return list;
}

std::string TScoreList::ToBytes() const {
  std::string out;
  for (const TScoreEntry& entry : FEntries) {
    out += Cp1252FromUtf8(entry.Name);
    out += '\0';
    AppendScore(out, entry.Score);
  }
  return out;
}

bool TScoreList::Insert(const std::string& name, std::int32_t score) {
  for (std::size_t place = 0; place < FEntries.size(); ++place) {
    if (FEntries[place].Score >= score) continue;
    for (std::size_t i = FEntries.size() - 1; i > place; --i) FEntries[i] = std::move(FEntries[i - 1]);
    FEntries[place] = TScoreEntry{StorableName(name), score};
    return true;
  }
  return false;
}

bool TScoreList::Remove(const std::string& name, std::int32_t score) {
  const std::string stored = StorableName(name);
  for (std::size_t place = 0; place < FEntries.size(); ++place) {
    if (FEntries[place].Name != stored || FEntries[place].Score != score) continue;
    for (std::size_t i = place; i + 1 < FEntries.size(); ++i) FEntries[i] = std::move(FEntries[i + 1]);
    FEntries.back() = TScoreEntry{};
    return true;
  }
  return false;
}

const TScoreEntry& TScoreList::At(int place) const {
  if (place < 1 || place > PlaceCount) throw std::out_of_range("score list place");
  return FEntries[static_cast<std::size_t>(place - 1)];
}

std::vector<std::string> TScoreList::Lines() const {
  std::vector<std::string> lines;
  for (int place = 1; place <= PlaceCount; ++place) lines.push_back(Line(place, At(place)));
  return lines;
}

std::string TScoreList::Line(int place, const TScoreEntry& entry) {
  char score[16];
  std::snprintf(score, sizeof score, "%5d", static_cast<int>(entry.Score));
  std::string line = std::to_string(place) + ".   ";
  if (place < 10) line += ' ';
  return line + score + "   " + DisplayName(entry.Name);
}

std::string TScoreList::StorableName(std::string_view name) {
  std::string bytes = Cp1252FromUtf8(name);
  for (char& c : bytes) {
    if (c == '\0') c = '?';
  }
  return Utf8From1252(bytes);
}

}  // namespace fjordheim
