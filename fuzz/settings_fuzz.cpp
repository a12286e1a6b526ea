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

// The two halves as a shared settings file and a player's own laid over it: each key of the
// player's file reads its value there, each other key the shared one's.
void CheckOverlay(std::string_view bytes) {
  const TIniFile shared = TIniFile::FromBytes(bytes.substr(0, bytes.size() / 2));
  const TIniFile own = TIniFile::FromBytes(bytes.substr(bytes.size() / 2));
  TIniFile both = shared;
  both.Overlay(own);
  for (const TIniFile* file : {&shared, &own}) {
    for (const std::string& section : file->ReadSections()) {
      for (const std::string& key : file->ReadSection(section)) {
        const TIniFile& wins = own.ValueExists(section, key) ? own : shared;
        Require(both.ReadString(section, key, "a") == wins.ReadString(section, key, "b"));
      }
    }
  }
}

}  // namespace

// Any bytes make a settings file; everything it lists must also be found again by name,
// whatever letter case the name is asked in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TIniFile ini = TIniFile::FromBytes(bytes);
  for (const std::string& section : ini.ReadSections()) {
    Require(ini.SectionExists(section));
    for (const std::string& key : ini.ReadSection(section)) {
      Require(ini.ValueExists(section, key));
      Require(ini.ReadString(section, key, "a") == ini.ReadString(section, key, "b"));
      ini.ReadInteger(section, key, 0);
    }
  }
  ini.ReadInteger("Tunstad", "CATASTROPHY_PERIOD", 0);
  fjordheim::ParseIniInteger(bytes);
  CheckOverlay(bytes);
  return 0;
}
