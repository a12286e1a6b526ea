#include "core/settings/writable_folder.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/common/path_resolver.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

constexpr const char* ProbeName = ".fjordheim-write-probe";

fs::path WithoutTrailingSeparator(const std::string& path) {
  fs::path out(ResolvePath(path));
  return out.has_filename() ? out : out.parent_path();
}

}  // namespace

bool MakeWritableFolder(const std::string& folder) {
  const fs::path path = WithoutTrailingSeparator(folder);
  std::error_code error;
  fs::create_directories(path, error);
  if (!fs::is_directory(path, error)) return false;
  const fs::path probe = path / ProbeName;
  const bool written = static_cast<bool>(std::ofstream(probe, std::ios::binary | std::ios::trunc));
  fs::remove(probe, error);
  return written;
}

bool LinkFolder(const std::string& link, const std::string& target) {
  const fs::path linkPath = WithoutTrailingSeparator(link);
  const fs::path targetPath = fs::absolute(WithoutTrailingSeparator(target)).lexically_normal();
  std::error_code error;
  const fs::file_status status = fs::symlink_status(linkPath, error);
  if (fs::is_symlink(status)) {
    if (fs::read_symlink(linkPath, error) == targetPath) return true;
    fs::remove(linkPath, error);
  } else if (fs::exists(status)) {
    return false;
  }
  fs::create_directory_symlink(targetPath, linkPath, error);
  return !error;
}

}  // namespace fjordheim
