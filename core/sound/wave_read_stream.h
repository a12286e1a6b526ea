#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/sound/buffered_reader.h"
#include "core/sound/byte_source.h"
#include "core/sound/mmio_error.h"

namespace fjordheim {

/// The 18-byte format record of a wave file.
struct TWaveFormat {
  std::uint16_t FormatTag = 0;
  std::uint16_t Channels = 0;
  std::uint32_t SamplesPerSec = 0;
  std::uint32_t AvgBytesPerSec = 0;
  std::uint16_t BlockAlign = 0;
  std::uint16_t BitsPerSample = 0;
  std::uint16_t ExtraSize = 0;
};

/// The sample data of a RIFF wave file as a read-only stream. Positions count from the
/// first sample byte. Opening and format errors raise EMMIOError; a file that ends inside
/// its sample data raises std::runtime_error when read.
class TWaveReadStream {
 public:
  enum TOrigin : int { FromBeginning = 0, FromCurrent = 1, FromEnd = 2 };

  /// Opens the file (a game path with backslashes is resolved) and stands at the first
  /// sample byte.
  explicit TWaveReadStream(const std::string& fileName);
  /// Reads a wave file held elsewhere (in memory); fileName only names it in messages.
  TWaveReadStream(std::unique_ptr<TByteSource> source, const std::string& fileName);

  /// Copies up to count sample bytes; fewer only when the data ends.
  std::int64_t Read(void* buffer, std::int64_t count);

  /// Moves within the sample data and returns the new position.
  std::int64_t Seek(std::int64_t offset, int origin);

  void GetFormat(TWaveFormat& destination) const { destination = FFormat; }
  /// The bytes after the format record, ExtraSize of them.
  const std::vector<std::uint8_t>& ExtraFormatBytes() const { return FExtra; }

  /// Silence for this file: 128 for 8-bit samples, else 0.
  void FillSilence(void* buffer, std::int64_t count) const;

  std::uint32_t DataSize() const { return FDataSize; }
  /// The part of the sample data the file really holds; less than DataSize when the file
  /// was cut short.
  std::int64_t DataSizeInFile() const;
  std::int64_t Position() const { return static_cast<std::int64_t>(FDataSize) - FBytesLeft; }

 private:
  struct TChunk {
    std::uint32_t Id = 0;
    std::uint32_t Size = 0;
    std::uint32_t FormType = 0;
    std::int64_t DataOffset = 0;
  };

  void Open(const std::string& fileName);
  bool DescendFirst(TChunk& chunk);
  bool DescendTo(TChunk& chunk, const TChunk& parent, std::uint32_t id);
  bool Ascend(const TChunk& chunk);
  bool ReadExactly(void* dest, std::size_t count);
  void ReadFormat(const TChunk& formatChunk);
  std::int64_t SeekTo(std::int64_t position);

  std::unique_ptr<TBufferedReader> FFile;
  TWaveFormat FFormat;
  std::vector<std::uint8_t> FExtra;
  std::uint32_t FDataSize = 0;
  std::int64_t FDataOffset = 0;
  std::int64_t FBytesLeft = 0;
};

}  // namespace fjordheim
