#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fjordheim {

/// A sectioned settings file ("tunstad.ini", "popup.txt") read the way Windows reads a
/// private profile:
/// - "[Name]" opens a section; "key=value" lines belong to the last section opened;
/// - section and key names are compared without regard to letter case;
/// - names and values are trimmed; one pair of matching quotes around a value is removed;
/// - lines that begin with ';', lines without '=' and lines before the first section are
///   ignored (a ';' later in a line is part of the value);
/// - when a section or a key occurs twice, the first occurrence wins and the later one is
///   ignored, section and all;
/// - a missing file, section or key reads as empty and gives the caller's default.
/// The file is Windows-1252 on disk (UTF-8 when it starts with a UTF-8 byte-order mark);
/// every name and value is UTF-8 in the program.
class TIniFile {
 public:
  /// An empty file: every read gives its default.
  TIniFile() = default;

  /// Reads the bytes of a whole settings file.
  static TIniFile FromBytes(std::string_view bytes);

  /// Reads a settings file; the path may be a game path with backslashes. A file that
  /// cannot be read gives an empty settings file.
  static TIniFile FromFile(const std::string& path);

  /// The value of the key, or the default when the section or the key is missing. A key
  /// written with nothing after '=' gives the empty text, not the default.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

  /// The value read by ParseIniInteger, or the default when the key is missing or its value
  /// is not a number.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

  /// The names of the sections, in file order, as first written.
  std::vector<std::string> ReadSections() const;

  /// The keys of a section, in file order, as first written; empty for a missing section.
  std::vector<std::string> ReadSection(std::string_view section) const;

  /// Lays another settings file over this one, key by key: a key the other file holds
  /// replaces the value read here, and its other sections and keys are added after these.
  void Overlay(const TIniFile& over);

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

 private:
  struct TEntry {
    std::string Key;
    std::string Value;
  };
  struct TSection {
    std::string Name;
    std::vector<TEntry> Entries;
    std::unordered_map<std::string, std::size_t> EntryByFoldedKey;
  };

  static constexpr std::size_t NoSection = static_cast<std::size_t>(-1);

  void ParseLine(std::string_view line, std::size_t& current);
  TSection& SectionNamed(const std::string& name);
  const TSection* FindSection(std::string_view section) const;
  const TEntry* FindEntry(std::string_view section, std::string_view key) const;

  std::vector<TSection> FSections;
  std::unordered_map<std::string, std::size_t> FSectionByFoldedName;
};

/// Reads a settings value as a signed 32-bit integer: a text longer than two characters that
/// begins with "0x" or "0X" is hexadecimal (the digits after the prefix, at most 7FFFFFFF);
/// anything else is a decimal number with an optional sign. Blanks around the text are
/// ignored; anything else that is not part of the number, or a number out of range, gives
/// no value.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

/// The bytes of a settings file with key set to value in section, as a reader of the file
/// then finds it: the key's line in the first section of that name is replaced, or a line is
/// added at the end of that section, or the section is added at the end of the file. Every
/// other line stays byte for byte, with the file's own line ends. The section, key and value
/// are plain ASCII, so they read the same in either of the file's encodings.
std::string WithIniValue(std::string_view bytes, std::string_view section, std::string_view key, std::string_view value);

}  // namespace fjordheim
