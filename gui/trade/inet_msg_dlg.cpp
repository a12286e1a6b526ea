#include "gui/trade/inet_msg_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "core/common/translation.h"

namespace fjordheim {

TINetMsgDlg::TINetMsgDlg(QWidget* parent, TGameLayout layout)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QString::fromStdString(Tr("Internet")));
  setFont(layout.Font(font()));
  setFixedSize(layout.Size(427, 64));
  FText = new QLabel(this);
  FText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  FText->setAlignment(Qt::AlignCenter);
  layout.Place(FText, 5, 4, 417, 29);
  FCancelBtn = new QPushButton(QString::fromStdString(Tr("Avbryt")), this);
  layout.Place(FCancelBtn, 176, 37, 75, 24);
  connect(FCancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

void TINetMsgDlg::ShowMessage(const QString& text, std::function<void()> cancel) {
  FText->setText(text);
  FCancel = std::move(cancel);
  show();
  raise();
}

void TINetMsgDlg::CancelBtnClick() {
  const std::function<void()> cancel = std::move(FCancel);
  FCancel = nullptr;
  hide();
  if (cancel) cancel();
}

// Escape gives up waiting, as the button does.
void TINetMsgDlg::reject() { CancelBtnClick(); }

void TINetMsgDlg::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (OnHidden) OnHidden();
}

}  // namespace fjordheim
