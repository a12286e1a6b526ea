#pragma once

#include <cstddef>
#include <string>

#include "core/common/byte_stream.h"

namespace fjordheim {

/// Bytes held in memory, read and written from the start; writing past the end grows them.
class TMemoryStream : public TByteStream {
 public:
  TMemoryStream() = default;
  /// A stream to read the given bytes from.
  explicit TMemoryStream(std::string bytes);

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;

  const std::string& Bytes() const { return FBytes; }
  /// Moves the position back to the start, so written bytes can be read again.
  void Rewind() { FPosition = 0; }

 private:
  std::string FBytes;
  std::size_t FPosition = 0;
};

}  // namespace fjordheim
