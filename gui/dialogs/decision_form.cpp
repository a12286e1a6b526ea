#include "gui/dialogs/decision_form.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "core/common/translation.h"
#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

TDecisionForm::TDecisionForm(QWidget* parent, TRandom& random, TGameLayout layout, TDecisionBoard* board)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      FRandom(random),
      FLayout(layout),
      FBoard(board != nullptr ? *board : FOwnBoard) {
  setWindowTitle(QString::fromStdString(Tr("Andre avgjørelser")));
  setFont(layout.Font(font()));
  setFixedSize(layout.Scaled(306), layout.Scaled(351));
  auto* title = new QLabel(
      QString::fromStdString(Tr("Velg tre arbeidsoppgaver du synes burde gjøres på denne tiden av året.")), this);
  title->setWordWrap(true);
  title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  title->setFont(layout.PixelFont("Arial", 13, true));
  // Room for a third line where the font is wider than the one the window was drawn with.
  layout.Place(title, 16, 4, 265, 43);
  for (int i = 0; i < TDecisionBoard::RowCount; ++i) {
    TRow& row = FRows[static_cast<std::size_t>(i)];
    row.Box = new QCheckBox(this);
    row.Box->setStyleSheet(QString("QCheckBox::indicator { width: %1px; height: %1px; }").arg(layout.Scaled(13)));
    connect(row.Box, &QCheckBox::clicked, this, [this, i] { TickRow(i); });
    row.Panel = new QFrame(this);
    row.Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    row.Text = new QLabel(row.Panel);
    row.Text->setWordWrap(true);
    row.Text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row.Text->setFont(layout.PixelFont("Arial", 11));
    row.Explanation = new QLabel(row.Panel);
    row.Explanation->setWordWrap(true);
    row.Explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row.Explanation->setFont(layout.PixelFont("Arial", 11));
    row.Explanation->setStyleSheet("color: red");
    row.Right = new QLabel(
        // Translators: beside a task the chief was right to choose; a short word.
        QString::fromStdString(Tr("Riktig")), row.Panel);
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
  FOk = new QPushButton(QString::fromStdString(Tr("OK")), this);
  FCancel = new QPushButton(QString::fromStdString(Tr("Avbryt")), this);
  FClose = new QPushButton(QString::fromStdString(Tr("Lukk")), this);
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
    row.Explanation->setText(QString::fromStdString(FBoard.RowExplanation(i)));
    row.Right->setVisible(FBoard.ShowsRight(i));
  }
  FVerdict->setText(QString::fromStdString(FBoard.Verdict()));
  LayOut();
}

int TDecisionForm::GamePixels(int screenPixels) const {
  return static_cast<int>(std::ceil(screenPixels / FLayout.Scale()));
}

// The height in game pixels that a label's text takes, wrapped at the label's width.
int TDecisionForm::WrappedHeight(const QLabel* label, int gameWidth) const {
  const QFontMetrics metrics(label->font());
  const QRect room(0, 0, FLayout.Scaled(gameWidth), 100000);
  return GamePixels(metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height());
}

// A judged wrong pick keeps its task at the top of its row and the whole explanation under
// it, on as many lines as it takes: the row grows, the rows below it, the verdict and the
// buttons move down and the window grows with them, so the child reads every word without
// pointing at anything.
void TDecisionForm::LayOut() {
  int top = RowsTop;
  for (int i = 0; i < TDecisionBoard::RowCount; ++i) {
    TRow& row = FRows[static_cast<std::size_t>(i)];
    const int height = PlaceRow(i, row, top);
    top += height + RowGap;
  }
  const int extra = top - (RowsTop + TDecisionBoard::RowCount * (RowHeight + RowGap));
  FLayout.Place(FVerdict, 32, 288 + extra, 257, 16);
  FLayout.Place(FOk, 40, 312 + extra, 105, 25);
  FLayout.Place(FCancel, 168, 312 + extra, 97, 25);
  FLayout.Place(FClose, 96, 312 + extra, 105, 25);
  const QSize size = FLayout.Size(306, 351 + extra);
  if (size == this->size()) return;
  // A window that grows while it is open grows both ways, so that it stays on the screen.
  if (isVisible()) move(x(), y() - (size.height() - height()) / 2);
  setFixedSize(size);
}

int TDecisionForm::PlaceRow(int index, TRow& row, int top) {
  const bool explained = !row.Explanation->text().isEmpty();
  int height = RowHeight;
  if (explained) {
    const int task = std::max(TextLineHeight, WrappedHeight(row.Text, TextWidth));
    const int why = WrappedHeight(row.Explanation, TextWidth);
    FLayout.Place(row.Text, 3, 3, TextWidth, task);
    FLayout.Place(row.Explanation, 3, 3 + task + 1, TextWidth, why);
    height = std::max(RowHeight, 3 + task + 1 + why + 4);
  } else {
    FLayout.Place(row.Text, 3, 3, TextWidth, 33);
    FLayout.Place(row.Explanation, 3, index == 0 ? 29 : 28, TextWidth, 14);
  }
  FLayout.Place(row.Panel, 32, top, 257, height);
  FLayout.Place(row.Box, 11, top + 12, 17, 17);
  return height;
}

}  // namespace fjordheim
