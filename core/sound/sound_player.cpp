#include "core/sound/sound_player.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <system_error>

#include "core/common/lines.h"
#include "core/common/path_resolver.h"
#include "core/common/translation.h"
#include "core/sound/memory_source.h"

namespace fjordheim {
namespace {

constexpr const char* ClickFile = "mono\\respons1.wav";
constexpr const char* FailureWarning = TrMark("Warning! DirectSound failed! The program will use standard audio.");
constexpr std::chrono::milliseconds WaitMargin{500};

bool ValidChannel(int channel) { return channel >= 1 && channel <= TMixer::ChannelCount; }

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::unique_ptr<TVoice> OpenVoice(std::unique_ptr<TWaveReadStream> (*open)(const std::string&),
                                  const std::string& path, int outputRate) {
  try {
    return TVoice::Create(open(path), outputRate);
  } catch (const std::exception&) {
    return nullptr;
  }
}

std::unique_ptr<TWaveReadStream> StreamFromFile(const std::string& path) {
  return std::make_unique<TWaveReadStream>(path);
}

// The click answers every button, so it is read whole into memory once.
std::unique_ptr<TWaveReadStream> StreamFromMemory(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return nullptr;
  return std::make_unique<TWaveReadStream>(std::make_unique<TMemorySource>(std::move(bytes)), path);
}

}  // namespace

float GainFromVolume(int volume) {
  const int attenuation = volume > 0 ? 0 : volume;
  return static_cast<float>(std::pow(10.0, attenuation / 2000.0));
}

TSoundPlayer::TSoundPlayer(bool soundOff, std::string soundPath, TSoundOutput& output, TMessageSink* warnings)
    : FSoundOff(soundOff), FSoundPath(std::move(soundPath)), FOutput(output), FWarnings(warnings) {}

TSoundPlayer::~TSoundPlayer() { DoneSound(); }

void TSoundPlayer::InitSound() {
  if (FSoundOff || FMixer || FFallback) return;
  FMixer = std::make_unique<TMixer>();
  if (!FOutput.Start(*FMixer)) {
    FMixer.reset();
    FFallback = true;
    return;
  }
  LoadClick();
}

void TSoundPlayer::LoadClick() {
  const std::string path = ResolvePath(FSoundPath + ClickFile);
  FMixer->SetClick(OpenVoice(&StreamFromMemory, path, FMixer->OutputRate()));
}

void TSoundPlayer::DoneSound() {
  if (FMixer) {
    FOutput.Stop();
    FMixer.reset();
  }
  if (FFallback) FOutput.StopSimple();
}

void TSoundPlayer::PlayWave(const std::string& file, int channel, int volume, bool loop, bool wait) {
  if (FSoundOff || !ValidChannel(channel)) return;
  const std::string path = ResolvePath(file);
  if (!FileExists(path)) return;
  if (FMixer && !FOutput.Running()) SwitchToFallback();
  if (FFallback) {
    if (channel == 1) FOutput.PlaySimple(path, loop);
    return;
  }
  if (!FMixer) return;
  auto voice = OpenVoice(&StreamFromFile, path, FMixer->OutputRate());
  if (!voice) return;
  voice->SetGain(GainFromVolume(volume));
  voice->SetLoop(loop);
  if (wait) WaitForChannel(channel);
  // The wait runs the event loop, where the device may have failed.
  if (FFallback) {
    if (channel == 1) FOutput.PlaySimple(path, loop);
    return;
  }
  if (FMixer) FMixer->Play(channel, std::move(voice));
}

// A looping sound would never end, so it is let to finish its current pass. The limit
// keeps a stalled device from holding the game.
void TSoundPlayer::WaitForChannel(int channel) {
  if (!FMixer->IsPlaying(channel)) return;
  FMixer->EndLoop(channel);
  const auto remaining = std::chrono::milliseconds(FMixer->RemainingFrames(channel) * 1000 / FMixer->OutputRate());
  FOutput.WaitUntil([this, channel] { return !FMixer || !FMixer->IsPlaying(channel); }, remaining + WaitMargin);
}

void TSoundPlayer::StopWave(int channel) {
  if (FSoundOff || !ValidChannel(channel)) return;
  if (FFallback) {
    if (channel == 1) FOutput.StopSimple();
    return;
  }
  if (FMixer) FMixer->Stop(channel);
}

void TSoundPlayer::StopAllWaves() {
  for (int channel = 1; channel <= TMixer::ChannelCount; ++channel) StopWave(channel);
}

void TSoundPlayer::SetWaveVolume(int channel, int volume) {
  if (FSoundOff || !FMixer) return;
  FMixer->SetGain(channel, GainFromVolume(volume));
}

void TSoundPlayer::PlayClick() {
  if (FSoundOff || !FMixer) return;
  if (!FOutput.Running()) {
    SwitchToFallback();
    return;
  }
  FMixer->PlayClick();
}

void TSoundPlayer::OutputFailed() {
  if (FSoundOff || !FMixer) return;
  SwitchToFallback();
}

void TSoundPlayer::SwitchToFallback() {
  FOutput.Stop();
  FMixer.reset();
  FFallback = true;
  if (!FWarned && FWarnings != nullptr) FWarnings->ShowMessage(Tr(FailureWarning));
  FWarned = true;
}

}  // namespace fjordheim
