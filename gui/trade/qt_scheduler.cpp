#include "gui/trade/qt_scheduler.h"

#include <QTimer>

#include <exception>

#include "core/common/translation.h"

namespace fjordheim {

TQtScheduler::TQtScheduler(TMessageSink& sink, QObject* parent) : QObject(parent), FSink(sink) {}

TQtScheduler::~TQtScheduler() {
  for (auto& [id, timer] : FTimers) timer->stop();
}

void TQtScheduler::Run(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    FSink.ShowMessage(error.what());
  } catch (...) {
    FSink.ShowMessage(Tr("Ukjent feil"));
  }
}

// A queued call to this object is dropped by Qt when the object is gone first.
void TQtScheduler::Post(std::function<void()> action) {
  QMetaObject::invokeMethod(this, [this, action = std::move(action)] { Run(action); }, Qt::QueuedConnection);
}

TTimerId TQtScheduler::StartTimer(std::int32_t delayMs, std::function<void()> action) {
  const TTimerId id = ++FLastId;
  auto* timer = new QTimer(this);
  timer->setSingleShot(true);
  connect(timer, &QTimer::timeout, this, [this, id, timer, action = std::move(action)] {
    FTimers.erase(id);
    timer->deleteLater();
    Run(action);
  });
  FTimers[id] = timer;
  timer->start(delayMs);
  return id;
}

void TQtScheduler::CancelTimer(TTimerId id) {
  const auto found = FTimers.find(id);
  if (found == FTimers.end()) return;
  found->second->stop();
  found->second->deleteLater();
  FTimers.erase(found);
}

}  // namespace fjordheim
