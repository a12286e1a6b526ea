#include "gui/pages/browser_win.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>

#include "core/common/path_resolver.h"
#include "gui/controls/custom_image.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/picture_loader.h"
#include "gui/pages/add_bookm_dlg.h"
#include "gui/pages/browser_load_form.h"

namespace fjordheim {

namespace {

TPictureButton* SurfButton(QWidget* parent, TPictureLoader& pictures, const std::string& picsPath, const char* name,
                           QRect where, const char* hint) {
  TPictureButton* button = CreatePictureButton(parent, pictures, picsPath, name, where, false);
  button->setToolTip(QString::fromUtf8(hint));
  return button;
}

}  // namespace

TBrowserWin::TBrowserWin(const std::string& picsPath, TPictureLoader& pictures, TMessageSink& sink, QWidget* parent)
    : QWidget(parent, Qt::Window), FPicsPath(picsPath), FSink(sink) {
  setWindowTitle(QStringLiteral("Les mer..."));
  resize(601, 442);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(231, 99, 0));
  setPalette(colours);

  auto* buttonPanel = new QWidget(this);
  buttonPanel->setGeometry(0, 0, width(), 54);
  buttonPanel->setAutoFillBackground(true);
  QPalette panelColours = buttonPanel->palette();
  panelColours.setColor(QPalette::Window, QColor(191, 63, 0));
  buttonPanel->setPalette(panelColours);
  auto* banner = new TCustomImage(buttonPanel);
  banner->setGeometry(buttonPanel->rect());
  banner->SetStretch(true);
  banner->SetPicture(pictures.Load(picsPath + "banner.bmp"));
  BtnSurfMeny = SurfButton(buttonPanel, pictures, picsPath, "BtnSurfMeny", {18, 7, 53, 43}, "Gå til din side");
  BtnSurfBm = SurfButton(buttonPanel, pictures, picsPath, "BtnSurfBm", {112, 4, 59, 52}, "Legg til bokmerke");
  BtnAddText = SurfButton(buttonPanel, pictures, picsPath, "BtnAddText", {177, 6, 43, 45}, "Legg til egen tekst");
  BtnSurfBack = SurfButton(buttonPanel, pictures, picsPath, "BtnSurfBack", {240, 12, 35, 38}, "Forrige side");
  BtnSurfForward = SurfButton(buttonPanel, pictures, picsPath, "BtnSurfForward", {285, 9, 34, 41}, "Neste side");
  BtnVillage = SurfButton(buttonPanel, pictures, picsPath, "BtnVillage", {533, 5, 51, 49}, "Gå til hovedbildet");

  auto* browserPanel = new QLabel(QStringLiteral("Vent litt.."), this);
  browserPanel->setGeometry(0, 54, width(), height() - 54);
  browserPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  browserPanel->setLineWidth(3);
  Browser = new QTextBrowser(browserPanel);
  Browser->setGeometry(browserPanel->rect().adjusted(3, 3, -3, -3));
  Browser->setOpenLinks(true);
  FLoadForm = new TBrowserLoadForm(this);

  connect(BtnSurfMeny, &TPictureButton::Clicked, this, &TBrowserWin::BtnSurfMenyClick);
  connect(BtnSurfBack, &TPictureButton::Clicked, this, &TBrowserWin::BtnSurfBackClick);
  connect(BtnSurfForward, &TPictureButton::Clicked, this, &TBrowserWin::BtnSurfForwardClick);
  connect(BtnSurfBm, &TPictureButton::Clicked, this, [this] { AddEntry(true); });
  connect(BtnAddText, &TPictureButton::Clicked, this, [this] { AddEntry(false); });
  connect(BtnVillage, &TPictureButton::Clicked, this, &QWidget::close);
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
  FLoadForm->show();
  QApplication::processEvents();
  if (!FPlayerPage.empty() && Browser->source().isEmpty()) ShowPage(FPlayerPage);
  QApplication::processEvents();
  FLoadForm->hide();
}

void TBrowserWin::changeEvent(QEvent* event) {
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
    TAddBookmDlg dialog(FSink, this);
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
