#include "core/common/file_stream.h"

#include <filesystem>
#include <system_error>

namespace fjordheim {

TFileStream::TFileStream(const std::string& path, TMode mode) {
  if (mode == TMode::Read) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
  }
  FFile = std::fopen(path.c_str(), mode == TMode::Read ? "rb" : "wb");
}

TFileStream::~TFileStream() { Close(); }

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  if (FFile == nullptr || count == 0) return 0;
  return std::fread(buffer, 1, count, FFile);
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
  if (FFile == nullptr || count == 0) return 0;
  return std::fwrite(buffer, 1, count, FFile);
}

bool TFileStream::Close() {
  if (FFile == nullptr) return false;
  const bool flushed = std::fflush(FFile) == 0 && std::ferror(FFile) == 0;
  const bool closed = std::fclose(FFile) == 0;
  FFile = nullptr;
  return flushed && closed;
}

}  // namespace fjordheim
