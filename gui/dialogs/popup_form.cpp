#include "gui/dialogs/popup_form.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/common/translation.h"

namespace fjordheim {

TPopupForm::TPopupForm(QWidget* parent, const TTip& tip, const QPixmap& picture, TGameLayout layout)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QString::fromStdString(Tr("Morsomt å vite...")));
  setFont(layout.Font(font()));
  setFixedSize(layout.Scaled(333), layout.Scaled(202));
  // A style sheet on the window would keep its scaled font from the controls in its panels.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(255, 255, 225));
  setPalette(colours);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  layout.Place(panel, 0, 0, 124, 202);
  auto* image = new QLabel(panel);
  const int bevel = layout.Scaled(2);
  image->setGeometry(panel->rect().adjusted(bevel, bevel, -bevel, -bevel));
  if (!picture.isNull()) image->setPixmap(picture.scaled(image->size(), Qt::KeepAspectRatio));
  auto* heading = new QLabel(
      // Translators: the heading above a did-you-know tip, which goes on as its own sentence.
      QString::fromStdString(Tr("Visste du at")), this);
  layout.Place(heading, 132, 4, 190, 20);
  FText = new QLabel(QString::fromStdString(tip.Text), this);
  FText->setTextFormat(Qt::PlainText);
  FText->setWordWrap(true);
  FText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout.Place(FText, 132, 32, 193, 129);
  FMore = new QPushButton(QString::fromStdString(Tr("Les mer...")), this);
  layout.Place(FMore, 244, 168, 73, 25);
  FMore->setVisible(tip.MoreButton);
  FClose = new QPushButton(QString::fromStdString(Tr("Lukk")), this);
  layout.Place(FClose, 140, 168, 73, 25);
  connect(FMore, &QPushButton::clicked, this, [this] { done(ReadMore); });
  connect(FClose, &QPushButton::clicked, this, [this] { done(Close); });
}

}  // namespace fjordheim
