#include "core/common/translation.h"

#include <mutex>
#include <utility>

#include "core/common/catalog.h"

namespace fjordheim {
namespace {

// The one current catalog of the process, as gettext keeps one: every text of core and gui
// goes through it (docs/conventions.md says why it is not handed around). The lock lets a
// worker thread translate while the title changes the language.
struct TCurrentCatalog {
  std::mutex Lock;
  std::shared_ptr<const TCatalog> Catalog;
};

TCurrentCatalog& Current() {
  static TCurrentCatalog current;
  return current;
}

std::shared_ptr<const TCatalog> CurrentCatalog() {
  TCurrentCatalog& current = Current();
  const std::lock_guard<std::mutex> guard(current.Lock);
  return current.Catalog;
}

}  // namespace

void UseCatalog(std::shared_ptr<const TCatalog> catalog) {
  TCurrentCatalog& current = Current();
  const std::lock_guard<std::mutex> guard(current.Lock);
  current.Catalog = std::move(catalog);
}

std::string Tr(std::string_view bokmal) {
  const std::shared_ptr<const TCatalog> catalog = CurrentCatalog();
  if (catalog) {
    if (const char* translated = catalog->Find(bokmal)) return translated;
  }
  return std::string(bokmal);
}

std::string TrPlural(std::string_view singular, std::string_view plural, std::int64_t n) {
  const std::shared_ptr<const TCatalog> catalog = CurrentCatalog();
  if (catalog) {
    if (const char* translated = catalog->FindPlural(singular, n)) return translated;
  }
  return std::string(n == 1 ? singular : plural);
}

std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& arguments) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool placeholder = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '0' &&
                             pattern[i + 1] <= '9' && pattern[i + 2] == '}';
    const std::size_t index = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '0') : 0;
    if (placeholder && index < arguments.size()) {
      out += arguments[index];
      i += 2;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace fjordheim
