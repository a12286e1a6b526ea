#pragma once

#include <memory>
#include <string>

#include "core/common/message_sink.h"
#include "core/sound/mixer.h"
#include "core/sound/sound_output.h"

namespace fjordheim {

/// Gain of an attenuation in hundredths of a decibel: 10^(volume / 2000). Values above 0
/// count as 0 (full volume).
float GainFromVolume(int volume);

/// The game's sound: four channels streaming wave files, the click, and a fallback to a
/// simple single-voice player when the device is missing or fails. With sound off every
/// operation does nothing and nothing is created. The main window owns one and hands it
/// on; the output must outlive it.
class TSoundPlayer {
 public:
  /// The warning of a device that fails while playing goes to warnings (may be null).
  TSoundPlayer(bool soundOff, std::string soundPath, TSoundOutput& output, TMessageSink* warnings = nullptr);
  ~TSoundPlayer();
  TSoundPlayer(const TSoundPlayer&) = delete;
  TSoundPlayer& operator=(const TSoundPlayer&) = delete;

  /// Starts the output and loads the click; without a device, fallback mode, silently.
  void InitSound();
  /// Stops the output and releases every sound.
  void DoneSound();

  /// Plays file (a game path) on channel 1..4 at volume (attenuation, see GainFromVolume).
  /// With wait, a sound still playing on that channel is first heard to its end. A missing
  /// or unreadable file is skipped.
  void PlayWave(const std::string& file, int channel, int volume, bool loop, bool wait);
  /// Stops the channel and rewinds it.
  void StopWave(int channel);
  /// StopWave for channels 1, 2, 3, 4 in this order.
  void StopAllWaves();
  void SetWaveVolume(int channel, int volume);
  /// Starts the click; a click still sounding goes on. Silent in fallback mode.
  void PlayClick();

  /// The output reports a device that stopped working: warn once, then fallback mode.
  void OutputFailed();

  bool InFallback() const { return FFallback; }
  /// The mixer, while the device plays; null with sound off, in fallback mode or before
  /// InitSound.
  const TMixer* Mixer() const { return FMixer.get(); }

 private:
  void LoadClick();
  void SwitchToFallback();
  void WaitForChannel(int channel);

  bool FSoundOff;
  std::string FSoundPath;
  TSoundOutput& FOutput;
  TMessageSink* FWarnings;
  std::unique_ptr<TMixer> FMixer;
  bool FFallback = false;
  bool FWarned = false;
};

}  // namespace fjordheim
