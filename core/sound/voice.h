#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/sound/wave_read_stream.h"

namespace fjordheim {

/// One sound being played: reads PCM from its wave stream block by block, converts it to
/// stereo at the output rate by linear interpolation, and adds it into a mix.
class TVoice {
 public:
  /// nullptr unless the stream holds PCM of 8 or 16 bits, mono or stereo, at a usable rate.
  static std::unique_ptr<TVoice> Create(std::unique_ptr<TWaveReadStream> reader, int outputRate);

  /// Plays from the first sample.
  void Start();
  /// Stops and rewinds to the first sample.
  void Stop();
  bool Playing() const { return FPlaying; }

  void SetGain(float gain) { FGain = gain; }
  /// Ending a loop lets the current pass play to its end and no further.
  void SetLoop(bool loop);

  /// Adds the next frames into mix (interleaved left, right, in 16-bit units); a voice
  /// that ends on the way adds nothing after its last sample.
  void MixInto(float* mix, std::size_t frames);

  /// Output frames until this voice falls silent (the current pass of a looping voice).
  std::int64_t RemainingFrames() const;

  /// The position in the sample data, in bytes.
  std::int64_t Position() const { return FReader->Position(); }

 private:
  TVoice(std::unique_ptr<TWaveReadStream> reader, const TWaveFormat& format, int outputRate);

  bool FetchFrame(float& left, float& right);
  void RefillBlock();
  std::size_t ReadPass(char* dest, std::size_t count);
  void Rewind();
  void Decode(std::size_t frames);

  std::unique_ptr<TWaveReadStream> FReader;
  int FChannels;
  int FBytesPerSample;
  std::size_t FFrameBytes;
  std::int64_t FPassBytes;
  double FStep;

  std::vector<char> FRaw;
  std::vector<float> FBlock;
  std::size_t FBlockFrames = 0;
  std::size_t FBlockIndex = 0;
  bool FBlockStartsPass = false;

  float FPrevLeft = 0, FPrevRight = 0, FNextLeft = 0, FNextRight = 0;
  double FFraction = 0;
  bool FDraining = false;
  bool FPlaying = false;
  bool FLoop = false;
  float FGain = 1;
};

}  // namespace fjordheim
