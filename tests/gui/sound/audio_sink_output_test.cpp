#include "gui/sound/audio_sink_output.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/sound/sound_player.h"
#include "tests/core/sound/wave_bytes.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

class AudioSinkOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("fjordheim-sink-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(Root / "mono");
    TWaveBytes wave;
    wave.Channels = 1;
    wave.Rate = 22050;
    wave.Data = Pcm16(std::vector<int>(22050 / 5, 3000));
    std::ofstream(Root / "mono" / "respons1.wav", std::ios::binary) << wave.Bytes();
    std::ofstream(Root / "mono" / "fifth.wav", std::ios::binary) << wave.Bytes();
    SoundPath = Root.string() + "\\";
  }
  void TearDown() override { fs::remove_all(Root); }

  fs::path Root;
  std::string SoundPath;
  TCollectingMessageSink Warnings;
};

TEST_F(AudioSinkOutputTest, WithoutADeviceTheGameGoesOnSilently) {
  if (TAudioSinkOutput::DeviceAvailable()) GTEST_SKIP() << "an audio output device exists";
  TAudioSinkOutput output;
  TSoundPlayer player(false, SoundPath, output, &Warnings);
  output.SetOnFailure([&player] { player.OutputFailed(); });
  player.InitSound();
  EXPECT_TRUE(player.InFallback());
  player.PlayClick();
  player.PlayWave(SoundPath + "mono\\fifth.wav", 1, 0, false, false);
  player.PlayWave(SoundPath + "mono\\fifth.wav", 1, 0, false, true);
  player.PlayWave(SoundPath + "mono\\fifth.wav", 2, 0, true, false);
  player.StopAllWaves();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Warnings.Messages.empty());
}

// Runs only where a device exists, e.g. a PulseAudio null sink. Some servers take a
// second or more before a new stream starts to play, so the test first waits for the
// click to be heard out.
TEST_F(AudioSinkOutputTest, ARealSinkTakesTheMixAndWaitsForTheSound) {
  if (!TAudioSinkOutput::DeviceAvailable()) GTEST_SKIP() << "no audio output device: the real sink was not tried";
  TAudioSinkOutput output;
  TSoundPlayer player(false, SoundPath, output, &Warnings);
  output.SetOnFailure([&player] { player.OutputFailed(); });
  player.InitSound();
  ASSERT_FALSE(player.InFallback());
  player.PlayClick();
  QElapsedTimer clock;
  clock.start();
  while (player.Mixer() != nullptr && player.Mixer()->ClickPlaying() && clock.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  ASSERT_NE(player.Mixer(), nullptr);
  ASSERT_FALSE(player.Mixer()->ClickPlaying()) << "the device never took the click";
  std::fprintf(stderr, "the click was taken after %lld ms\n", static_cast<long long>(clock.elapsed()));

  player.PlayWave(SoundPath + "mono\\fifth.wav", 1, 0, false, false);
  clock.restart();
  player.PlayWave(SoundPath + "mono\\fifth.wav", 1, -1000, false, true);
  const qint64 waited = clock.elapsed();
  std::fprintf(stderr, "the wait for a 200 ms sound took %lld ms\n", static_cast<long long>(waited));
  ASSERT_NE(player.Mixer(), nullptr);
  EXPECT_TRUE(player.Mixer()->IsPlaying(1));
  EXPECT_GE(waited, 100);
  EXPECT_LE(waited, 200 + 500 + 300);
  player.DoneSound();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Warnings.Messages.empty());
}

}  // namespace
}  // namespace fjordheim
