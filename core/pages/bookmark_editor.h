#pragma once

#include <string>
#include <vector>

#include "core/common/message_sink.h"
#include "core/pages/bookmark_entry.h"
#include "core/pages/bookmark_page.h"

namespace fjordheim {

inline constexpr const char* NewBookmarkTitle = "Nytt bokmerke";
inline constexpr const char* NewNoteTitle = "Ny tekst";
inline constexpr const char* AddBookmarkCaption = TrMark("Legg til bokmerke");
inline constexpr const char* AddNoteCaption = TrMark("Legg til egen tekst");
inline constexpr const char* MissingTitleMessage = TrMark("Du har ikke skrevet tittel.");
inline constexpr const char* BookmarkTitleLabel = TrMark("Ny side:");
inline constexpr const char* BookmarkUrlLabel = TrMark("URL:");
inline constexpr const char* BookmarkListLabel = TrMark("Sider:");
inline constexpr const char* BookmarkTextLabel = TrMark("Beskrivelse:");
inline constexpr const char* BookmarkOkButton = TrMark("OK");
inline constexpr const char* BookmarkCancelButton = TrMark("Avbryt");
inline constexpr const char* DeleteEntryItem = TrMark("Ta bort rubrik");
inline constexpr const char* InsertEntryItem = TrMark("Ny rubrik");
inline constexpr const char* MoveUpItem = TrMark("Flytta upp");
inline constexpr const char* MoveDownItem = TrMark("Flytta ned");

/// What the bookmark dialog edits: the table of the player's page with one new entry
/// added, and which entry the edit boxes show. The dialog draws it and hands every click
/// and every edit box it leaves to one call here.
class TBookmarkEditor {
 public:
  /// Reads the table of the page at pagePath and appends newEntry as the current entry.
  /// A page that cannot be read is reported; the editor then holds the new entry only,
  /// and Save will not write.
  TBookmarkEditor(std::string pagePath, TBookmarkEntry newEntry, TMessageSink& sink);

  /// "Legg til bokmerke" when the new entry has a URL, otherwise "Legg til egen tekst".
  const std::string& Caption() const { return FCaption; }

  const std::vector<TBookmarkEntry>& Entries() const { return FEntries; }

  /// The index of the entry the edit boxes show; -1 when the list is empty.
  int Current() const { return FCurrent; }

  /// The fields the edit boxes show: the current entry, or three empty fields.
  TBookmarkEntry Shown() const;

  /// A click on an item of the list.
  void Select(int index);

  /// Leaving an edit box stores its text in the current entry.
  void SetTitle(std::string title);
  void SetUrl(std::string url);
  void SetText(std::string text);

  bool CanDelete() const { return HasCurrent(); }
  bool CanInsert() const { return HasCurrent(); }
  bool CanMoveUp() const { return FCurrent > 0; }
  bool CanMoveDown() const { return HasCurrent() && FCurrent + 1 < static_cast<int>(FEntries.size()); }

  /// Removes the current entry; the entry after it becomes current, or the one before
  /// when it was the last.
  void Delete();
  /// Appends an entry "Ny tekst" without URL and text and makes it current.
  void Insert();
  /// Swap the current entry with its neighbour; it stays current.
  void MoveUp();
  void MoveDown();

  /// The reason OK is refused ("Du har ikke skrevet tittel." when the current entry has no
  /// title), or empty when the dialog may close.
  std::string RefusalOfOk() const;

  /// Writes the table back into the page as it was read when the editor was made. A page
  /// without both markers gets the warning and is not touched; a failed write is reported
  /// and leaves the old page.
  bool Save(TMessageSink& sink) const;

 private:
  bool HasCurrent() const { return FCurrent >= 0 && FCurrent < static_cast<int>(FEntries.size()); }
  void Swap(int other);

  std::string FPagePath;
  TBookmarkPage FPage;
  std::vector<TBookmarkEntry> FEntries;
  std::string FCaption;
  int FCurrent = -1;
};

}  // namespace fjordheim
