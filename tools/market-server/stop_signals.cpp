#include "tools/market-server/stop_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace fjordheim {

namespace {

// A signal handler may only write to a descriptor; the event loop reads the other end.
int SignalPipe[2] = {-1, -1};

extern "C" void WriteSignalNumber(int signalNumber) {
  const unsigned char number = static_cast<unsigned char>(signalNumber);
  [[maybe_unused]] const ssize_t written = ::write(SignalPipe[0], &number, 1);
}

}  // namespace

TStopSignals::TStopSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, SignalPipe) != 0) return;
  FNotifier = std::make_unique<QSocketNotifier>(SignalPipe[1], QSocketNotifier::Read);
  connect(FNotifier.get(), &QSocketNotifier::activated, this, &TStopSignals::Deliver);
  struct sigaction action {};
  action.sa_handler = WriteSignalNumber;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

TStopSignals::~TStopSignals() {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  FNotifier.reset();
  for (int& end : SignalPipe) {
    if (end >= 0) ::close(end);
    end = -1;
  }
}

void TStopSignals::Deliver() {
  unsigned char number = 0;
  if (::read(SignalPipe[1], &number, 1) == 1) emit Stop(number);
}

}  // namespace fjordheim
