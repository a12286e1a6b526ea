#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace fjordheim {

/// Acts on the modal windows a step opens, one action per window in the order they
/// appear, so that a test can click its way through exec() calls.
class TModalScript {
 public:
  using TAction = std::function<void(QWidget*)>;

  explicit TModalScript(std::deque<TAction> actions) : FActions(std::move(actions)) {
    FTimer.setInterval(5);
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
    FTimer.start();
  }

  bool Done() const { return FActions.empty(); }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || FActions.empty() || modal == FLast) return;
    FLast = modal;
    TAction action = std::move(FActions.front());
    FActions.pop_front();
    // Queued, so that a window the action opens in turn is polled for while it runs.
    QPointer<QWidget> target = modal;
    QMetaObject::invokeMethod(
        &FTimer, [action = std::move(action), target] { if (target) action(target); }, Qt::QueuedConnection);
  }

  std::deque<TAction> FActions;
  QPointer<QWidget> FLast;
  QTimer FTimer;
};

}  // namespace fjordheim
