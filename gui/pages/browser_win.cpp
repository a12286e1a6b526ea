#include "gui/pages/browser_win.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>

#include "core/common/path_resolver.h"
#include "core/common/translation.h"
#include "gui/controls/custom_image.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/picture_loader.h"
#include "gui/pages/add_bookm_dlg.h"
#include "gui/pages/browser_load_form.h"
#include "gui/pages/page_browser.h"

namespace fjordheim {

namespace {

TPictureButton* SurfButton(QWidget* parent, TPictureLoader& pictures, const std::string& picsPath, const char* name) {
  return CreatePictureButton(parent, pictures, picsPath, name, QRect(), false);
}

QString Translated(const char* bokmal) { return QString::fromStdString(Tr(bokmal)); }

}  // namespace

TBrowserWin::TBrowserWin(const std::string& picsPath, TPictureLoader& pictures, TMessageSink& sink, QWidget* parent,
                         TGameLayout layout)
    : QWidget(parent, Qt::Window), FPicsPath(picsPath), FSink(sink), FLayout(layout), FBaseFont(font()) {
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(231, 99, 0));
  setPalette(colours);

  FButtonPanel = new QWidget(this);
  FButtonPanel->setAutoFillBackground(true);
  QPalette panelColours = FButtonPanel->palette();
  panelColours.setColor(QPalette::Window, QColor(191, 63, 0));
  FButtonPanel->setPalette(panelColours);
  FBanner = new TCustomImage(FButtonPanel);
  FBanner->SetStretch(true);
  FBanner->SetPicture(pictures.Load(picsPath + "banner.bmp"));
  BtnSurfMeny = SurfButton(FButtonPanel, pictures, picsPath, "BtnSurfMeny");
  BtnSurfBm = SurfButton(FButtonPanel, pictures, picsPath, "BtnSurfBm");
  BtnAddText = SurfButton(FButtonPanel, pictures, picsPath, "BtnAddText");
  BtnSurfBack = SurfButton(FButtonPanel, pictures, picsPath, "BtnSurfBack");
  BtnSurfForward = SurfButton(FButtonPanel, pictures, picsPath, "BtnSurfForward");
  BtnVillage = SurfButton(FButtonPanel, pictures, picsPath, "BtnVillage");

  FBrowserPanel = new QLabel(this);
  FBrowserPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Browser = new TPageBrowser(FBrowserPanel);
  Browser->setOpenLinks(true);
  PlaceControls();
  WriteTexts();

  connect(BtnSurfMeny, &TPictureButton::Clicked, this, &TBrowserWin::BtnSurfMenyClick);
  connect(BtnSurfBack, &TPictureButton::Clicked, this, &TBrowserWin::BtnSurfBackClick);
  connect(BtnSurfForward, &TPictureButton::Clicked, this, &TBrowserWin::BtnSurfForwardClick);
  connect(BtnSurfBm, &TPictureButton::Clicked, this, [this] { AddEntry(true); });
  connect(BtnAddText, &TPictureButton::Clicked, this, [this] { AddEntry(false); });
  connect(BtnVillage, &TPictureButton::Clicked, this, &QWidget::close);
}

// The browser may be made on the title, before the player changes the language there.
void TBrowserWin::WriteTexts() {
  // Translators: the title of the window that shows the information pages.
  setWindowTitle(Translated(TrMark("Les mer...")));
  BtnSurfMeny->setToolTip(Translated(TrMark("Gå til din side")));
  BtnSurfBm->setToolTip(Translated(TrMark("Legg til bokmerke")));
  BtnAddText->setToolTip(Translated(TrMark("Legg til egen tekst")));
  BtnSurfBack->setToolTip(Translated(TrMark("Forrige side")));
  BtnSurfForward->setToolTip(Translated(TrMark("Neste side")));
  BtnVillage->setToolTip(Translated(TrMark("Gå til hovedbildet")));
  FBrowserPanel->setText(Translated(TrMark("Vent litt..")));
}

void TBrowserWin::SetLayout(TGameLayout layout) {
  if (layout.Scale() == FLayout.Scale()) return;
  FLayout = layout;
  PlaceControls();
}

void TBrowserWin::PlaceControls() {
  // The pages size their text relative to the browser's font, so the whole text grows.
  setFont(FLayout.Font(FBaseFont));
  resize(FLayout.Size(601, 442));
  FLayout.Place(FButtonPanel, 0, 0, 601, 54);
  FBanner->setGeometry(FButtonPanel->rect());
  PlaceButton(BtnSurfMeny, 18, 7, 53, 43);
  PlaceButton(BtnSurfBm, 112, 4, 59, 52);
  PlaceButton(BtnAddText, 177, 6, 43, 45);
  PlaceButton(BtnSurfBack, 240, 12, 35, 38);
  PlaceButton(BtnSurfForward, 285, 9, 34, 41);
  PlaceButton(BtnVillage, 533, 5, 51, 49);
  FLayout.Place(FBrowserPanel, 0, 54, 601, 442 - 54);
  const int bevel = FLayout.Scaled(3);
  FBrowserPanel->setLineWidth(bevel);
  Browser->setGeometry(FBrowserPanel->rect().adjusted(bevel, bevel, -bevel, -bevel));
}

void TBrowserWin::PlaceButton(TPictureButton* button, int x, int y, int width, int height) {
  FLayout.Place(button, x, y, width, height);
  button->SetScale(FLayout.Scale());
}

void TBrowserWin::ShowPage(const std::string& path) {
  show();
  raise();
  activateWindow();
  const QString file = QFileInfo(QString::fromStdString(ResolvePath(path))).absoluteFilePath();
  Browser->setSource(QUrl::fromLocalFile(file));
  Browser->setVisible(true);
}

std::string TBrowserWin::LocationUrl() const { return Browser->source().toString().toStdString(); }

void TBrowserWin::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (FShownOnce) return;
  // The first showing loads the player's page behind the notice.
  FShownOnce = true;
  TBrowserLoadForm notice(this, FLayout);
  notice.show();
  QApplication::processEvents();
  if (!FPlayerPage.empty() && Browser->source().isEmpty()) ShowPage(FPlayerPage);
  QApplication::processEvents();
  notice.hide();
}

void TBrowserWin::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit Closed();
}

void TBrowserWin::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) WriteTexts();
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      emit Activated();
    } else {
      emit Deactivated();
    }
  }
  QWidget::changeEvent(event);
}

void TBrowserWin::BtnSurfMenyClick() {
  ShowPage(FPlayerPage);
  QApplication::processEvents();
  if (FNeedsReload) {
    Browser->reload();
    FNeedsReload = false;
  }
}

void TBrowserWin::BtnSurfBackClick() {
  if (Browser->isBackwardAvailable()) Browser->backward();
}

void TBrowserWin::BtnSurfForwardClick() {
  if (Browser->isForwardAvailable()) Browser->forward();
}

void TBrowserWin::AddEntry(bool bookmark) {
  {
    TAddBookmDlg dialog(FSink, this, FLayout);
    if (bookmark) {
      dialog.Execute(FPlayerPage, NewBookmarkTitle, LocationUrl(), "");
    } else {
      dialog.Execute(FPlayerPage, NewNoteTitle, "", "");
    }
  }
  FNeedsReload = true;
  Browser->reload();
}

}  // namespace fjordheim
