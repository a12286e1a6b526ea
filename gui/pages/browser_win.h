#pragma once

#include <QWidget>

#include <QFont>

#include <string>

#include "gui/dialogs/game_layout.h"

class QLabel;
class QTextBrowser;

namespace fjordheim {

class TCustomImage;
class TMessageSink;
class TPictureButton;
class TPictureLoader;

/// "Les mer...": the information pages and the player's own page, with buttons for
/// back, forward, the player's page, a new bookmark or note, and back to the village.
/// Made once and hidden, not destroyed, when closed.
class TBrowserWin : public QWidget {
  Q_OBJECT

 public:
  TBrowserWin(const std::string& picsPath, TPictureLoader& pictures, TMessageSink& sink, QWidget* parent = nullptr,
              TGameLayout layout = TGameLayout());

  /// Lays the window out at the game's present scale, the page text zoomed with it; a
  /// window already at that scale keeps the size the player gave it.
  void SetLayout(TGameLayout layout);
  const TGameLayout& Layout() const { return FLayout; }

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
  /// The browser was closed or hidden.
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void WriteTexts();
  void PlaceControls();
  void PlaceButton(TPictureButton* button, int x, int y, int width, int height);

  std::string FPicsPath;
  TMessageSink& FSink;
  std::string FPlayerPage;
  bool FShownOnce = false;
  bool FNeedsReload = false;
  TGameLayout FLayout;
  QFont FBaseFont;
  QWidget* FButtonPanel;
  TCustomImage* FBanner;
  QLabel* FBrowserPanel;
};

}  // namespace fjordheim
