#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fjordheim {

/// Takes the right to create files away from a folder for as long as it lives: by its mode,
/// and where the tests run as root (who writes anyway) by the immutable attribute.
class TUnwritableFolder {
 public:
  explicit TUnwritableFolder(std::filesystem::path folder) : FFolder(std::move(folder)) {
    namespace fs = std::filesystem;
    fs::permissions(FFolder, fs::perms::owner_read | fs::perms::owner_exec);
    if (!CanCreateFile()) return;
    fs::permissions(FFolder, fs::perms::owner_all, fs::perm_options::add);
    FImmutable = std::system(("chattr +i '" + FFolder.string() + "' 2>/dev/null").c_str()) == 0;
  }
  ~TUnwritableFolder() {
    if (FImmutable) (void)std::system(("chattr -i '" + FFolder.string() + "'").c_str());
    std::filesystem::permissions(FFolder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
  }
  TUnwritableFolder(const TUnwritableFolder&) = delete;
  TUnwritableFolder& operator=(const TUnwritableFolder&) = delete;

  /// False when neither way worked on this machine; the test should then be skipped.
  bool Holds() const { return !CanCreateFile(); }

 private:
  bool CanCreateFile() const {
    const std::filesystem::path probe = FFolder / ".probe";
    const bool created = std::ofstream(probe).good();
    std::error_code error;
    std::filesystem::remove(probe, error);
    return created;
  }

  std::filesystem::path FFolder;
  bool FImmutable = false;
};

}  // namespace fjordheim
