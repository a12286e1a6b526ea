#include "core/sound/file_source.h"

#include <filesystem>
#include <system_error>

#include "core/common/path_resolver.h"

namespace fjordheim {

std::unique_ptr<TFileSource> TFileSource::Open(const std::string& path) {
  const std::string resolved = ResolvePath(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(resolved, error)) return nullptr;
  const auto size = std::filesystem::file_size(resolved, error);
  if (error) return nullptr;
  std::FILE* file = std::fopen(resolved.c_str(), "rb");
  if (file == nullptr) return nullptr;
  return std::unique_ptr<TFileSource>(new TFileSource(file, static_cast<std::int64_t>(size)));
}

std::int64_t TFileSource::ReadAt(std::int64_t position, char* dest, std::size_t count) {
  if (position < 0) return -1;
  if (position != FPosition) {
    if (fseeko(FFile.get(), static_cast<off_t>(position), SEEK_SET) != 0) return -1;
    FPosition = position;
  }
  const std::size_t n = std::fread(dest, 1, count, FFile.get());
  if (n < count && std::ferror(FFile.get()) != 0) return -1;
  FPosition += static_cast<std::int64_t>(n);
  return static_cast<std::int64_t>(n);
}

}  // namespace fjordheim
