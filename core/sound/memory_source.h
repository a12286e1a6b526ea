#pragma once

#include <string>

#include "core/sound/byte_source.h"

namespace fjordheim {

/// Bytes held in memory: the click sound, and crafted files in tests and the fuzzer.
class TMemorySource : public TByteSource {
 public:
  explicit TMemorySource(std::string bytes) : FBytes(std::move(bytes)) {}

  std::int64_t Size() const override { return static_cast<std::int64_t>(FBytes.size()); }
  std::int64_t ReadAt(std::int64_t position, char* dest, std::size_t count) override;

 private:
  std::string FBytes;
};

}  // namespace fjordheim
