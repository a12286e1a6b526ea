#include "core/settings/settings.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/common/path_resolver.h"
#include "core/settings/ini_file.h"

namespace fjordheim {
namespace {

constexpr std::string_view SettingsSection = "Tunstad";
constexpr std::string_view PopupInfoSection = "INFO";
constexpr int PopupExchanges = 101;

// An empty folder value would name the current folder, which is never meant; it takes the
// default instead.
std::string ReadFolder(const TIniFile& ini, std::string_view key, const std::string& defaultFolder) {
  std::string folder = ini.ReadString(SettingsSection, key, defaultFolder);
  return NormaliseFolder(folder.empty() ? defaultFolder : folder);
}

}  // namespace

std::string ProgramFolderOf(std::string_view programFilePath) {
  const std::size_t separator = programFilePath.find_last_of("/\\");
  if (separator == std::string_view::npos) return "";
  return std::string(programFilePath.substr(0, separator + 1));
}

std::string NormaliseFolder(std::string_view folder) {
  std::string out(folder);
  if (!out.empty() && out.back() != '\\' && out.back() != '/') out += '\\';
  return out;
}

TSettings::TSettings(std::string_view programFilePath, TRandom& random)
    : FProgramFolder(ProgramFolderOf(programFilePath)) {
  const TIniFile ini = TIniFile::FromFile(SettingsFilePath());
  ReadFolders(ini);
  FSoundOff = ini.ReadString(SettingsSection, "SOUND", "OFF") == "OFF";
  FCatastrophyRandom = ini.ReadInteger(SettingsSection, "CATASTROPHY_RANDOM", 0);
  FCatastrophyPeriod = ini.ReadInteger(SettingsSection, "CATASTROPHY_PERIOD", 0);
  ReadPopupSettings(TIniFile::FromFile(PopupFilePath()));
  ShufflePopupSections(random);
}

// In this order, each normalised before the next is read: the bookmark and game folders
// default below the local folder just read.
void TSettings::ReadFolders(const TIniFile& ini) {
  FLocalPath = ReadFolder(ini, "LOCALPATH", FProgramFolder);
  FSoundPath = ReadFolder(ini, "SOUNDPATH", FProgramFolder + "Sound\\");
  FPicsPath = ReadFolder(ini, "PICSPATH", FProgramFolder + "Bilder\\");
  FDataPath = ReadFolder(ini, "DATAPATH", FProgramFolder + "Data\\");
  FHtmlPath = ReadFolder(ini, "HTMLPATH", FProgramFolder + "Html\\");
  FBookmPath = ReadFolder(ini, "BOOKMPATH", FLocalPath + "Bookm\\");
  FGamePath = ReadFolder(ini, "GAMEPATH", FLocalPath + "Game\\");
}

void TSettings::ReadPopupSettings(const TIniFile& popup) {
  FPopupCount = popup.ReadInteger(PopupInfoSection, "POPUP_COUNT", 0);
  if (FPopupCount > MaxPopupCount) FPopupCount = MaxPopupCount;
  FPopupRandom = popup.ReadInteger(PopupInfoSection, "POPUP_RANDOM", 0);
  FPopupPeriod = popup.ReadInteger(PopupInfoSection, "POPUP_PERIOD", 0);
}

// Both draws of every exchange are made even when they cannot change the order (one tip),
// so that the rest of a seeded game draws the same numbers.
void TSettings::ShufflePopupSections(TRandom& random) {
  FPopupSections.clear();
  for (std::int32_t i = 1; i <= FPopupCount; ++i) FPopupSections.push_back("POPUP" + std::to_string(i));
  if (FPopupCount <= 0) return;
  for (int exchange = 0; exchange < PopupExchanges; ++exchange) {
    const std::int32_t a = random.Random(FPopupCount);
    const std::int32_t b = random.Random(FPopupCount);
    std::swap(FPopupSections[a], FPopupSections[b]);
  }
}

std::string TSettings::PopupSectionOf(std::int32_t n) const {
  if (n < 1 || n > static_cast<std::int32_t>(FPopupSections.size())) return "";
  return FPopupSections[n - 1];
}

void TSettings::NormaliseFolders() {
  for (std::string* folder : {&FLocalPath, &FSoundPath, &FPicsPath, &FDataPath, &FHtmlPath, &FBookmPath, &FGamePath}) {
    *folder = NormaliseFolder(*folder);
  }
}

void TSettings::CreateWritableFolders() const {
  for (const std::string* folder : {&FBookmPath, &FGamePath}) {
    std::error_code ignored;
    std::filesystem::create_directories(ResolvePath(*folder), ignored);
  }
}

}  // namespace fjordheim
