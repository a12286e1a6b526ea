#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace fjordheim {

/// 16-bit PCM sound in memory, samples interleaved by channel.
struct TWave {
  int Channels = 1;
  int Rate = 22050;
  std::vector<std::int16_t> Samples;

  int Frames() const { return Channels > 0 ? int(Samples.size()) / Channels : 0; }
  /// A RIFF WAVE file: a 16-byte "fmt " chunk of PCM and one "data" chunk.
  QByteArray FileBytes() const;
  /// Throws std::runtime_error when the file cannot be written.
  void Save(const QString& path) const;
  /// Reads 16-bit PCM from a RIFF WAVE file; chunk sizes that overrun the file (as a
  /// streaming writer leaves them) are cut to what is there. Empty for anything else.
  static std::optional<TWave> Parse(const QByteArray& bytes);
};

}  // namespace fjordheim
