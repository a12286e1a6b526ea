#include "core/sound/wave_read_stream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "core/sound/file_source.h"

namespace fjordheim {
namespace {

constexpr std::uint32_t FourCC(const char (&id)[5]) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(id[0])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(id[1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(id[2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(id[3])) << 24;
}

constexpr std::uint32_t RiffId = FourCC("RIFF");
constexpr std::uint32_t ListId = FourCC("LIST");
constexpr std::uint32_t WaveId = FourCC("WAVE");
constexpr std::uint32_t FormatId = FourCC("fmt ");
constexpr std::uint32_t DataId = FourCC("data");
constexpr std::uint16_t PcmTag = 1;
constexpr std::size_t PcmRecordSize = 16;
constexpr std::size_t FullRecordSize = 18;

std::uint16_t Le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::uint32_t Le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::unique_ptr<TByteSource> OpenOrThrow(const std::string& fileName) {
  auto source = TFileSource::Open(fileName);
  if (!source) throw EMMIOError("Cannot open: " + fileName);
  return source;
}

}  // namespace

TWaveReadStream::TWaveReadStream(const std::string& fileName) : TWaveReadStream(OpenOrThrow(fileName), fileName) {}

TWaveReadStream::TWaveReadStream(std::unique_ptr<TByteSource> source, const std::string& fileName) {
  if (!source) throw EMMIOError("Cannot open: " + fileName);
  FFile = std::make_unique<TBufferedReader>(std::move(source));
  Open(fileName);
}

void TWaveReadStream::Open(const std::string& fileName) {
  TChunk riff;
  if (!DescendFirst(riff)) throw EMMIOError("Cannot find chunk.");
  if (riff.Id != RiffId || riff.FormType != WaveId) throw EMMIOError("Not a wavefile: " + fileName);
  TChunk format;
  if (!DescendTo(format, riff, FormatId)) throw EMMIOError("Cannot find chunk.");
  if (format.Size < PcmRecordSize) throw EMMIOError("Not a wavefile: ");
  ReadFormat(format);
  if (!Ascend(format)) throw EMMIOError("Cannot ascend from format chunk.");
  if (!FFile->Seek(riff.DataOffset + 4)) throw EMMIOError("Cannot Seek.");
  TChunk data;
  if (!DescendTo(data, riff, DataId)) throw std::runtime_error("Cannot find chunk.");
  FDataOffset = FFile->Position();
  FDataSize = data.Size;
  FBytesLeft = FDataSize;
}

void TWaveReadStream::ReadFormat(const TChunk& formatChunk) {
  unsigned char record[PcmRecordSize];
  if (!ReadExactly(record, sizeof record)) throw EMMIOError("Cannot read.");
  FFormat.FormatTag = Le16(record);
  FFormat.Channels = Le16(record + 2);
  FFormat.SamplesPerSec = Le32(record + 4);
  FFormat.AvgBytesPerSec = Le32(record + 8);
  FFormat.BlockAlign = Le16(record + 12);
  FFormat.BitsPerSample = Le16(record + 14);
  std::uint16_t extraSize = 0;
  // A 16-byte record has no extra-size field whatever its format; reading on would take
  // the next chunk's header for it.
  if (FFormat.FormatTag != PcmTag && formatChunk.Size >= FullRecordSize) {
    unsigned char field[2];
    if (!ReadExactly(field, sizeof field)) throw EMMIOError("Cannot read.");
    extraSize = Le16(field);
  }
  try {
    FExtra.resize(extraSize);
  } catch (const std::bad_alloc&) {
    throw EMMIOError("Cannot allocate sufficient memory.");
  }
  FFormat.ExtraSize = extraSize;
  if (extraSize == 0) return;
  // Extra bytes beyond the chunk would be the next chunk's bytes, not format.
  if (FullRecordSize + extraSize > formatChunk.Size || !ReadExactly(FExtra.data(), extraSize)) {
    throw EMMIOError("Not a wavefile: ");
  }
}

bool TWaveReadStream::ReadExactly(void* dest, std::size_t count) {
  return FFile->Read(static_cast<char*>(dest), count) == static_cast<std::int64_t>(count);
}

bool TWaveReadStream::DescendFirst(TChunk& chunk) {
  unsigned char header[8];
  if (!ReadExactly(header, sizeof header)) return false;
  chunk.Id = Le32(header);
  chunk.Size = Le32(header + 4);
  chunk.DataOffset = FFile->Position();
  if (chunk.Id == RiffId || chunk.Id == ListId) {
    unsigned char formType[4];
    if (!ReadExactly(formType, sizeof formType)) return false;
    chunk.FormType = Le32(formType);
  }
  return true;
}

// Walks the chunks from the current position to the end of parent until one carries id.
bool TWaveReadStream::DescendTo(TChunk& chunk, const TChunk& parent, std::uint32_t id) {
  const std::int64_t parentEnd = parent.DataOffset + parent.Size;
  for (;;) {
    if (FFile->Position() + 8 > parentEnd) return false;
    unsigned char header[8];
    if (!ReadExactly(header, sizeof header)) return false;
    chunk.Id = Le32(header);
    chunk.Size = Le32(header + 4);
    chunk.DataOffset = FFile->Position();
    if (chunk.Id == id) return true;
    const std::int64_t next = chunk.DataOffset + chunk.Size + (chunk.Size & 1);
    if (!FFile->Seek(next)) return false;
  }
}

bool TWaveReadStream::Ascend(const TChunk& chunk) {
  const std::int64_t end = chunk.DataOffset + chunk.Size;
  if (end > FFile->Size()) return false;
  // The pad byte after an odd-sized chunk may be missing at the very end of a file.
  const std::int64_t padded = std::min(end + (chunk.Size & 1), FFile->Size());
  return FFile->Seek(padded);
}

std::int64_t TWaveReadStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  const std::int64_t n = std::min(count, FBytesLeft);
  FBytesLeft -= n;
  auto* out = static_cast<char*>(buffer);
  std::int64_t copied = 0;
  while (copied < n) {
    if (FFile->PendingCount() == 0) {
      if (!FFile->Advance()) throw std::runtime_error("Error advancing then wave file buffer.");
      if (FFile->PendingCount() == 0) throw std::runtime_error("Corrupt wave file.");
    }
    const auto step = static_cast<std::size_t>(std::min<std::int64_t>(n - copied, FFile->PendingCount()));
    std::memcpy(out + copied, FFile->Pending(), step);
    FFile->Consume(step);
    copied += static_cast<std::int64_t>(step);
  }
  return n;
}

std::int64_t TWaveReadStream::Seek(std::int64_t offset, int origin) {
  const std::int64_t size = FDataSize;
  switch (origin) {
    case FromBeginning:
      return SeekTo(std::clamp<std::int64_t>(offset, 0, size));
    case FromCurrent: {
      const std::int64_t target = Position() + offset;
      if (target > size) return Seek(0, FromEnd);
      return SeekTo(std::max<std::int64_t>(target, 0));
    }
    case FromEnd: {
      // Offset 0 stands on the last sample byte, so one byte remains to be read.
      const std::int64_t target = size - 1 - offset;
      if (target < 0) return Seek(0, FromBeginning);
      return SeekTo(std::min(target, size));
    }
    default:
      return Position();
  }
}

std::int64_t TWaveReadStream::SeekTo(std::int64_t position) {
  if (!FFile->Seek(FDataOffset + position)) throw EMMIOError("Cannot Seek.");
  FBytesLeft = FDataSize - position;
  return position;
}

std::int64_t TWaveReadStream::DataSizeInFile() const {
  return std::clamp<std::int64_t>(FFile->Size() - FDataOffset, 0, FDataSize);
}

void TWaveReadStream::FillSilence(void* buffer, std::int64_t count) const {
  if (count <= 0) return;
  std::memset(buffer, FFormat.BitsPerSample == 8 ? 128 : 0, static_cast<std::size_t>(count));
}

}  // namespace fjordheim
