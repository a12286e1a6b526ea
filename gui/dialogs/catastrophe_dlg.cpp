#include "gui/dialogs/catastrophe_dlg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/common/translation.h"

namespace fjordheim {

TCatastDlg::TCatastDlg(QWidget* parent, const TCatastNode& event, const QPixmap& picture, TGameLayout layout)
    : QDialog(parent) {
  setWindowTitle(QString::fromStdString(Tr("Hva hendte nå?")));
  setFont(layout.Font(font()));
  setFixedSize(layout.Scaled(480), layout.Scaled(247));
  // A style sheet on the window would keep its scaled font from the controls in its panels.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(255, 255, 225));
  setPalette(colours);
  auto* image = new QLabel(this);
  layout.Place(image, 8, 8, 200, 200);
  if (picture.isNull()) {
    image->setStyleSheet("background: #a0a0a0; border: 1px solid black;");
  } else {
    image->setPixmap(picture.scaled(image->size()));
  }
  FRubrik = new QLabel(QString::fromStdString(event.Heading), this);
  FRubrik->setFont(layout.PixelFont("Times New Roman", 21, true));
  layout.Place(FRubrik, 216, 8, 257, 25);
  FMemo = new QPlainTextEdit(this);
  FMemo->setReadOnly(true);
  FMemo->setFocusPolicy(Qt::NoFocus);
  FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FMemo->setStyleSheet("background: white;");
  FMemo->setFont(layout.PixelFont("MS Sans Serif", 13));
  QStringList lines;
  for (const std::string& line : event.Text) lines.push_back(QString::fromStdString(line));
  FMemo->setPlainText(lines.join('\n'));
  layout.Place(FMemo, 216, 36, 257, 173);
  auto* ok = new QPushButton(QString::fromStdString(Tr("OK")), this);
  layout.Place(ok, 176, 216, 121, 25);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace fjordheim
