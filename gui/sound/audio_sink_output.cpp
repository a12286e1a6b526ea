#include "gui/sound/audio_sink_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "core/sound/mixer.h"

namespace fjordheim {
namespace {

constexpr int BufferMilliseconds = 50;
constexpr int FeedMilliseconds = 10;
constexpr int WaitPollMilliseconds = 5;
constexpr qint64 FrameBytes = 4;

bool IsFault(QAudio::Error error) {
  return error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError;
}

}  // namespace

TAudioSinkOutput::TAudioSinkOutput(QObject* parent) : QObject(parent) {
  FFeedTimer.setTimerType(Qt::PreciseTimer);
  FFeedTimer.setInterval(FeedMilliseconds);
  connect(&FFeedTimer, &QTimer::timeout, this, &TAudioSinkOutput::Feed);
}

TAudioSinkOutput::~TAudioSinkOutput() { Stop(); }

bool TAudioSinkOutput::DeviceAvailable() { return !QMediaDevices::audioOutputs().isEmpty(); }

// The sink is written to, not left to pull: Qt 6.4's PulseAudio sink in pull mode stalls
// for good when the server grants a buffer that is not a whole number of its 20 ms
// periods, which a 50 ms buffer is.
bool TAudioSinkOutput::Start(TMixer& mixer) {
  Stop();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return false;
  QAudioFormat format;
  format.setSampleRate(mixer.OutputRate());
  format.setChannelCount(2);
  format.setSampleFormat(QAudioFormat::Int16);
  FSink = std::make_unique<QAudioSink>(device, format);
  FSink->setBufferSize(static_cast<qsizetype>(mixer.OutputRate() * FrameBytes * BufferMilliseconds / 1000));
  FSinkInput = FSink->start();
  if (FSinkInput == nullptr || IsFault(FSink->error())) {
    Stop();
    return false;
  }
  connect(FSink.get(), &QAudioSink::stateChanged, this, &TAudioSinkOutput::SinkStateChanged);
  FMixer = &mixer;
  FFailed = false;
  Feed();
  FFeedTimer.start();
  return true;
}

void TAudioSinkOutput::Stop() {
  FFeedTimer.stop();
  FMixer = nullptr;
  FSinkInput = nullptr;
  if (FSink) {
    FSink->disconnect(this);
    FSink->stop();
    FSink.reset();
  }
}

bool TAudioSinkOutput::Running() const { return FSink != nullptr && !FFailed; }

// Tops the device buffer up with whole frames only: half a frame makes a 16-bit sink fail.
void TAudioSinkOutput::Feed() {
  if (FFailed || FMixer == nullptr || FSinkInput == nullptr) return;
  const qint64 frames = FSink->bytesFree() / FrameBytes;
  if (frames <= 0) return;
  FSamples.resize(static_cast<std::size_t>(frames) * 2);
  FMixer->Mix(FSamples.data(), static_cast<std::size_t>(frames));
  if (FSinkInput->write(reinterpret_cast<const char*>(FSamples.data()), frames * FrameBytes) < 0) Fail();
}

void TAudioSinkOutput::SinkStateChanged(QAudio::State state) {
  if (state == QAudio::StoppedState && IsFault(FSink->error())) Fail();
}

// The failure is passed on from a later turn of the event loop, so that the warning box
// does not open inside the audio stack's own notification.
void TAudioSinkOutput::Fail() {
  if (FFailed) return;
  FFailed = true;
  FFeedTimer.stop();
  QMetaObject::invokeMethod(
      this, [this] { if (FOnFailure) FOnFailure(); }, Qt::QueuedConnection);
}

void TAudioSinkOutput::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  if (done()) return;
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(WaitPollMilliseconds);
  connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || clock.elapsed() >= limit.count()) loop.quit();
  });
  poll.start();
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TAudioSinkOutput::PlaySimple(const std::string& path, bool loop) {
  if (!DeviceAvailable()) return;
  if (!FSimple) FSimple = std::make_unique<QSoundEffect>();
  FSimple->stop();
  FSimple->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  FSimple->setLoopCount(loop ? QSoundEffect::Infinite : 1);
  FSimple->play();
}

void TAudioSinkOutput::StopSimple() {
  if (FSimple) FSimple->stop();
}

}  // namespace fjordheim
