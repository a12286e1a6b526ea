#include "tools/assetgen/wave.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include "tools/assetgen/sound_book.h"
#include "tools/assetgen/synth.h"

namespace fjordheim {
namespace {

std::uint32_t U32(const QByteArray& bytes, int at) { return qFromLittleEndian<std::uint32_t>(bytes.constData() + at); }
std::uint16_t U16(const QByteArray& bytes, int at) { return qFromLittleEndian<std::uint16_t>(bytes.constData() + at); }

TEST(WaveFile, HeaderDescribesStereoPcm) {
  TWave wave;
  wave.Channels = 2;
  wave.Rate = 22050;
  wave.Samples = {1, -1, 32767, -32768};
  const QByteArray bytes = wave.FileBytes();
  ASSERT_EQ(bytes.size(), 44 + 8);
  EXPECT_EQ(bytes.left(4), "RIFF");
  EXPECT_EQ(U32(bytes, 4), 44u + 8u - 8u);
  EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(U32(bytes, 16), 16u);
  EXPECT_EQ(U16(bytes, 20), 1);  // PCM
  EXPECT_EQ(U16(bytes, 22), 2);
  EXPECT_EQ(U32(bytes, 24), 22050u);
  EXPECT_EQ(U32(bytes, 28), 22050u * 4);
  EXPECT_EQ(U16(bytes, 32), 4);
  EXPECT_EQ(U16(bytes, 34), 16);
  EXPECT_EQ(bytes.mid(36, 4), "data");
  EXPECT_EQ(U32(bytes, 40), 8u);
  const std::optional<TWave> back = TWave::Parse(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Samples, wave.Samples);
  EXPECT_EQ(back->Channels, 2);
}

TEST(WaveFile, AStreamedFileWithOverlongSizesIsCutToWhatIsThere) {
  TWave wave;
  wave.Samples = {5, 6, 7};
  QByteArray bytes = wave.FileBytes();
  qToLittleEndian<std::uint32_t>(0x7fffffff, bytes.data() + 4);
  qToLittleEndian<std::uint32_t>(0x7fffffff, bytes.data() + 40);
  const std::optional<TWave> back = TWave::Parse(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Samples, wave.Samples);
}

TEST(WaveFile, OtherDataIsRefused) {
  EXPECT_FALSE(TWave::Parse(QByteArray()));
  EXPECT_FALSE(TWave::Parse("RIFF\x04\0\0\0WAVE"));
  TWave wave;
  wave.Samples = {1};
  QByteArray eightBit = wave.FileBytes();
  eightBit[34] = 8;
  EXPECT_FALSE(TWave::Parse(eightBit));
  EXPECT_FALSE(TWave::Parse(QByteArray("RIFF\xff\xff\xff\x7fWAVEfmt \xff\xff\xff\x7f", 24)));
}

TEST(Synth, TheSameSeedGivesTheSameSound) {
  for (const TSoundRecipe& recipe : TSoundBook::ProgramSounds())
    EXPECT_EQ(recipe.Make().FileBytes(), recipe.Make().FileBytes()) << recipe.Path.toStdString();
  EXPECT_EQ(TSoundBook::EventSound("event\\brann.wav").FileBytes(), TSoundBook::EventSound("event\\brann.wav").FileBytes());
  EXPECT_NE(TSoundBook::EventSound("event\\brann.wav").FileBytes(), TSoundBook::EventSound("event\\skip.wav").FileBytes());
}

// Where a loop wraps, the step from its last sample to its first is no bigger than the
// steps inside it: no click at the seam.
TEST(Synth, ALoopJoinsWithoutAJump) {
  TSynth s(3);
  TSignal noise = s.Noise(3.0);
  TSynth::LowPass(noise, 300);
  const TSignal loop = TSynth::Looped(noise, 0.5);
  ASSERT_EQ(loop.size(), std::size_t(TSynth::Samples(2.5)));
  float largestStep = 0;
  for (std::size_t i = 1; i < loop.size(); ++i) largestStep = std::max(largestStep, std::fabs(loop[i] - loop[i - 1]));
  EXPECT_LE(std::fabs(loop.front() - loop.back()), largestStep);
  EXPECT_GT(largestStep, 0.0f);
}

TEST(Synth, WavesAreScaledToTheirPeak) {
  TSynth s(1);
  const TWave wave = TSynth::MonoWave(s.Tone(0.1, [](double) { return 440.0; }), 0.5);
  const auto [low, high] = std::minmax_element(wave.Samples.begin(), wave.Samples.end());
  EXPECT_NEAR(double(*high), 0.5 * 32767, 40);
  EXPECT_NEAR(double(*low), -0.5 * 32767, 40);
}

}  // namespace
}  // namespace fjordheim
