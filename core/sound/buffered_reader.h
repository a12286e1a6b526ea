#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/sound/byte_source.h"

namespace fjordheim {

/// Reads a byte source through one buffer, the way a wave stream consumes it: small header
/// reads, seeks, and long sample reads taken straight from the buffer.
class TBufferedReader {
 public:
  explicit TBufferedReader(std::unique_ptr<TByteSource> source, std::size_t bufferSize = 16384);

  std::int64_t Size() const { return FSource->Size(); }
  std::int64_t Position() const { return FBufferStart + static_cast<std::int64_t>(FCursor); }

  /// Moves to position; false for a position before the start. Past the end, reads give 0.
  bool Seek(std::int64_t position);

  /// Copies up to count bytes; returns how many were copied, fewer only at the end of the
  /// source, or -1 when the source fails.
  std::int64_t Read(char* dest, std::size_t count);

  /// The bytes of the buffer not yet consumed.
  const char* Pending() const { return FBuffer.data() + FCursor; }
  std::size_t PendingCount() const { return FBufferLength - FCursor; }
  void Consume(std::size_t count) { FCursor += count; }

  /// Refills the buffer from the current position; false when the source fails. At the
  /// end of the source the buffer stays empty.
  bool Advance();

 private:
  std::unique_ptr<TByteSource> FSource;
  std::vector<char> FBuffer;
  std::int64_t FBufferStart = 0;
  std::size_t FBufferLength = 0;
  std::size_t FCursor = 0;
};

}  // namespace fjordheim
