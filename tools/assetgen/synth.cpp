#include "tools/assetgen/synth.h"

#include <algorithm>
#include <cmath>

namespace fjordheim {

namespace {

constexpr double Pi = 3.14159265358979323846;

double PeakOf(const TSignal& signal) {
  double peak = 1e-9;
  for (float sample : signal) peak = std::max(peak, double(std::fabs(sample)));
  return peak;
}

std::int16_t Quantised(double value) {
  return std::int16_t(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}

}  // namespace

TSynth::TSynth(std::uint64_t seed) : FState(seed * 0x9E3779B97F4A7C15ull + 1) {}

// splitmix64: small, fast and the same everywhere.
double TSynth::Uniform() {
  std::uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return double(z >> 11) / double(1ull << 53);
}

TSignal TSynth::Silence(double seconds) const { return TSignal(std::size_t(Samples(seconds)), 0.0f); }

TSignal TSynth::Noise(double seconds) {
  TSignal signal(std::size_t(Samples(seconds)));
  for (float& sample : signal) sample = float(Uniform() * 2.0 - 1.0);
  return signal;
}

TSignal TSynth::Tone(double seconds, const std::function<double(double)>& frequency,
                     const std::vector<double>& harmonics) {
  TSignal signal(std::size_t(Samples(seconds)));
  double phase = 0.0;
  const double count = double(signal.size());
  for (std::size_t i = 0; i < signal.size(); ++i) {
    phase += 2.0 * Pi * frequency(double(i) / count) / Rate;
    double value = 0.0;
    for (std::size_t h = 0; h < harmonics.size(); ++h) value += harmonics[h] * std::sin(phase * double(h + 1));
    signal[i] = float(value);
  }
  return signal;
}

void TSynth::LowPass(TSignal& signal, double cutoff) {
  const double a = 1.0 - std::exp(-2.0 * Pi * cutoff / Rate);
  double state = 0.0;
  for (float& sample : signal) sample = float(state += a * (sample - state));
}

void TSynth::HighPass(TSignal& signal, double cutoff) {
  const double a = 1.0 - std::exp(-2.0 * Pi * cutoff / Rate);
  double state = 0.0;
  for (float& sample : signal) {
    state += a * (sample - state);
    sample = float(sample - state);
  }
}

void TSynth::BandPass(TSignal& signal, double centre, double q) {
  const double w = 2.0 * Pi * centre / Rate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double a0 = 1.0 + alpha;
  const double b0 = alpha / a0, b2 = -alpha / a0, a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alpha) / a0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (float& sample : signal) {
    const double x = sample;
    const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    sample = float(y);
  }
}

void TSynth::Envelope(TSignal& signal, double attack, double decay) {
  const double attackSamples = std::max(1.0, attack * Rate);
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double t = double(i);
    const double gain = t < attackSamples ? t / attackSamples : std::exp(-(t - attackSamples) / (decay * Rate));
    signal[i] = float(signal[i] * gain);
  }
}

void TSynth::Fade(TSignal& signal, double seconds) {
  const std::size_t length = std::min(signal.size() / 2, std::size_t(Samples(seconds)));
  for (std::size_t i = 0; i < length; ++i) {
    const float gain = float(i) / float(length);
    signal[i] *= gain;
    signal[signal.size() - 1 - i] *= gain;
  }
}

void TSynth::Tremolo(TSignal& signal, double rate, double depth, double phase) {
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double wobble = 0.5 + 0.5 * std::sin(2.0 * Pi * (rate * double(i) / Rate + phase));
    signal[i] = float(signal[i] * (1.0 - depth * wobble));
  }
}

void TSynth::Mix(TSignal& into, const TSignal& part, double atSeconds, double gain) {
  const std::size_t start = std::size_t(std::max(0, Samples(atSeconds)));
  for (std::size_t i = 0; i < part.size() && start + i < into.size(); ++i) into[start + i] += float(part[i] * gain);
}

TSignal TSynth::Looped(const TSignal& signal, double crossfadeSeconds) {
  const std::size_t fade = std::min(signal.size() / 2, std::size_t(Samples(crossfadeSeconds)));
  TSignal loop(signal.begin(), signal.end() - std::ptrdiff_t(fade));
  // Equal-power crossfade of the tail into the head: the last sample of the loop is
  // followed by what came after it in the longer signal.
  for (std::size_t i = 0; i < fade; ++i) {
    const double t = (double(i) + 0.5) / double(fade);
    const double headGain = std::sin(0.5 * Pi * t), tailGain = std::cos(0.5 * Pi * t);
    loop[i] = float(signal[i] * headGain + signal[loop.size() + i] * tailGain);
  }
  return loop;
}

TWave TSynth::MonoWave(const TSignal& signal, double peak) {
  TWave wave;
  wave.Channels = 1;
  wave.Rate = Rate;
  const double scale = peak / PeakOf(signal);
  wave.Samples.reserve(signal.size());
  for (float sample : signal) wave.Samples.push_back(Quantised(sample * scale));
  return wave;
}

TWave TSynth::StereoWave(const TSignal& left, const TSignal& right, double peak) {
  TWave wave;
  wave.Channels = 2;
  wave.Rate = Rate;
  const double scale = peak / std::max(PeakOf(left), PeakOf(right));
  const std::size_t frames = std::min(left.size(), right.size());
  wave.Samples.reserve(frames * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    wave.Samples.push_back(Quantised(left[i] * scale));
    wave.Samples.push_back(Quantised(right[i] * scale));
  }
  return wave;
}

}  // namespace fjordheim
