#pragma once

#include <cstddef>

namespace fjordheim {

/// A source and sink of bytes with a position, as binary file formats read and write them.
/// Short counts are how the end of the bytes and a failed write show; readers turn them
/// into their own errors.
class TByteStream {
 public:
  virtual ~TByteStream() = default;

  /// Reads up to `count` bytes at the position and moves past them; returns how many it
  /// got, fewer than asked at the end.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;

  /// Writes `count` bytes at the position and moves past them; returns how many were
  /// written, fewer than asked when the sink failed.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
};

}  // namespace fjordheim
