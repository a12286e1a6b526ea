#pragma once

#include <QDialog>

#include <memory>
#include <string>

#include "core/pages/bookmark_editor.h"
#include "gui/dialogs/game_layout.h"

class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace fjordheim {

/// Adds a bookmark or an own note to the player's page and lets the player edit, delete,
/// insert and reorder the entries; the table is written back when the dialog closes
/// with OK.
class TAddBookmDlg : public QDialog {
  Q_OBJECT

 public:
  TAddBookmDlg(TMessageSink& sink, QWidget* parent = nullptr, TGameLayout layout = TGameLayout());
  ~TAddBookmDlg() override;

  /// Reads the page, appends the new entry, shows the dialog modally and saves on OK.
  /// True when the page was written.
  bool Execute(const std::string& pagePath, const std::string& title, const std::string& url, const std::string& text);

  /// Prepares the dialog without showing it; Execute is Prepare, exec and Finish.
  void Prepare(const std::string& pagePath, const std::string& title, const std::string& url, const std::string& text);
  bool Finish(int result);

  QLineEdit* TitleEdit;
  QLineEdit* UrlEdit;
  QListWidget* SectionLB;
  QPlainTextEdit* Memo;
  QPushButton* Button1;
  QPushButton* Button2;
  QMenu* PopupMenu1;

  void DelTopic();
  void InsTopic();
  void MoveUp();
  void MoveDown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillList();
  void ShowCurrent();
  void StoreEdits();
  void Button1Click();
  void UpdateMenu();

  TMessageSink& FSink;
  std::unique_ptr<TBookmarkEditor> FEditor;
  QAction* FDelTopic;
  QAction* FInsTopic;
  QAction* FMoveUp;
  QAction* FMoveDown;
};

}  // namespace fjordheim
