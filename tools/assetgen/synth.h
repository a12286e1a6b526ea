#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/assetgen/wave.h"

namespace fjordheim {

using TSignal = std::vector<float>;

/// Procedural sound: seeded noise, tones, filters and envelopes at one sample rate.
/// The same seed and the same calls give the same samples, on any machine.
class TSynth {
 public:
  static constexpr int Rate = 22050;

  explicit TSynth(std::uint64_t seed);

  static int Samples(double seconds) { return int(seconds * Rate); }
  /// A uniform number in [0, 1).
  double Uniform();
  double Between(double low, double high) { return low + (high - low) * Uniform(); }

  TSignal Silence(double seconds) const;
  TSignal Noise(double seconds);
  /// A tone whose frequency follows frequency(t) for t in [0, 1] over the length;
  /// harmonics gives the weights of the overtones (1 = the fundamental alone).
  TSignal Tone(double seconds, const std::function<double(double)>& frequency,
               const std::vector<double>& harmonics = {1.0});

  static void LowPass(TSignal& signal, double cutoff);
  static void HighPass(TSignal& signal, double cutoff);
  static void BandPass(TSignal& signal, double centre, double q);
  /// Rises linearly over attack seconds, then falls exponentially with the decay time.
  static void Envelope(TSignal& signal, double attack, double decay);
  /// Fades in and out over the given seconds at both ends.
  static void Fade(TSignal& signal, double seconds);
  /// Multiplies by a slow wobble of the given rate and depth (0..1).
  static void Tremolo(TSignal& signal, double rate, double depth, double phase = 0.0);
  static void Mix(TSignal& into, const TSignal& part, double atSeconds, double gain = 1.0);
  /// Lays the end over the beginning so that the result repeats without a seam.
  static TSignal Looped(const TSignal& signal, double crossfadeSeconds);

  /// Scaled to the given peak and quantised.
  static TWave MonoWave(const TSignal& signal, double peak = 0.8);
  static TWave StereoWave(const TSignal& left, const TSignal& right, double peak = 0.8);

 private:
  std::uint64_t FState;
};

}  // namespace fjordheim
