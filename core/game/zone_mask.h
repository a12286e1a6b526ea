#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fjordheim {

/// The hit zones of a picture: one byte per pixel, rows from the top down, each row from
/// left to right, the row as long as the picture is wide. 0 is no zone. The file has no
/// header, so any bytes are a mask; one shorter than the picture leaves the rest zoneless.
class TZoneMask {
 public:
  TZoneMask() = default;
  explicit TZoneMask(std::vector<std::uint8_t> bytes) : FBytes(std::move(bytes)) {}

  /// Reads a ".map" file whole (a game path). Throws std::runtime_error with
  /// "Kan ikke åpne filen " + path when it cannot be opened, and with
  /// "Kunde inte läsa från fil: " + path when it cannot be read in full.
  static TZoneMask Read(const std::string& path);

  /// The zone at pixel (x, y) of a picture width pixels wide; 0 outside the picture
  /// and beyond the end of the mask.
  std::uint8_t ZoneAt(int x, int y, int width) const;

  std::size_t Size() const { return FBytes.size(); }

 private:
  std::vector<std::uint8_t> FBytes;
};

}  // namespace fjordheim
