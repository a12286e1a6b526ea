#pragma once

#include <cstdint>
#include <locale>
#include <string>
#include <string_view>

namespace fjordheim {

/// The translations of the program's own texts into one language: a compiled gettext
/// catalog ("<folder>/<language>/LC_MESSAGES/fjordheim.mo") read through Boost.Locale. It
/// asks nothing of the C library's locales, so it works on a machine that has none but C.
class TCatalog {
 public:
  /// An empty catalog: it translates nothing.
  TCatalog() = default;
  /// Reads the catalog of language (a tag: "nn", "en") below folder; an empty one when the
  /// file is missing or unreadable.
  static TCatalog FromFolder(const std::string& folder, std::string_view language);

  /// True when a catalog file was read.
  bool Loaded() const { return FLoaded; }
  /// The translation of id; nullptr when the catalog has none.
  const char* Find(std::string_view id) const;
  /// The translation of singular for the count n by the catalog's plural rule; nullptr when
  /// the catalog has none.
  const char* FindPlural(std::string_view singular, std::int64_t n) const;

  /// The file name of the catalog of language below folder.
  static std::string FilePath(const std::string& folder, std::string_view language);

 private:
  std::locale FMessages;
  bool FLoaded = false;
};

}  // namespace fjordheim
