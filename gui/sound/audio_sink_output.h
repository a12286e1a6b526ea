#pragma once

#include <QAudio>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/sound/sound_output.h"

class QAudioSink;
class QIODevice;
class QSoundEffect;

namespace fjordheim {

/// The sound output of the game: a Qt audio sink (44.1 kHz, stereo, 16-bit, about 50 ms
/// of device buffer so that the click answers at once) kept full from the mixer, on the
/// thread of the event loop. Without a device, Start says so at once; a device that fails
/// while playing is reported once through the failure callback.
class TAudioSinkOutput : public QObject, public TSoundOutput {
  Q_OBJECT

 public:
  explicit TAudioSinkOutput(QObject* parent = nullptr);
  ~TAudioSinkOutput() override;

  /// Called on a later turn of the event loop, once, when the running device fails; the
  /// main window connects it to the sound player's OutputFailed.
  void SetOnFailure(std::function<void()> onFailure) { FOnFailure = std::move(onFailure); }

  /// True when the system offers any audio output device.
  static bool DeviceAvailable();

  bool Start(TMixer& mixer) override;
  void Stop() override;
  bool Running() const override;
  void WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) override;
  void PlaySimple(const std::string& path, bool loop) override;
  void StopSimple() override;

 private:
  void Feed();
  void SinkStateChanged(QAudio::State state);
  void Fail();

  TMixer* FMixer = nullptr;
  std::unique_ptr<QAudioSink> FSink;
  QIODevice* FSinkInput = nullptr;
  QTimer FFeedTimer;
  std::vector<std::int16_t> FSamples;
  std::unique_ptr<QSoundEffect> FSimple;
  std::function<void()> FOnFailure;
  bool FFailed = false;
};

}  // namespace fjordheim
