#pragma once

#include <QObject>

#include <map>

#include "core/common/message_sink.h"
#include "core/trade/scheduler.h"

class QTimer;

namespace fjordheim {

/// The merchants' deferred work on the game's event loop: posted actions are queued calls,
/// timers are single-shot QTimers. Nothing an action throws leaves the event loop: its
/// message goes to the sink.
class TQtScheduler : public QObject, public TScheduler {
 public:
  explicit TQtScheduler(TMessageSink& sink, QObject* parent = nullptr);
  ~TQtScheduler() override;

  void Post(std::function<void()> action) override;
  TTimerId StartTimer(std::int32_t delayMs, std::function<void()> action) override;
  void CancelTimer(TTimerId id) override;

  std::size_t PendingTimers() const { return FTimers.size(); }

 private:
  void Run(const std::function<void()>& action);

  TMessageSink& FSink;
  std::map<TTimerId, QTimer*> FTimers;
  TTimerId FLastId = 0;
};

}  // namespace fjordheim
