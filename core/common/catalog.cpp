#include "core/common/catalog.h"

#include <boost/locale/gnu_gettext.hpp>

#include <exception>
#include <vector>

#include "core/common/lines.h"
#include "core/common/path_resolver.h"

namespace fjordheim {
namespace {

using TMessageFormat = boost::locale::message_format<char>;

constexpr const char* DomainName = "fjordheim";
constexpr int FirstDomain = 0;

// The catalog is read by us rather than by Boost, so that a missing file is known and the
// path goes through the resolver like every other file of the game.
std::vector<char> ReadCatalogFile(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return {};
  return std::vector<char>(bytes.begin(), bytes.end());
}

}  // namespace

std::string TCatalog::FilePath(const std::string& folder, std::string_view language) {
  return ResolvePath(folder + std::string(language) + "/LC_MESSAGES/" + DomainName + ".mo");
}

TCatalog TCatalog::FromFolder(const std::string& folder, std::string_view language) {
  TCatalog catalog;
  const std::string path = FilePath(folder, language);
  if (ReadCatalogFile(path).empty()) return catalog;
  boost::locale::gnu_gettext::messages_info info;
  info.language = std::string(language);
  info.encoding = "UTF-8";
  info.paths = {ResolvePath(folder)};
  info.domains = {boost::locale::gnu_gettext::messages_info::domain(DomainName)};
  info.callback = [](const std::string& file, const std::string&) { return ReadCatalogFile(file); };
  try {
    catalog.FMessages = std::locale(std::locale::classic(), boost::locale::gnu_gettext::create_messages_facet<char>(info));
    catalog.FLoaded = true;
  } catch (const std::exception&) {
    // A damaged catalog leaves the texts in Bokmål; the game goes on.
    catalog.FMessages = std::locale::classic();
  }
  return catalog;
}

const char* TCatalog::Find(std::string_view id) const {
  if (!FLoaded) return nullptr;
  return std::use_facet<TMessageFormat>(FMessages).get(FirstDomain, nullptr, std::string(id).c_str());
}

const char* TCatalog::FindPlural(std::string_view singular, std::int64_t n) const {
  if (!FLoaded) return nullptr;
  const int count = static_cast<int>(n % 1000000);
  return std::use_facet<TMessageFormat>(FMessages).get(FirstDomain, nullptr, std::string(singular).c_str(), count);
}

}  // namespace fjordheim
