#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings/ini_file.h"

namespace fjordheim {

/// One tip as the "Morsomt å vite..." window shows it.
struct TTip {
  /// The tip's text, or "Kan ikke finne node nummer " and the number for a missing tip.
  std::string Text;
  /// The information page in the pages folder; empty for none.
  std::string PageName;
  /// The picture in the pictures folder, trimmed; empty for a missing tip, whose picture
  /// area is cleared instead.
  std::string PictureName;
  bool Found = false;
  /// "Les mer..." is shown for a tip with a page; a missing tip leaves the button as the
  /// window was made, shown, with no page behind it.
  bool MoreButton = true;
};

/// The tips of "popup.txt": one settings section per tip ("POPUP1", "POPUP2", ...) with the
/// keys "TEXT", "URL" and "BITMAP". The file is read once; a file that cannot be read
/// holds no tips.
class TPopupTips {
 public:
  explicit TPopupTips(TIniFile file) : FFile(std::move(file)) {}
  static TPopupTips FromFile(const std::string& path) { return TPopupTips(TIniFile::FromFile(path)); }
  static TPopupTips FromBytes(std::string_view bytes) { return TPopupTips(TIniFile::FromBytes(bytes)); }

  /// Tip number n (from 1), read from the section at position n - 1 of the run's shuffled
  /// sections. A number outside the list, a missing section and a missing text all give a
  /// missing tip.
  TTip Tip(std::int32_t number, const std::vector<std::string>& popupSections) const;

  /// For a content author: every section, key and tip of the file that the game will not
  /// use with this many tips (the count capped as the settings cap it), as `Data/popup.txt: ignored: "[POPUP9]"`,
  /// `Data/popup.txt: ignored: "[POPUP2] COLOR"` and `Data/popup.txt: missing: "[POPUP4] TEXT"`.
  std::vector<std::string> Problems(const std::string& sourceName, std::int32_t popupCount) const;

 private:
  TIniFile FFile;
};

}  // namespace fjordheim
