#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/sound/memory_source.h"
#include "core/sound/mixer.h"
#include "core/sound/voice.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A sine wave file of the given format, seconds long.
std::string SineWave(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, double seconds) {
  std::string data;
  const auto frames = static_cast<std::uint32_t>(rate * seconds);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double value = std::sin(i * 2 * 3.14159265 * 440.0 / rate);
    for (int c = 0; c < channels; ++c) {
      if (bits == 8) {
        data += static_cast<char>(128 + static_cast<int>(value * 100));
      } else {
        PutLe(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 12000)), 2);
      }
    }
  }
  std::string out = "RIFF";
  PutLe(out, static_cast<std::uint32_t>(36 + data.size()), 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);
  PutLe(out, channels, 2);
  PutLe(out, rate, 4);
  PutLe(out, rate * channels * bits / 8, 4);
  PutLe(out, channels * bits / 8, 2);
  PutLe(out, bits, 2);
  out += "data";
  PutLe(out, static_cast<std::uint32_t>(data.size()), 4);
  return out + data;
}

// Four channels streaming from files on disk in four formats, looping, and the click
// started anew every tenth of a second; pulled in 10 ms blocks as the game's output does.
void BM_MixFourChannelsAndClick(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "fjordheim-sound-bench";
  fs::create_directories(folder);
  const std::vector<std::tuple<std::uint16_t, std::uint32_t, std::uint16_t>> formats = {
      {2, 44100, 16}, {2, 22050, 16}, {1, 22050, 16}, {1, 11025, 8}};
  TMixer mixer;
  for (std::size_t i = 0; i < formats.size(); ++i) {
    const auto [channels, rate, bits] = formats[i];
    const fs::path file = folder / ("channel" + std::to_string(i + 1) + ".wav");
    std::ofstream(file, std::ios::binary) << SineWave(channels, rate, bits, 5);
    auto voice = TVoice::Create(std::make_unique<TWaveReadStream>(file.string()), mixer.OutputRate());
    voice->SetLoop(true);
    voice->SetGain(0.5f);
    mixer.Play(static_cast<int>(i + 1), std::move(voice));
  }
  mixer.SetClick(TVoice::Create(
      std::make_unique<TWaveReadStream>(std::make_unique<TMemorySource>(SineWave(1, 22050, 16, 0.05)), "click"),
      mixer.OutputRate()));

  constexpr std::size_t BlockFrames = 441;
  std::vector<std::int16_t> block(2 * BlockFrames);
  std::int64_t frames = 0;
  for (auto _ : state) {
    for (int b = 0; b < 100; ++b) {
      if (b % 10 == 0) mixer.PlayClick();
      mixer.Mix(block.data(), BlockFrames);
      benchmark::DoNotOptimize(block.data());
    }
    frames += 100 * BlockFrames;
  }
  state.SetItemsProcessed(frames);
  state.counters["x_real_time"] =
      benchmark::Counter(static_cast<double>(frames) / mixer.OutputRate(), benchmark::Counter::kIsRate);
  fs::remove_all(folder);
}
BENCHMARK(BM_MixFourChannelsAndClick)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fjordheim
