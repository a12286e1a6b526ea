#pragma once

#include <cstddef>
#include <cstdint>

namespace fjordheim {

/// Where a buffered reader gets its bytes from: a file on disk or bytes in memory.
class TByteSource {
 public:
  virtual ~TByteSource() = default;

  /// Total length in bytes.
  virtual std::int64_t Size() const = 0;

  /// Copies up to count bytes from position into dest; returns how many were copied
  /// (fewer only at the end), or -1 when the medium fails.
  virtual std::int64_t ReadAt(std::int64_t position, char* dest, std::size_t count) = 0;
};

}  // namespace fjordheim
