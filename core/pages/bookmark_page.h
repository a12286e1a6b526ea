#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/message_sink.h"
#include "core/common/translation.h"
#include "core/pages/bookmark_entry.h"

namespace fjordheim {

inline constexpr const char* BookmarkBeginMarker = "<!--BEGIN Tunstad-->";
inline constexpr const char* BookmarkEndMarker = "<!--END Tunstad-->";
inline constexpr const char* BookmarkPageEditedWarning =
    TrMark("ADVARSEL: Bokmerkefilen er redigert av andre programmer enn fjordheim..");

/// The player's own HTML page (Windows-1252, lines ended by CR LF): the table of bookmarks
/// and notes between the begin and end marker lines, and named sections whose content line
/// can be replaced. Every line the program does not rewrite is kept byte for byte,
/// including its line end.
class TBookmarkPage {
 public:
  /// A cell longer than this, or a table of more entries, is not the program's own work;
  /// such a table is read as far as these limits and never written back.
  static constexpr std::size_t MaxCellBytes = 64 * 1024;
  static constexpr std::size_t MaxEntries = 1000;

  /// A page without lines: no markers, no table.
  TBookmarkPage() = default;

  /// Takes the page's bytes and reads its table. Never fails.
  static TBookmarkPage FromBytes(std::string_view bytes);

  /// Reads the page file; reports "Kan ikke lese filen: " with the path when it cannot.
  static std::optional<TBookmarkPage> Load(const std::string& path, TMessageSink& sink);

  /// The entries of the table as read, titles, URLs and texts unescaped.
  const std::vector<TBookmarkEntry>& Entries() const { return FEntries; }

  /// True when both markers stand on the page and the table was read whole, so that
  /// writing the table back replaces nothing the program did not write.
  bool CanWriteTable() const;

  /// The page with the table between the markers replaced by entries; nothing when
  /// CanWriteTable is false.
  std::optional<std::string> BytesWithTable(const std::vector<TBookmarkEntry>& entries) const;

  /// The page with the content of the named section replaced by text (escaped); nothing
  /// when the section is not found, stands on the first line, has no content line, or the
  /// content line has no opening and closing tag.
  std::optional<std::string> BytesWithSection(std::string_view name, std::string_view text) const;

  /// Writes text into the section of the page file and saves it; false, with a message
  /// where a file failed, when nothing was changed.
  static bool UpdateSection(const std::string& path, std::string_view name, std::string_view text, TMessageSink& sink);

  /// The page with the picture of the named section (the src of the line after its
  /// marker) replaced by source (escaped); nothing when there is no such picture.
  std::optional<std::string> BytesWithPicture(std::string_view name, std::string_view source) const;

  /// Shows source as the picture of the section of the page file and saves it; false, with
  /// a message where a file failed, when nothing was changed.
  static bool UpdatePicture(const std::string& path, std::string_view name, std::string_view source, TMessageSink& sink);

  /// The table lines as the program writes them, each ended by CR LF, in Windows-1252.
  static std::string TableBytes(const std::vector<TBookmarkEntry>& entries);

 private:
  void ReadTable();
  std::string_view Content(std::size_t line) const;
  std::optional<std::size_t> SectionLine(std::string_view name) const;
  static bool Update(const std::string& path, const std::optional<std::string>& bytes, TMessageSink& sink);

  std::vector<std::string> FLines;
  std::optional<std::size_t> FBegin;
  std::optional<std::size_t> FEnd;
  std::vector<TBookmarkEntry> FEntries;
  bool FReadWhole = true;
};

}  // namespace fjordheim
