#include "core/sound/mixer.h"

#include <gtest/gtest.h>

#include "core/sound/memory_source.h"
#include "core/sound/sound_player.h"
#include "tests/core/sound/wave_bytes.h"

namespace fjordheim {
namespace {

std::unique_ptr<TVoice> VoiceOf(const TWaveBytes& wave, float gain = 1, bool loop = false) {
  auto voice = TVoice::Create(std::make_unique<TWaveReadStream>(std::make_unique<TMemorySource>(wave.Bytes()), "t.wav"),
                              TMixer::DefaultRate);
  voice->SetGain(gain);
  voice->SetLoop(loop);
  return voice;
}

TWaveBytes Stereo16(const std::vector<int>& samples) {
  TWaveBytes wave;
  wave.Data = Pcm16(samples);
  return wave;
}

TWaveBytes Constant(int value, int frames) { return Stereo16(std::vector<int>(2 * static_cast<std::size_t>(frames), value)); }

std::vector<int> Pull(TMixer& mixer, std::size_t frames) {
  std::vector<std::int16_t> samples(2 * frames);
  mixer.Mix(samples.data(), frames);
  return {samples.begin(), samples.end()};
}

std::vector<int> Lefts(const std::vector<int>& samples) {
  std::vector<int> out;
  for (std::size_t i = 0; i < samples.size(); i += 2) out.push_back(samples[i]);
  return out;
}

TEST(Mixer, ChannelsAreSummedAndClippedAtFullScale) {
  TMixer mixer;
  mixer.Play(1, VoiceOf(Stereo16({10000, 20000, -20000, 20000})));
  mixer.Play(2, VoiceOf(Stereo16({5000, 20000, -20000, -30000})));
  EXPECT_EQ(Pull(mixer, 3), (std::vector<int>{15000, 32767, -32768, -10000, 0, 0}));
}

TEST(Mixer, AttenuationIsInHundredthsOfADecibel) {
  EXPECT_FLOAT_EQ(GainFromVolume(0), 1.0f);
  EXPECT_NEAR(GainFromVolume(-1000), 0.316228f, 1e-6);
  EXPECT_FLOAT_EQ(GainFromVolume(1000), 1.0f);
  EXPECT_EQ(GainFromVolume(-2147483647 - 1), 0.0f);

  TMixer mixer;
  mixer.Play(1, VoiceOf(Constant(10000, 4), GainFromVolume(-1000)));
  mixer.Play(3, VoiceOf(Constant(10000, 4), GainFromVolume(1000)));
  EXPECT_EQ(Pull(mixer, 1), (std::vector<int>{13162, 13162}));
  mixer.SetGain(3, GainFromVolume(-2000));
  EXPECT_EQ(Pull(mixer, 1), (std::vector<int>{4162, 4162}));
}

TEST(Mixer, ALoopShorterThanOnePullHasNoSeam) {
  TMixer mixer;
  mixer.Play(2, VoiceOf(Stereo16({100, -100, 200, -200, 300, -300}), 1, true));
  const auto samples = Pull(mixer, 2000);
  for (std::size_t frame = 0; frame < 2000; ++frame) {
    const int expected = 100 * static_cast<int>(frame % 3 + 1);
    ASSERT_EQ(samples[2 * frame], expected) << "frame " << frame;
    ASSERT_EQ(samples[2 * frame + 1], -expected) << "frame " << frame;
  }
  EXPECT_TRUE(mixer.IsPlaying(2));
}

TEST(Mixer, StopSilencesAndRewinds) {
  TMixer mixer;
  mixer.Play(4, VoiceOf(Stereo16({1, 1, 2, 2, 3, 3, 4, 4})));
  Pull(mixer, 2);
  EXPECT_GT(mixer.Position(4), 0);
  mixer.Stop(4);
  EXPECT_FALSE(mixer.IsPlaying(4));
  EXPECT_TRUE(mixer.HasSound(4));
  EXPECT_EQ(mixer.Position(4), 0);
  EXPECT_EQ(Pull(mixer, 2), (std::vector<int>{0, 0, 0, 0}));
}

TEST(Mixer, ASoundShorterThanOnePullEndsAfterItsLastSample) {
  TMixer mixer;
  mixer.Play(1, VoiceOf(Stereo16({7, 8, 9, 10, 11, 12})));
  const auto samples = Pull(mixer, 1500);
  EXPECT_EQ(std::vector<int>(samples.begin(), samples.begin() + 8), (std::vector<int>{7, 8, 9, 10, 11, 12, 0, 0}));
  EXPECT_EQ(std::count(samples.begin(), samples.end(), 0), 2 * 1500 - 6);
  EXPECT_FALSE(mixer.IsPlaying(1));
  EXPECT_EQ(mixer.RemainingFrames(1), 0);
}

TEST(Mixer, EightBitMonoBecomesSixteenBitStereo) {
  TWaveBytes wave;
  wave.Channels = 1;
  wave.Bits = 8;
  wave.Data = std::string("\x80\xC0\x40\xFF\x00", 5);
  TMixer mixer;
  mixer.Play(1, VoiceOf(wave));
  EXPECT_EQ(Pull(mixer, 6), (std::vector<int>{0, 0, 16384, 16384, -16384, -16384, 32512, 32512, -32768, -32768, 0, 0}));
}

TEST(Mixer, OtherRatesAreResampledLinearly) {
  TWaveBytes wave;
  wave.Channels = 1;
  wave.Rate = 22050;
  wave.Data = Pcm16({0, 1000, 2000});
  TMixer mixer;
  mixer.Play(1, VoiceOf(wave));
  EXPECT_GE(mixer.RemainingFrames(1), 6);
  EXPECT_EQ(Lefts(Pull(mixer, 8)), (std::vector<int>{0, 500, 1000, 1500, 2000, 1000, 0, 0}));
  EXPECT_FALSE(mixer.IsPlaying(1));
}

TEST(Mixer, AClickStillSoundingGoesOn) {
  TMixer mixer;
  mixer.SetClick(VoiceOf(Stereo16({1, 1, 2, 2, 3, 3})));
  mixer.PlayClick();
  EXPECT_EQ(Lefts(Pull(mixer, 2)), (std::vector<int>{1, 2}));
  mixer.PlayClick();
  EXPECT_EQ(Lefts(Pull(mixer, 2)), (std::vector<int>{3, 0}));
  mixer.PlayClick();
  EXPECT_EQ(Lefts(Pull(mixer, 1)), (std::vector<int>{1}));
}

TEST(Mixer, UnplayableFormatsAndChannelsAreRefused) {
  for (auto [tag, channels, bits, rate] : {std::tuple{3, 2, 32, 44100}, {1, 6, 16, 44100}, {1, 2, 24, 44100}, {1, 2, 16, 0}}) {
    TWaveBytes wave;
    wave.Tag = static_cast<std::uint16_t>(tag);
    wave.Channels = static_cast<std::uint16_t>(channels);
    wave.Bits = static_cast<std::uint16_t>(bits);
    wave.Rate = static_cast<std::uint32_t>(rate);
    wave.Data = "abcdefgh";
    EXPECT_EQ(TVoice::Create(std::make_unique<TWaveReadStream>(std::make_unique<TMemorySource>(wave.Bytes()), "x"), 44100),
              nullptr);
  }
  TMixer mixer;
  mixer.Play(0, VoiceOf(Constant(5, 4)));
  mixer.Play(5, VoiceOf(Constant(5, 4)));
  mixer.Stop(-1);
  EXPECT_EQ(Pull(mixer, 1), (std::vector<int>{0, 0}));
}

TEST(Mixer, ATruncatedLoopRepeatsWhatTheFileHolds) {
  std::string bytes = Stereo16({1, 1, 2, 2, 3, 3}).Bytes();
  bytes.resize(bytes.size() - 4);
  auto voice = TVoice::Create(std::make_unique<TWaveReadStream>(std::make_unique<TMemorySource>(bytes), "t"), 44100);
  voice->SetLoop(true);
  TMixer mixer;
  mixer.Play(1, std::move(voice));
  const auto lefts = Lefts(Pull(mixer, 6));
  EXPECT_TRUE(mixer.IsPlaying(1));
  EXPECT_EQ(std::count(lefts.begin(), lefts.end(), 3), 0);
}

}  // namespace
}  // namespace fjordheim
