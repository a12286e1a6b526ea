#include "core/pages/bookmark_editor.h"

#include <optional>
#include <utility>

#include "core/common/atomic_file.h"
#include "core/common/file_messages.h"
#include "core/common/translation.h"

namespace fjordheim {

TBookmarkEditor::TBookmarkEditor(std::string pagePath, TBookmarkEntry newEntry, TMessageSink& sink)
    : FPagePath(std::move(pagePath)),
      FPage(TBookmarkPage::Load(FPagePath, sink).value_or(TBookmarkPage())),
      FEntries(FPage.Entries()),
      FCaption(newEntry.Url.empty() ? AddNoteCaption : AddBookmarkCaption) {
  FEntries.push_back(std::move(newEntry));
  FCurrent = static_cast<int>(FEntries.size()) - 1;
}

TBookmarkEntry TBookmarkEditor::Shown() const { return HasCurrent() ? FEntries[FCurrent] : TBookmarkEntry{}; }

void TBookmarkEditor::Select(int index) {
  if (index >= 0 && index < static_cast<int>(FEntries.size())) FCurrent = index;
}

void TBookmarkEditor::SetTitle(std::string title) {
  if (HasCurrent()) FEntries[FCurrent].Title = std::move(title);
}

void TBookmarkEditor::SetUrl(std::string url) {
  if (HasCurrent()) FEntries[FCurrent].Url = std::move(url);
}

void TBookmarkEditor::SetText(std::string text) {
  if (HasCurrent()) FEntries[FCurrent].Text = std::move(text);
}

void TBookmarkEditor::Delete() {
  if (!CanDelete()) return;
  FEntries.erase(FEntries.begin() + FCurrent);
  if (FCurrent >= static_cast<int>(FEntries.size())) FCurrent = static_cast<int>(FEntries.size()) - 1;
}

void TBookmarkEditor::Insert() {
  if (!CanInsert()) return;
  FEntries.push_back({NewNoteTitle, "", ""});
  FCurrent = static_cast<int>(FEntries.size()) - 1;
}

void TBookmarkEditor::MoveUp() {
  if (CanMoveUp()) Swap(FCurrent - 1);
}

void TBookmarkEditor::MoveDown() {
  if (CanMoveDown()) Swap(FCurrent + 1);
}

void TBookmarkEditor::Swap(int other) {
  std::swap(FEntries[FCurrent], FEntries[other]);
  FCurrent = other;
}

std::string TBookmarkEditor::RefusalOfOk() const {
  return HasCurrent() && FEntries[FCurrent].Title.empty() ? Tr(MissingTitleMessage) : "";
}

bool TBookmarkEditor::Save(TMessageSink& sink) const {
  const std::optional<std::string> bytes = FPage.BytesWithTable(FEntries);
  if (!bytes) {
    sink.ShowMessage(Tr(BookmarkPageEditedWarning));
    return false;
  }
  if (WriteFileAtomically(FPagePath, *bytes)) return true;
  sink.ShowMessage(CannotWriteFileMessage(FPagePath));
  return false;
}

}  // namespace fjordheim
