#pragma once

#include <QWidget>

#include <string>

class QTextBrowser;

namespace fjordheim {

class TBrowserLoadForm;
class TMessageSink;
class TPictureButton;
class TPictureLoader;

/// "Les mer...": the information pages and the player's own page, with buttons for
/// back, forward, the player's page, a new bookmark or note, and back to the village.
/// Made once and hidden, not destroyed, when closed.
class TBrowserWin : public QWidget {
  Q_OBJECT

 public:
  TBrowserWin(const std::string& picsPath, TPictureLoader& pictures, TMessageSink& sink, QWidget* parent = nullptr);

  /// The player's own page (a game path), set when a game starts.
  void SetPlayerPage(const std::string& page) { FPlayerPage = page; }
  const std::string& PlayerPage() const { return FPlayerPage; }

  /// Shows the window on the page at path (a game path).
  void ShowPage(const std::string& path);
  /// The address of the page shown.
  std::string LocationUrl() const;
  bool NeedsReload() const { return FNeedsReload; }

  void BtnSurfMenyClick();
  void BtnSurfBackClick();
  void BtnSurfForwardClick();
  /// Runs the bookmark dialog for a bookmark of the page shown (or an own note).
  void AddEntry(bool bookmark);

  QTextBrowser* Browser;
  TPictureButton* BtnSurfMeny;
  TPictureButton* BtnSurfBm;
  TPictureButton* BtnAddText;
  TPictureButton* BtnSurfBack;
  TPictureButton* BtnSurfForward;
  TPictureButton* BtnVillage;

 signals:
  void Activated();
  void Deactivated();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::string FPicsPath;
  TMessageSink& FSink;
  std::string FPlayerPage;
  bool FShownOnce = false;
  bool FNeedsReload = false;
  TBrowserLoadForm* FLoadForm;
};

}  // namespace fjordheim
