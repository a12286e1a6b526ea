#pragma once

#include <QDialog>

#include <array>
#include <string>

#include "gui/dialogs/game_layout.h"

class QLabel;
class QPushButton;

namespace fjordheim {

class TPictureLoader;

/// The new chief's first decision: three answers, each chosen by a click on its text or
/// on its numbered button; the result is 201, 202 or 203 for the first, second or third.
class TFirstDecisionForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int FirstResult = 201;

  TFirstDecisionForm(const std::string& picsPath, TPictureLoader& pictures, const std::array<std::string, 3>& answers,
                     QWidget* parent = nullptr, TGameLayout layout = TGameLayout());

  std::array<QLabel*, 3> Labels{};
  std::array<QPushButton*, 3> Buttons{};

 public slots:
  void reject() override {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace fjordheim
