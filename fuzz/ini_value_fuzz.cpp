#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/ini_file.h"

using fjordheim::TIniFile;

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

// Any bytes as a player's settings file: after the switch is written the reader finds it,
// and every other key reads as it did.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TIniFile before = TIniFile::FromBytes(bytes);
  const TIniFile after = TIniFile::FromBytes(fjordheim::WithIniValue(bytes, "Tunstad", "GUIDE", "OFF"));
  Require(after.ReadString("Tunstad", "GUIDE", "") == "OFF");
  for (const std::string& section : before.ReadSections()) {
    for (const std::string& key : before.ReadSection(section)) {
      if (TIniFile::FromBytes("[" + section + "]\n" + key + "=1").ValueExists("Tunstad", "GUIDE")) continue;
      Require(after.ReadString(section, key, "a") == before.ReadString(section, key, "b"));
    }
  }
  return 0;
}
