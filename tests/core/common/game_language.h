#pragma once

#include <memory>

#include "core/common/catalog.h"
#include "core/common/translation.h"

namespace fjordheim {

// The game speaks a language through the built catalogs while this lives, and Bokmål again after,
// as every other test expects.
class TGameLanguage {
 public:
  explicit TGameLanguage(const char* language)
      : FCatalog(std::make_shared<const TCatalog>(TCatalog::FromFolder(FJORDHEIM_CATALOG_DIR, language))) {
    UseCatalog(FCatalog);
  }
  ~TGameLanguage() { UseCatalog(nullptr); }
  TGameLanguage(const TGameLanguage&) = delete;
  TGameLanguage& operator=(const TGameLanguage&) = delete;

  bool Loaded() const { return FCatalog->Loaded(); }

 private:
  std::shared_ptr<const TCatalog> FCatalog;
};

}  // namespace fjordheim
