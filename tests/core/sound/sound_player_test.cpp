#include "core/sound/sound_player.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/core/sound/wave_bytes.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

// Plays the device by hand: a wait pulls 10 ms blocks until done or the limit.
class TFakeOutput : public TSoundOutput {
 public:
  bool Start(TMixer& mixer) override {
    ++Starts;
    if (!DeviceAvailable) return false;
    Source = &mixer;
    return true;
  }
  void Stop() override { Source = nullptr; }
  bool Running() const override { return Source != nullptr && !Failed; }
  void WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) override {
    Limits.push_back(limit);
    for (std::int64_t waited = 0; !done() && waited < limit.count(); waited += 10) Pull(441);
  }
  void PlaySimple(const std::string& path, bool loop) override { SimplePlays.push_back(fs::path(path).filename().string() + (loop ? "+loop" : "")); }
  void StopSimple() override { ++SimpleStops; }

  std::vector<int> Pull(std::size_t frames) {
    std::vector<std::int16_t> samples(2 * frames);
    Source->Mix(samples.data(), frames);
    std::vector<int> lefts;
    for (std::size_t i = 0; i < samples.size(); i += 2) lefts.push_back(samples[i]);
    Pulled.insert(Pulled.end(), lefts.begin(), lefts.end());
    return lefts;
  }

  bool DeviceAvailable = true;
  bool Failed = false;
  int Starts = 0;
  TMixer* Source = nullptr;
  std::vector<int> Pulled;
  std::vector<std::chrono::milliseconds> Limits;
  std::vector<std::string> SimplePlays;
  int SimpleStops = 0;
};

class SoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("fjordheim-sound-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(Root);
    fs::create_directories(Root / "mono");
    Write("mono/respons1.wav", 3, 50);
    Write("mono/long.wav", 4410, 1000);
    Write("mono/short.wav", 100, 2000);
    std::ofstream(Root / "mono" / "broken.wav", std::ios::binary) << "RIFF, but nothing more";
    SoundPath = Root.string() + "\\";
  }
  void TearDown() override { fs::remove_all(Root); }

  void Write(const std::string& name, int frames, int value) {
    TWaveBytes wave;
    wave.Channels = 1;
    wave.Data = Pcm16(std::vector<int>(static_cast<std::size_t>(frames), value));
    std::ofstream(Root / name, std::ios::binary) << wave.Bytes();
  }

  fs::path Root;
  std::string SoundPath;
  TFakeOutput Output;
  TCollectingMessageSink Warnings;
};

TEST_F(SoundPlayerTest, SoundOffCreatesNothingAndPlaysNothing) {
  TSoundPlayer player(true, SoundPath, Output, &Warnings);
  player.InitSound();
  player.PlayWave(SoundPath + "mono\\long.wav", 1, 0, true, true);
  player.PlayClick();
  player.StopAllWaves();
  player.OutputFailed();
  EXPECT_EQ(Output.Starts, 0);
  EXPECT_EQ(player.Mixer(), nullptr);
  EXPECT_TRUE(Output.SimplePlays.empty());
  EXPECT_TRUE(Warnings.Messages.empty());
}

TEST_F(SoundPlayerTest, WaitLetsThePreviousSoundFinishWhileTheOutputRuns) {
  TSoundPlayer player(false, SoundPath, Output, &Warnings);
  player.InitSound();
  player.PlayWave(SoundPath + "MONO\\Long.wav", 1, 0, false, false);
  Output.Pull(441);
  player.PlayWave(SoundPath + "mono\\short.wav", 1, 0, false, true);
  EXPECT_EQ(std::count(Output.Pulled.begin(), Output.Pulled.end(), 1000), 4410);
  ASSERT_EQ(Output.Limits.size(), 1u);
  EXPECT_GE(Output.Limits[0].count(), 90 + 500);
  EXPECT_LE(Output.Limits[0].count(), 100 + 500);
  EXPECT_EQ(Output.Pull(1)[0], 2000);
}

TEST_F(SoundPlayerTest, WaitOnALoopEndsWithItsCurrentPass) {
  TSoundPlayer player(false, SoundPath, Output, &Warnings);
  player.InitSound();
  for (std::size_t intoPass : {150, 199}) {
    player.PlayWave(SoundPath + "mono\\short.wav", 2, 0, true, false);
    Output.Pulled.clear();
    Output.Pull(intoPass);
    player.PlayWave(SoundPath + "mono\\long.wav", 2, 0, false, true);
    EXPECT_EQ(std::count(Output.Pulled.begin(), Output.Pulled.end(), 2000), 200) << intoPass;
    EXPECT_EQ(Output.Pull(1)[0], 1000);
  }
}

