#include "core/sound/memory_source.h"

#include <algorithm>
#include <cstring>

namespace fjordheim {

std::int64_t TMemorySource::ReadAt(std::int64_t position, char* dest, std::size_t count) {
  if (position < 0) return -1;
  if (position >= Size()) return 0;
  const auto start = static_cast<std::size_t>(position);
  const std::size_t n = std::min(count, FBytes.size() - start);
  std::memcpy(dest, FBytes.data() + start, n);
  return static_cast<std::int64_t>(n);
}

}  // namespace fjordheim
