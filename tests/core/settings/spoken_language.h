#pragma once

#include "core/settings/language.h"

namespace fjordheim::testing {

/// The game speaks a language through the game's own catalogs for as long as this lives, and
/// Bokmål again after, as every other test expects it.
class TSpokenLanguage {
 public:
  explicit TSpokenLanguage(TLanguageCode code) { TLanguage(code, FJORDHEIM_CATALOG_DIR).Use(); }
  ~TSpokenLanguage() { TLanguage().Use(); }
  TSpokenLanguage(const TSpokenLanguage&) = delete;
  TSpokenLanguage& operator=(const TSpokenLanguage&) = delete;
};

}  // namespace fjordheim::testing
