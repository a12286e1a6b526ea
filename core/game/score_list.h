#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fjordheim {

/// One place of the score list: the chief's name (empty for an empty place) and the score.
struct TScoreEntry {
  std::string Name;
  std::int32_t Score = 0;

  bool operator==(const TScoreEntry&) const = default;
};

/// The ten best chiefs, best first, and their form in "nothing.tpl": ten entries one after
/// the other, each a Windows-1252 name ended by a 0 byte and a 4-byte little-endian signed
/// score.
class TScoreList {
 public:
  static constexpr int PlaceCount = 10;

  /// Ten empty places.
  TScoreList() = default;

  /// The list of the first game ever: the chief at place 1, whatever the score, and nine
  /// empty places.
  static TScoreList StartedBy(const std::string& name, std::int32_t score);

  /// Reads the entries from the bytes of a score file. Never fails: a name runs to the first
  /// 0 byte or the end, a score cut short counts 0, places past the end stay empty and
  /// bytes after the tenth entry are ignored.
  static TScoreList FromBytes(std::string_view bytes);

  /// The bytes of the score file for these entries.
  std::string ToBytes() const;

  /// Puts the chief at the first place whose score is below score, moving the rest down
  /// (a tie goes below the older entry). False when no place is below, the list unchanged.
  bool Insert(const std::string& name, std::int32_t score);

  /// Takes off the first entry with exactly this name and score and moves the rest up.
  /// False when there is none.
  bool Remove(const std::string& name, std::int32_t score);

  /// The entry at place 1 to 10.
  const TScoreEntry& At(int place) const;

  /// The ten lines of the list as the score window shows them.
  std::vector<std::string> Lines() const;

  /// One line: the place, ".", three blanks (four below place 10), the score right-aligned
  /// in five characters, three blanks and the name.
  static std::string Line(int place, const TScoreEntry& entry);

  /// The name as the score file can hold it: characters without a Windows-1252 code become
  /// "?", and a 0 character, which would end the name early in the file, too.
  static std::string StorableName(std::string_view name);

 private:
  std::array<TScoreEntry, PlaceCount> FEntries;
};

}  // namespace fjordheim
