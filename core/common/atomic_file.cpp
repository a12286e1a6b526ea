#include "core/common/atomic_file.h"

#include <filesystem>
#include <system_error>

#include "core/common/file_stream.h"

namespace fjordheim {
namespace {

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  TFileStream file(path, TFileStream::TMode::Create);
  if (!file.IsOpen()) return false;
  const bool written = file.Write(bytes.data(), bytes.size()) == bytes.size();
  return file.Close() && written;
}

}  // namespace

std::string TemporaryPathFor(const std::string& path) { return path + ".tmp"; }

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temporary = TemporaryPathFor(path);
  std::error_code error;
  if (WriteWholeFile(temporary, bytes)) {
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
  }
  // Only a regular file is ours to remove; a folder of that name stays where it is.
  if (std::filesystem::is_regular_file(temporary, error)) std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace fjordheim
