#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "core/sound/byte_source.h"

namespace fjordheim {

/// A file on disk, opened for reading.
class TFileSource : public TByteSource {
 public:
  /// Opens the file (a game path with backslashes is resolved); nullptr when it cannot be
  /// opened or is not a regular file.
  static std::unique_ptr<TFileSource> Open(const std::string& path);

  std::int64_t Size() const override { return FSize; }
  std::int64_t ReadAt(std::int64_t position, char* dest, std::size_t count) override;

 private:
  struct TCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  TFileSource(std::FILE* file, std::int64_t size) : FFile(file), FSize(size) {}

  std::unique_ptr<std::FILE, TCloser> FFile;
  std::int64_t FSize;
  std::int64_t FPosition = 0;
};

}  // namespace fjordheim
