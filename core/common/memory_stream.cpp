#include "core/common/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace fjordheim {

TMemoryStream::TMemoryStream(std::string bytes) : FBytes(std::move(bytes)) {}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  const std::size_t available = std::min(count, FBytes.size() - FPosition);
  if (available > 0) std::memcpy(buffer, FBytes.data() + FPosition, available);
  FPosition += available;
  return available;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  if (FPosition + count > FBytes.size()) FBytes.resize(FPosition + count);
  std::memcpy(FBytes.data() + FPosition, buffer, count);
  FPosition += count;
  return count;
}

}  // namespace fjordheim
