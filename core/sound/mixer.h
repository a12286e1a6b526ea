#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/sound/voice.h"

namespace fjordheim {

/// Mixes the four numbered sound channels and the click into interleaved stereo 16-bit
/// samples at the output rate. The output pulls from it on the same thread that starts
/// and stops sounds, so it holds no locks.
class TMixer {
 public:
  static constexpr int ChannelCount = 4;
  static constexpr int DefaultRate = 44100;

  explicit TMixer(int outputRate = DefaultRate);

  int OutputRate() const { return FOutputRate; }

  /// Replaces the sound of channel 1..4 with voice and starts it; other numbers are ignored.
  void Play(int channel, std::unique_ptr<TVoice> voice);
  /// Stops the channel's sound and rewinds it.
  void Stop(int channel);
  void SetGain(int channel, float gain);
  /// Lets a looping sound end after its current pass.
  void EndLoop(int channel);
  bool IsPlaying(int channel) const;
  bool HasSound(int channel) const;
  /// Output frames until the channel falls silent.
  std::int64_t RemainingFrames(int channel) const;
  /// The channel's position in its sample data, in bytes (0 without a sound).
  std::int64_t Position(int channel) const;

  void SetClick(std::unique_ptr<TVoice> click);
  /// Starts the click from its beginning unless it is still sounding.
  void PlayClick();
  bool ClickPlaying() const;

  /// Writes the next frames: two samples (left, right) a frame, summed and clipped.
  void Mix(std::int16_t* samples, std::size_t frames);

 private:
  TVoice* Channel(int channel) const;

  int FOutputRate;
  std::array<std::unique_ptr<TVoice>, ChannelCount> FChannels;
  std::unique_ptr<TVoice> FClick;
  std::vector<float> FMix;
};

}  // namespace fjordheim
