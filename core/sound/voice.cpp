#include "core/sound/voice.h"

#include <algorithm>
#include <exception>

namespace fjordheim {
namespace {

constexpr std::uint16_t PcmTag = 1;
constexpr std::uint16_t ExtensibleTag = 0xFFFE;
constexpr std::uint32_t LowestRate = 1000;
constexpr std::uint32_t HighestRate = 384000;
constexpr std::size_t BlockFrames = 1024;

// WAVE_FORMAT_EXTENSIBLE carries the real format tag in the first two bytes of its
// sub-format, which follows the valid-bits and channel-mask fields (6 bytes).
bool IsPcm(const TWaveFormat& format, const std::vector<std::uint8_t>& extra) {
  if (format.FormatTag == PcmTag) return true;
  return format.FormatTag == ExtensibleTag && extra.size() >= 22 && extra[6] == 1 && extra[7] == 0;
}

}  // namespace

std::unique_ptr<TVoice> TVoice::Create(std::unique_ptr<TWaveReadStream> reader, int outputRate) {
  if (!reader || outputRate <= 0) return nullptr;
  TWaveFormat format;
  reader->GetFormat(format);
  if (!IsPcm(format, reader->ExtraFormatBytes())) return nullptr;
  if (format.Channels != 1 && format.Channels != 2) return nullptr;
  if (format.BitsPerSample != 8 && format.BitsPerSample != 16) return nullptr;
  if (format.SamplesPerSec < LowestRate || format.SamplesPerSec > HighestRate) return nullptr;
  return std::unique_ptr<TVoice>(new TVoice(std::move(reader), format, outputRate));
}

TVoice::TVoice(std::unique_ptr<TWaveReadStream> reader, const TWaveFormat& format, int outputRate)
    : FReader(std::move(reader)),
      FChannels(format.Channels),
      FBytesPerSample(format.BitsPerSample / 8),
      FFrameBytes(static_cast<std::size_t>(FChannels * FBytesPerSample)),
      // A trailing partial frame is never played, so that a loop stays frame-aligned; a file
      // cut short plays what it holds.
      FPassBytes(FReader->DataSizeInFile() / static_cast<std::int64_t>(FFrameBytes) * static_cast<std::int64_t>(FFrameBytes)),
      FStep(static_cast<double>(format.SamplesPerSec) / outputRate),
      FRaw(BlockFrames * FFrameBytes),
      FBlock(BlockFrames * 2) {}

void TVoice::Start() {
  Rewind();
  FFraction = 0;
  FDraining = false;
  FPlaying = FetchFrame(FPrevLeft, FPrevRight);
  if (FPlaying && !FetchFrame(FNextLeft, FNextRight)) {
    FNextLeft = FNextRight = 0;
    FDraining = true;
  }
}

void TVoice::Stop() {
  FPlaying = false;
  Rewind();
}

void TVoice::SetLoop(bool loop) {
  // The next pass may already be waiting as the interpolation target; it is dropped.
  if (!loop && FLoop && FPlaying && FBlockStartsPass && FBlockIndex == 1) {
    FNextLeft = FNextRight = 0;
    FDraining = true;
  }
  FLoop = loop;
}

void TVoice::Rewind() {
  try {
    FReader->Seek(0, TWaveReadStream::FromBeginning);
  } catch (const std::exception&) {
    FPassBytes = 0;
  }
  FBlockFrames = 0;
  FBlockIndex = 0;
}

void TVoice::MixInto(float* mix, std::size_t frames) {
  for (std::size_t i = 0; i < frames && FPlaying; ++i) {
    mix[2 * i] += (FPrevLeft + (FNextLeft - FPrevLeft) * static_cast<float>(FFraction)) * FGain;
    mix[2 * i + 1] += (FPrevRight + (FNextRight - FPrevRight) * static_cast<float>(FFraction)) * FGain;
    FFraction += FStep;
    while (FFraction >= 1.0) {
      FFraction -= 1.0;
      if (FDraining) {
        FPlaying = false;
        break;
      }
      FPrevLeft = FNextLeft;
      FPrevRight = FNextRight;
      if (!FetchFrame(FNextLeft, FNextRight)) {
        FNextLeft = FNextRight = 0;
        FDraining = true;
      }
    }
  }
}

bool TVoice::FetchFrame(float& left, float& right) {
  if (FBlockIndex == FBlockFrames) RefillBlock();
  if (FBlockFrames == 0) return false;
  left = FBlock[2 * FBlockIndex];
  right = FBlock[2 * FBlockIndex + 1];
  ++FBlockIndex;
  return true;
}

// A block never runs past the end of a pass, so that a loop ended during a wait stops
// where the current pass does. The interpolation runs on across blocks, so the seam of a
// loop has neither a gap nor a jump.
void TVoice::RefillBlock() {
  std::size_t have = ReadPass(FRaw.data(), FRaw.size());
  FBlockStartsPass = false;
  if (have == 0 && FLoop && FPassBytes > 0) {
    Rewind();
    have = ReadPass(FRaw.data(), FRaw.size());
    FBlockStartsPass = true;
  }
  Decode(have / FFrameBytes);
}

// Reads whole frames of the current pass; a medium that fails ends the sound.
std::size_t TVoice::ReadPass(char* dest, std::size_t count) {
  const std::int64_t left = FPassBytes - FReader->Position();
  const auto wanted = static_cast<std::int64_t>(std::min<std::int64_t>(count, std::max<std::int64_t>(left, 0)));
  if (wanted == 0) return 0;
  try {
    return static_cast<std::size_t>(FReader->Read(dest, wanted));
  } catch (const std::exception&) {
    FPassBytes = 0;
    return 0;
  }
}

void TVoice::Decode(std::size_t frames) {
  FBlockFrames = frames;
  FBlockIndex = 0;
  const auto* raw = reinterpret_cast<const unsigned char*>(FRaw.data());
  const std::size_t samples = frames * static_cast<std::size_t>(FChannels);
  for (std::size_t s = 0; s < samples; ++s) {
    float value;
    if (FBytesPerSample == 1) {
      value = static_cast<float>((raw[s] - 128) * 256);
    } else {
      value = static_cast<float>(static_cast<std::int16_t>(raw[2 * s] | raw[2 * s + 1] << 8));
    }
    if (FChannels == 1) {
      FBlock[2 * s] = value;
      FBlock[2 * s + 1] = value;
    } else {
      FBlock[s] = value;
    }
  }
}

std::int64_t TVoice::RemainingFrames() const {
  if (!FPlaying) return 0;
  const std::int64_t unread = std::max<std::int64_t>(FPassBytes - FReader->Position(), 0) / static_cast<std::int64_t>(FFrameBytes);
  const auto sourceFrames = static_cast<double>(unread + static_cast<std::int64_t>(FBlockFrames - FBlockIndex)) +
                            (FDraining ? 0.0 : 1.0) + 1.0 - FFraction;
  return static_cast<std::int64_t>(sourceFrames / FStep) + 1;
}

}  // namespace fjordheim
