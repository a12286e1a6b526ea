#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

#include "gui/dialogs/game_layout.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace fjordheim {

/// "Velg marked": the player picks the market to travel to from the settings' list.
class TMarketDlg : public QDialog {
 public:
  explicit TMarketDlg(QWidget* parent, TGameLayout layout = TGameLayout());

  /// The market names, in the settings' order.
  void SetMarkets(const QStringList& names);
  /// The market chosen, or -1.
  int Chosen() const;
  /// Closes with OK when a market is chosen; otherwise says so and stays open.
  void OkBtnClick();

  QListWidget* MarketLB() const { return FMarketLB; }
  QPushButton* OkBtn() const { return FOkBtn; }
  QPushButton* CancelBtn() const { return FCancelBtn; }
  /// Shows a message of the dialog; a message box unless the owner says otherwise.
  std::function<void(const QString& message)> OnMessage;

 private:
  TGameLayout FLayout;
  QListWidget* FMarketLB = nullptr;
  QPushButton* FOkBtn = nullptr;
  QPushButton* FCancelBtn = nullptr;
};

}  // namespace fjordheim
