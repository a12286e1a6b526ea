#include "core/sound/buffered_reader.h"

#include <algorithm>
#include <cstring>

namespace fjordheim {

TBufferedReader::TBufferedReader(std::unique_ptr<TByteSource> source, std::size_t bufferSize)
    : FSource(std::move(source)), FBuffer(std::max<std::size_t>(bufferSize, 16)) {}

bool TBufferedReader::Seek(std::int64_t position) {
  if (position < 0) return false;
  if (position >= FBufferStart && position <= FBufferStart + static_cast<std::int64_t>(FBufferLength)) {
    FCursor = static_cast<std::size_t>(position - FBufferStart);
    return true;
  }
  FBufferStart = position;
  FBufferLength = 0;
  FCursor = 0;
  return true;
}

bool TBufferedReader::Advance() {
  const std::int64_t start = Position();
  const std::int64_t got = FSource->ReadAt(start, FBuffer.data(), FBuffer.size());
  FBufferStart = start;
  FCursor = 0;
  FBufferLength = got < 0 ? 0 : static_cast<std::size_t>(got);
  return got >= 0;
}

std::int64_t TBufferedReader::Read(char* dest, std::size_t count) {
  std::size_t copied = 0;
  while (copied < count) {
    if (PendingCount() == 0) {
      if (!Advance()) return -1;
      if (PendingCount() == 0) break;
    }
    const std::size_t n = std::min(count - copied, PendingCount());
    std::memcpy(dest + copied, Pending(), n);
    Consume(n);
    copied += n;
  }
  return static_cast<std::int64_t>(copied);
}

}  // namespace fjordheim
