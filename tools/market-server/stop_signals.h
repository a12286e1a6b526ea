#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace fjordheim {

/// Turns SIGINT and SIGTERM into the Qt signal Stop, delivered by the event loop, so that the
/// server stops between two events and never in the middle of one.
class TStopSignals : public QObject {
  Q_OBJECT

 public:
  explicit TStopSignals(QObject* parent = nullptr);
  ~TStopSignals() override;

 signals:
  void Stop(int signalNumber);

 private:
  void Deliver();

  std::unique_ptr<QSocketNotifier> FNotifier;
};

}  // namespace fjordheim
