#include "core/common/atomic_file.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/common/path_resolver.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

constexpr int TemporaryNameAttempts = 16;

// A name beside the target that no other writer is likely to pick at the same time.
std::string TemporaryNameFor(const std::string& target, std::mt19937& engine) {
  return target + ".tmp" + std::to_string(engine() % 1000000000u);
}

// Opens a temporary file that did not exist before ("x": exclusive creation), so that two
// writers never share one.
std::FILE* CreateTemporaryFile(const std::string& target, std::string& temporaryName) {
  std::random_device seed;
  std::mt19937 engine(seed());
  for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
    temporaryName = TemporaryNameFor(target, engine);
    if (std::FILE* file = std::fopen(temporaryName.c_str(), "wbx")) return file;
  }
  return nullptr;
}

bool WriteAndClose(std::FILE* file, std::string_view bytes) {
  const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  return written && flushed && closed;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ResolvePath(path);
  std::string temporaryName;
  std::FILE* file = CreateTemporaryFile(target, temporaryName);
  if (file == nullptr) return false;
  std::error_code error;
  if (!WriteAndClose(file, bytes)) {
    fs::remove(temporaryName, error);
    return false;
  }
  fs::rename(temporaryName, target, error);
  if (error) {
    fs::remove(temporaryName, error);
    return false;
  }
  return true;
}

}  // namespace fjordheim
