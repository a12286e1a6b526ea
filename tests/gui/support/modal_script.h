#pragma once

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

namespace fjordheim {

/// Acts on the modal windows a step opens, one action per window in the order they
/// appear, so that a test can click its way through exec() calls. A window acted on is
/// passed over while it stays open (it is waiting for a window it opened), and taken
/// again once it was closed and opens anew.
class TModalScript : public QObject {
 public:
  using TAction = std::function<void(QWidget*)>;

  explicit TModalScript(std::deque<TAction> actions) : FActions(std::move(actions)) {
    FTimer.setInterval(5);
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
    FTimer.start();
  }

  bool Done() const { return FActions.empty(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) {
      FOpen.erase(std::remove(FOpen.begin(), FOpen.end(), watched), FOpen.end());
      watched->removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || FActions.empty() || std::find(FOpen.begin(), FOpen.end(), modal) != FOpen.end()) return;
    FOpen.push_back(modal);
    modal->installEventFilter(this);
    TAction action = std::move(FActions.front());
    FActions.pop_front();
    // Queued, so that a window the action opens in turn is polled for while it runs.
    QPointer<QWidget> target = modal;
    QMetaObject::invokeMethod(
        &FTimer, [action = std::move(action), target] { if (target) action(target); }, Qt::QueuedConnection);
  }

  std::deque<TAction> FActions;
  std::vector<QPointer<QWidget>> FOpen;
  QTimer FTimer;
};

}  // namespace fjordheim
