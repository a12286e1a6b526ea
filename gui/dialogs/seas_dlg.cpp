#include "gui/dialogs/seas_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "core/common/translation.h"
#include "core/game/game_controller.h"

namespace fjordheim {

TSeasDlg::TSeasDlg(QWidget* parent, const QPixmap& picture, TGameLayout layout) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(Tr("Informasjon")));
  setFont(layout.Font(font()));
  setFixedSize(layout.Scaled(281), layout.Scaled(131));
  // A style sheet on the window would keep its scaled font from the controls in its panels.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(255, 255, 225));
  setPalette(colours);
  FImage = new QLabel(this);
  layout.Place(FImage, 8, 8, 80, 80);
  if (!picture.isNull()) FImage->setPixmap(picture.scaled(FImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  auto* heading = new QLabel(QString::fromStdString(Tr(SeasonDialogHeading)), this);
  heading->setFont(layout.PointFont(heading->font(), 8, true));
  heading->setWordWrap(true);
  layout.Place(heading, 100, 8, 175, 40);
  FL1 = new QLabel(this);
  layout.Place(FL1, 100, 52, 175, 16);
  FL2 = new QLabel(this);
  layout.Place(FL2, 100, 72, 175, 16);
  auto* ok = new QPushButton("OK", this);
  layout.Place(ok, 103, 98, 75, 25);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TSeasDlg::SetMissing(const QString& first, const QString& second) {
  FL1->setText(first);
  FL2->setText(second);
}

}  // namespace fjordheim
