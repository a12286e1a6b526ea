#include "gui/dialogs/decision_form.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

TDecisionForm::TDecisionForm(QWidget* parent, TRandom& random, TGameLayout layout, TDecisionBoard* board)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      FRandom(random),
      FLayout(layout),
      FBoard(board != nullptr ? *board : FOwnBoard) {
  setWindowTitle(QString::fromUtf8("Andre avgjørelser"));
  setFont(layout.Font(font()));
  setFixedSize(layout.Scaled(306), layout.Scaled(351));
  auto* title = new QLabel(
      QString::fromUtf8("Velg tre arbeidsoppgaver du synes burde gjøres på denne tiden av året."), this);
  title->setWordWrap(true);
  title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  title->setFont(layout.PixelFont("Arial", 13, true));
  // Room for a third line where the font is wider than the one the window was drawn with.
  layout.Place(title, 16, 4, 265, 43);
  for (int i = 0; i < TDecisionBoard::RowCount; ++i) {
    TRow& row = FRows[static_cast<std::size_t>(i)];
    row.Box = new QCheckBox(this);
    layout.Place(row.Box, 11, 60 + 48 * i, 17, 17);
    row.Box->setStyleSheet(QString("QCheckBox::indicator { width: %1px; height: %1px; }").arg(layout.Scaled(13)));
    connect(row.Box, &QCheckBox::clicked, this, [this, i] { TickRow(i); });
    row.Panel = new QFrame(this);
    row.Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout.Place(row.Panel, 32, 48 + 48 * i, 257, 44);
    row.Text = new QLabel(row.Panel);
    row.Text->setWordWrap(true);
    row.Text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row.Text->setFont(layout.PixelFont("Arial", 11));
    layout.Place(row.Text, 3, 3, 241, 33);
    row.Explanation = new QLabel(row.Panel);
    row.Explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row.Explanation->setFont(layout.PixelFont("Arial", 11));
    row.Explanation->setStyleSheet("color: red");
    layout.Place(row.Explanation, 3, i == 0 ? 29 : 28, 241, 14);
    row.Right = new QLabel("Riktig", row.Panel);
    row.Right->setAlignment(Qt::AlignRight);
    row.Right->setFont(layout.PixelFont("Arial", 13, true));
    row.Right->setStyleSheet("color: green");
    layout.Place(row.Right, 208, 27, 41, 14);
    for (QWidget* part : {static_cast<QWidget*>(row.Panel), static_cast<QWidget*>(row.Text),
                          static_cast<QWidget*>(row.Explanation), static_cast<QWidget*>(row.Right)}) {
      part->setProperty("decisionRow", i);
      part->installEventFilter(this);
    }
  }
  FVerdict = new QLabel(this);
  FVerdict->setAlignment(Qt::AlignHCenter);
  FVerdict->setFont(layout.PixelFont("Arial", 13));
  layout.Place(FVerdict, 32, 288, 257, 16);
  FOk = new QPushButton("OK", this);
  layout.Place(FOk, 40, 312, 105, 25);
  FCancel = new QPushButton("Avbryt", this);
  layout.Place(FCancel, 168, 312, 97, 25);
  FClose = new QPushButton("Lukk", this);
  layout.Place(FClose, 96, 312, 105, 25);
  connect(FOk, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(FClose, &QPushButton::clicked, this, &QDialog::accept);
  Prepare();
}

void TDecisionForm::SetGenerator(TDecisionGenerator* generator) {
  FBoard.SetGenerator(generator, FRandom);
  ShowBoard();
}

void TDecisionForm::Prepare() {
  FBoard.Open();
  FOk->show();
  FCancel->show();
  FClose->hide();
  ShowBoard();
}

bool TDecisionForm::Execute() {
  Prepare();
  exec();
  return FBoard.Decided();
}

bool TDecisionForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const QVariant row = watched->property("decisionRow");
    if (row.isValid()) {
      TickRow(row.toInt());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TDecisionForm::Tell(const std::string& message) {
  if (message.empty()) return;
  const QString text = QString::fromStdString(message);
  if (OnMessage) {
    OnMessage(text);
  } else {
    ShowGameMessageBox(this, FLayout, QMessageBox::Information, windowTitle(), text);
  }
}

void TDecisionForm::TickRow(int row) {
  const TDecisionBoard::TOutcome outcome = FBoard.Tick(row);
  ShowBoard();
  Tell(outcome.Message);
}

void TDecisionForm::Confirm() {
  const TDecisionBoard::TOutcome outcome = FBoard.Confirm();
  ShowBoard();
  if (!outcome.Accepted) {
    Tell(outcome.Message);
    return;
  }
  FOk->hide();
  FCancel->hide();
  FClose->show();
}

void TDecisionForm::ShowBoard() {
  for (int i = 0; i < TDecisionBoard::RowCount; ++i) {
    TRow& row = FRows[static_cast<std::size_t>(i)];
    row.Box->setChecked(FBoard.IsTicked(i));
    row.Text->setText(QString::fromStdString(FBoard.RowText(i)));
    PlaceRowTexts(i, row);
    row.Right->setVisible(FBoard.ShowsRight(i));
  }
  FVerdict->setText(QString::fromStdString(FBoard.Verdict()));
}

// A judged wrong pick keeps its task at the top of the row, so that the child sees which
// task is explained, and the explanation takes the line under it; where it runs longer than
// that line it ends in "…", and the row's hint holds the task and the whole explanation.
void TDecisionForm::PlaceRowTexts(int index, TRow& row) {
  const QString explanation = QString::fromStdString(FBoard.RowExplanation(index));
  const bool explained = !explanation.isEmpty();
  FLayout.Place(row.Text, 3, 3, 241, explained ? 25 : 33);
  FLayout.Place(row.Explanation, 3, index == 0 ? 29 : 28, 241, 14);
  const QFontMetrics metrics(row.Explanation->font());
  row.Explanation->setText(metrics.elidedText(explanation, Qt::ElideRight, row.Explanation->width()));
  const QString hint = explained ? row.Text->text() + "\n" + explanation : QString();
  for (QWidget* part : {static_cast<QWidget*>(row.Panel), static_cast<QWidget*>(row.Text),
                        static_cast<QWidget*>(row.Explanation)}) {
    part->setToolTip(hint);
  }
}

}  // namespace fjordheim
