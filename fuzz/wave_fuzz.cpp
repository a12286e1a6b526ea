#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/sound/memory_source.h"
#include "core/sound/mixer.h"
#include "core/sound/voice.h"
#include "core/sound/wave_read_stream.h"

namespace {

using fjordheim::TMemorySource;
using fjordheim::TWaveReadStream;

std::unique_ptr<TWaveReadStream> Open(const std::string& bytes) {
  try {
    return std::make_unique<TWaveReadStream>(std::make_unique<TMemorySource>(bytes), "fuzz.wav");
  } catch (const std::runtime_error&) {
    return nullptr;
  }
}

// Reads and seeks the way the sound player does, steered by the first bytes of the input.
void ReadAndSeek(TWaveReadStream& stream, const std::uint8_t* data, std::size_t size) {
  std::vector<char> buffer(4096);
  for (std::size_t i = 0; i < 16 && i + 2 < size; i += 3) {
    try {
      const auto count = static_cast<std::int64_t>(data[i] * 16);
      const std::int64_t got = stream.Read(buffer.data(), count);
      if (got < 0 || got > count) __builtin_trap();
      const std::int64_t position = stream.Seek(static_cast<std::int8_t>(data[i + 1]) * 7, data[i + 2] % 4);
      if (position < 0 || position > static_cast<std::int64_t>(stream.DataSize())) __builtin_trap();
      stream.FillSilence(buffer.data(), count);
    } catch (const std::runtime_error&) {
    }
  }
}

void Mix(const std::string& bytes, bool loop) {
  auto stream = Open(bytes);
  if (!stream) return;
  auto voice = fjordheim::TVoice::Create(std::move(stream), fjordheim::TMixer::DefaultRate);
  if (!voice) return;
  voice->SetLoop(loop);
  fjordheim::TMixer mixer;
  mixer.Play(1, std::move(voice));
  std::vector<std::int16_t> samples(2 * 2048);
  for (int i = 0; i < 4; ++i) mixer.Mix(samples.data(), 2048);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (auto stream = Open(bytes)) ReadAndSeek(*stream, data, size);
  Mix(bytes, size % 2 == 0);
  return 0;
}