TEST_F(SoundPlayerTest, WaitOnAStalledDeviceGivesUpAfterTheLimit) {
  TSoundPlayer player(false, SoundPath, Output, &Warnings);
  player.InitSound();
  player.PlayWave(SoundPath + "mono\\long.wav", 3, 0, false, false);
  player.PlayWave(SoundPath + "mono\\short.wav", 3, 0, false, true);
  ASSERT_EQ(Output.Limits.size(), 1u);
  EXPECT_LE(Output.Limits[0].count(), 100 + 500 + 1);
  player.PlayWave(SoundPath + "mono\\short.wav", 4, 0, false, true);
  EXPECT_EQ(Output.Limits.size(), 1u) << "nothing played on 4, so nothing to wait for";
}

TEST_F(SoundPlayerTest, MissingAndUnreadableFilesAreSkippedSilently) {
  TSoundPlayer player(false, SoundPath, Output, &Warnings);
  player.InitSound();
  player.PlayWave(SoundPath + "mono\\long.wav", 1, -1000, false, false);
  player.PlayWave(SoundPath + "mono\\nothing.wav", 1, 0, false, true);
  player.PlayWave(SoundPath + "mono\\broken.wav", 1, 0, false, true);
  player.PlayWave(SoundPath + "mono", 1, 0, false, true);
  EXPECT_TRUE(Output.Limits.empty());
  EXPECT_EQ(Output.Pull(1)[0], 316);
  EXPECT_TRUE(Warnings.Messages.empty());
}

TEST_F(SoundPlayerTest, ClickVolumeAndStopReachTheMixer) {
  TSoundPlayer player(false, SoundPath, Output, &Warnings);
  player.InitSound();
  player.PlayWave(SoundPath + "mono\\long.wav", 2, 0, true, false);
  player.SetWaveVolume(2, 500);
  player.PlayClick();
  EXPECT_EQ(Output.Pull(1)[0], 1050);
  player.SetWaveVolume(2, -4000);
  EXPECT_EQ(Output.Pull(1)[0], 60);
  player.StopAllWaves();
  EXPECT_EQ(Output.Pull(2), (std::vector<int>{50, 0}));
  EXPECT_EQ(player.Mixer()->Position(2), 0);
}

TEST_F(SoundPlayerTest, NoDeviceMeansASilentFallbackOnChannelOne) {
  Output.DeviceAvailable = false;
  TSoundPlayer player(false, SoundPath, Output, &Warnings);
  player.InitSound();
  EXPECT_TRUE(player.InFallback());
  EXPECT_EQ(player.Mixer(), nullptr);
  player.PlayWave(SoundPath + "mono\\long.wav", 1, 0, true, true);
  player.PlayWave(SoundPath + "mono\\short.wav", 2, 0, false, false);
  player.PlayWave(SoundPath + "mono\\nothing.wav", 1, 0, false, false);
  player.PlayClick();
  player.StopWave(2);
  player.StopWave(1);
  EXPECT_EQ(Output.SimplePlays, (std::vector<std::string>{"long.wav+loop"}));
  EXPECT_EQ(Output.SimpleStops, 1);
  EXPECT_TRUE(Warnings.Messages.empty());
}

TEST_F(SoundPlayerTest, ADeviceThatFailsLaterWarnsOnceAndFallsBack) {
  TSoundPlayer player(false, SoundPath, Output, &Warnings);
  player.InitSound();
  Output.Failed = true;
  player.PlayWave(SoundPath + "mono\\short.wav", 1, 0, false, false);
  player.OutputFailed();
  player.PlayWave(SoundPath + "mono\\long.wav", 3, 0, false, false);
  EXPECT_TRUE(player.InFallback());
  EXPECT_EQ(Output.Source, nullptr);
  EXPECT_EQ(Warnings.Messages, (std::vector<std::string>{"Warning! DirectSound failed! The program will use standard audio."}));
  EXPECT_EQ(Output.SimplePlays, (std::vector<std::string>{"short.wav"}));
}

TEST_F(SoundPlayerTest, AMissingClickLeavesTheChannelsPlaying) {
  fs::remove(Root / "mono" / "respons1.wav");
  TSoundPlayer player(false, SoundPath, Output, &Warnings);
  player.InitSound();
  player.PlayClick();
  player.PlayWave(SoundPath + "mono\\short.wav", 1, 0, false, false);
  EXPECT_FALSE(player.InFallback());
  EXPECT_EQ(Output.Pull(1)[0], 2000);
  player.DoneSound();
  EXPECT_EQ(Output.Source, nullptr);
  player.PlayWave(SoundPath + "mono\\short.wav", 1, 0, false, false);
  EXPECT_TRUE(Output.SimplePlays.empty());
}

}  // namespace
}  // namespace fjordheim
