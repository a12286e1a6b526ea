#include "core/sound/mixer.h"

#include <algorithm>
#include <cmath>

namespace fjordheim {
namespace {

constexpr std::size_t MixFrames = 1024;

std::int16_t Clipped(float value) {
  return static_cast<std::int16_t>(std::lrint(std::clamp(value, -32768.0f, 32767.0f)));
}

}  // namespace

TMixer::TMixer(int outputRate) : FOutputRate(outputRate > 0 ? outputRate : DefaultRate), FMix(2 * MixFrames) {}

TVoice* TMixer::Channel(int channel) const {
  if (channel < 1 || channel > ChannelCount) return nullptr;
  return FChannels[static_cast<std::size_t>(channel - 1)].get();
}

void TMixer::Play(int channel, std::unique_ptr<TVoice> voice) {
  if (channel < 1 || channel > ChannelCount) return;
  auto& slot = FChannels[static_cast<std::size_t>(channel - 1)];
  slot = std::move(voice);
  if (slot) slot->Start();
}

void TMixer::Stop(int channel) {
  if (TVoice* voice = Channel(channel)) voice->Stop();
}

void TMixer::SetGain(int channel, float gain) {
  if (TVoice* voice = Channel(channel)) voice->SetGain(gain);
}

void TMixer::EndLoop(int channel) {
  if (TVoice* voice = Channel(channel)) voice->SetLoop(false);
}

bool TMixer::IsPlaying(int channel) const {
  const TVoice* voice = Channel(channel);
  return voice != nullptr && voice->Playing();
}

bool TMixer::HasSound(int channel) const { return Channel(channel) != nullptr; }

std::int64_t TMixer::RemainingFrames(int channel) const {
  const TVoice* voice = Channel(channel);
  return voice == nullptr ? 0 : voice->RemainingFrames();
}

std::int64_t TMixer::Position(int channel) const {
  const TVoice* voice = Channel(channel);
  return voice == nullptr ? 0 : voice->Position();
}

void TMixer::SetClick(std::unique_ptr<TVoice> click) { FClick = std::move(click); }

void TMixer::PlayClick() {
  if (FClick && !FClick->Playing()) FClick->Start();
}

bool TMixer::ClickPlaying() const { return FClick && FClick->Playing(); }

void TMixer::Mix(std::int16_t* samples, std::size_t frames) {
  while (frames > 0) {
    const std::size_t n = std::min(frames, MixFrames);
    std::fill_n(FMix.begin(), 2 * n, 0.0f);
    for (auto& voice : FChannels) {
      if (voice && voice->Playing()) voice->MixInto(FMix.data(), n);
    }
    if (FClick && FClick->Playing()) FClick->MixInto(FMix.data(), n);
    for (std::size_t i = 0; i < 2 * n; ++i) samples[i] = Clipped(FMix[i]);
    samples += 2 * n;
    frames -= n;
  }
}

}  // namespace fjordheim
