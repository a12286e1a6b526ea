#include "gui/pages/browser_load_form.h"

#include <QLabel>

#include "core/common/translation.h"

namespace fjordheim {

TBrowserLoadForm::TBrowserLoadForm(QWidget* parent, TGameLayout layout)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  // The notice was drawn for a narrow font; one wider may take two lines.
  setFont(layout.PixelFont("MS Sans Serif", 11));
  setFixedSize(layout.Size(283, 30));
  auto* panel = new QLabel(QString::fromStdString(Tr("Laster Web browser. Dette kan ta litt tid så vær tålmodig.")), this);
  panel->setGeometry(rect());
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAlignment(Qt::AlignCenter);
  panel->setWordWrap(true);
  panel->setAutoFillBackground(true);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
  panel->setPalette(colours);
  panel->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBrowserLoadForm::mouseReleaseEvent(QMouseEvent*) { hide(); }

}  // namespace fjordheim
