#include "gui/trade/market_dlg.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/common/translation.h"
#include "core/trade/market_lines.h"
#include "core/trade/market_visit.h"
#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

namespace {

QString Translated(const char* bokmal) { return QString::fromStdString(Tr(bokmal)); }

}  // namespace

TMarketDlg::TMarketDlg(QWidget* parent, TGameLayout layout) : QDialog(parent), FLayout(layout) {
  setWindowTitle(Translated(TrMark("Velg marked")));
  setFont(layout.Font(font()));
  setFixedSize(layout.Size(235, 197));
  auto* label2 = new QLabel(Translated(MarketTexts::ChooseMarket), this);
  label2->setFont(layout.PointFont(QFont(QStringLiteral("Arial")), 9, true));
  label2->setWordWrap(true);
  layout.Place(label2, 8, 8, 219, 34);
  FMarketLB = new QListWidget(this);
  layout.Place(FMarketLB, 8, 44, 219, 105);
  FOkBtn = new QPushButton(Translated(TrMark("Ok")), this);
  layout.Place(FOkBtn, 24, 160, 81, 27);
  FOkBtn->setDefault(true);
  FCancelBtn = new QPushButton(Translated(TrMark("Avbryt")), this);
  layout.Place(FCancelBtn, 130, 160, 81, 27);
  connect(FOkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
  connect(FCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(FMarketLB, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { OkBtnClick(); });
}

void TMarketDlg::SetMarkets(const QStringList& names) {
  FMarketLB->clear();
  FMarketLB->addItems(names);
  if (!names.isEmpty()) FMarketLB->setFocus();
}

int TMarketDlg::Chosen() const {
  const QList<QListWidgetItem*> chosen = FMarketLB->selectedItems();
  return chosen.isEmpty() ? -1 : FMarketLB->row(chosen.front());
}

void TMarketDlg::OkBtnClick() {
  if (Chosen() >= 0) {
    accept();
    return;
  }
  const QString text = Translated(NoMarketChosenText);
  if (OnMessage) {
    OnMessage(text);
  } else {
    ShowGameMessageBox(this, FLayout, QMessageBox::Information, windowTitle(), text);
  }
}

}  // namespace fjordheim
