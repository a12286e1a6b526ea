// The code-page conversion sits under every data-file, saved-game and network reader:
// Windows-1252 bytes must survive the trip through UTF-8 unchanged, and any bytes taken
// as UTF-8, malformed ones included, must convert without harm.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/common/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const std::string utf8 = fjordheim::Utf8From1252(bytes);
  if (fjordheim::Cp1252FromUtf8(utf8) != bytes) std::abort();
  if (!fjordheim::IsLosslessIn1252(utf8)) std::abort();

  const std::string narrowed = fjordheim::Cp1252FromUtf8(bytes);
  if (narrowed.size() > bytes.size()) std::abort();
  if (fjordheim::IsLosslessIn1252(bytes) && fjordheim::Utf8From1252(narrowed) != bytes) std::abort();
  return 0;
}
