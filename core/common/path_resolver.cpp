#include "core/common/path_resolver.h"

#include <filesystem>
#include <system_error>

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

std::string WithForwardSlashes(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

// Finds the entry of folder whose name folds to the same text as wanted.
bool FindEntryIgnoringCase(const fs::path& folder, const std::string& wanted, fs::path& found) {
  std::error_code error;
  fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
  if (error) return false;
  const std::string foldedWanted = FoldFileNameCase(wanted);
  for (const auto& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (FoldFileNameCase(name) == foldedWanted) {
      found = folder / name;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string FoldFileNameCase(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c >= 'A' && c <= 'Z') {
      out += static_cast<char>(c - 'A' + 'a');
    } else if (c == 0xC3 && i + 1 < name.size()) {
      // U+00C0..U+00DE (but not the multiplication sign U+00D7) fold to U+00E0..U+00FE.
      auto next = static_cast<unsigned char>(name[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) next = static_cast<unsigned char>(next + 0x20);
      out += static_cast<char>(c);
      out += static_cast<char>(next);
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string ResolvePath(std::string_view gamePath) {
  const fs::path wanted(WithForwardSlashes(gamePath));
  std::error_code error;
  if (fs::exists(wanted, error)) return wanted.string();

  fs::path resolved;
  bool searching = true;
  for (const auto& component : wanted) {
    const std::string part = component.string();
    if (part.empty() || part == "/" || part == "." || part == "..") {
      resolved /= component;
      continue;
    }
    fs::path exact = resolved / component;
    fs::path found;
    if (!searching || fs::exists(exact, error)) {
      resolved = exact;
    } else if (FindEntryIgnoringCase(resolved, part, found)) {
      resolved = found;
    } else {
      resolved = exact;
      searching = false;
    }
  }
  return resolved.string();
}

}  // namespace fjordheim
