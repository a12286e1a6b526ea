#include "core/settings/settings.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/common/atomic_file.h"
#include "core/common/lines.h"
#include "core/common/path_resolver.h"
#include "core/settings/writable_folder.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view SettingsSection = "Tunstad";
constexpr std::string_view PopupInfoSection = "INFO";
constexpr int PopupExchanges = 101;
constexpr std::string_view SettingsFileName = "tunstad.ini";
constexpr std::string_view GuideKey = "GUIDE";
constexpr std::string_view LanguageKey = "LANGUAGE";
constexpr std::string_view NameKey = "NAME";
constexpr std::string_view MarketNamesFileName = "markets.ini";
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view GameFolderName = "Game\\";
constexpr std::string_view BookmarkFolderName = "Bookm\\";

// An empty folder value would name the current folder, which is never meant; it takes the
// default instead.
std::string ReadFolder(const TIniFile& ini, std::string_view key, const std::string& defaultFolder) {
  std::string folder = ini.ReadString(SettingsSection, key, defaultFolder);
  return NormaliseFolder(folder.empty() ? defaultFolder : folder);
}

// A path relative to the program's folder, with its ".." steps taken.
std::string BelowProgram(const std::string& programFolder, const std::string& relative) {
  return fs::path(ResolvePath(programFolder + relative)).lexically_normal().string();
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::exists(ResolvePath(path), error);
}

bool FolderExists(const std::string& path) {
  std::error_code error;
  return fs::is_directory(ResolvePath(path), error);
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

TSettings::TSettings(std::string_view programFilePath, TRandom& random, const TInstallation& installation,
                     std::optional<TLanguageCode> desktopLanguage)
    : FProgramFolder(ProgramFolderOf(programFilePath)), FDataSetFolder(FProgramFolder) {
  ReadSettingsFiles(installation);
  ReadLanguage(desktopLanguage);
  ReadFolders(FSettingsIni);
  FSoundOff = FSettingsIni.ReadString(SettingsSection, "SOUND", "OFF") == "OFF";
  FWarningsOff = FSettingsIni.ReadString(SettingsSection, "WARNINGS", "ON") == "OFF";
  FGuideOff = FSettingsIni.ReadString(SettingsSection, GuideKey, "ON") == "OFF";
  FCatastrophyRandom = FSettingsIni.ReadInteger(SettingsSection, "CATASTROPHY_RANDOM", 0);
  FCatastrophyPeriod = FSettingsIni.ReadInteger(SettingsSection, "CATASTROPHY_PERIOD", 0);
  ReadPopupSettings(TIniFile::FromFile(PopupFilePath()));
  ShufflePopupSections(random);
}

// The build folder is known by the settings file beside the program; there the player's own
// settings are not read, so that a developer's play and the tests run as they always have.
void TSettings::ReadSettingsFiles(const TInstallation& installation) {
  const std::string besideProgram = FProgramFolder + std::string(SettingsFileName);
  FInstalled = !installation.DataFolder.empty() && !FileExists(besideProgram) &&
               FolderExists(BelowProgram(FProgramFolder, installation.DataFolder));
  FUserDataFolder = NormaliseFolder(installation.UserDataFolder);
  if (!FInstalled) {
    FSettingsFiles = {besideProgram};
  } else {
    FDataSetFolder = NormaliseFolder(BelowProgram(FProgramFolder, installation.DataFolder));
    FSettingsFiles = {FDataSetFolder + std::string(SettingsFileName)};
    if (!installation.UserConfigFolder.empty())
      FSettingsFiles.push_back(NormaliseFolder(installation.UserConfigFolder) + std::string(SettingsFileName));
  }
  for (const std::string& file : FSettingsFiles) FReadSettingsIni.Overlay(TIniFile::FromFile(file));
  FSettingsIni = FReadSettingsIni;
}

// An unknown value is no choice: the desktop's language then decides.
void TSettings::ReadLanguage(std::optional<TLanguageCode> desktopLanguage) {
  const std::optional<TLanguageCode> chosen = LanguageOfName(FSettingsIni.ReadString(SettingsSection, LanguageKey, ""));
  UseLanguage(chosen.value_or(desktopLanguage.value_or(TLanguageCode::Bokmal)));
}

void TSettings::UseLanguage(TLanguageCode code) {
  FLanguage = TLanguage(code, CatalogFolder());
  FLanguage.Use();
  NameMarketsInLanguage();
}

// Only the names of markets and merchants the settings hold are taken: the language's file
// neither adds a market nor changes how one is reached.
void TSettings::NameMarketsInLanguage() {
  FSettingsIni = FReadSettingsIni;
  if (FLanguage.Code() == TLanguageCode::Bokmal) return;
  const TIniFile names = TIniFile::FromFile(FDataSetFolder + FLanguage.DataFolder() + std::string(MarketNamesFileName));
  std::string bytes(Utf8ByteOrderMark);
  for (const std::string& section : names.ReadSections()) {
    if (!FReadSettingsIni.ValueExists(section, NameKey) || !names.ValueExists(section, NameKey)) continue;
    bytes += "[" + section + "]\n" + std::string(NameKey) + "=" + names.ReadString(section, NameKey, "") + "\n";
  }
  FSettingsIni.Overlay(TIniFile::FromBytes(bytes));
}

std::string TSettings::LanguageFile(std::string_view folder, const std::string& bokmalFolder,
                                    std::string_view name) const {
  if (FLanguage.Code() != TLanguageCode::Bokmal) {
    const std::string own = FDataSetFolder + FLanguage.DataFolder() + std::string(folder) + std::string(name);
    if (FileExists(own)) return own;
  }
  return bokmalFolder + std::string(name);
}

std::string TSettings::DataFile(std::string_view name) const { return LanguageFile("Data\\", FDataPath, name); }
std::string TSettings::HtmlFile(std::string_view name) const { return LanguageFile("Html\\", FHtmlPath, name); }
std::string TSettings::SoundFile(std::string_view name) const { return LanguageFile("Sound\\", FSoundPath, name); }

// In this order, each normalised before the next is read: the bookmark and game folders
// default below the local folder just read.
void TSettings::ReadFolders(const TIniFile& ini) {
  FLocalPath = ReadFolder(ini, "LOCALPATH", FDataSetFolder);
  FSoundPath = ReadFolder(ini, "SOUNDPATH", FDataSetFolder + "Sound\\");
  FPicsPath = ReadFolder(ini, "PICSPATH", FDataSetFolder + "Bilder\\");
  FDataPath = ReadFolder(ini, "DATAPATH", FDataSetFolder + "Data\\");
  FHtmlPath = ReadFolder(ini, "HTMLPATH", FDataSetFolder + "Html\\");
  FBookmPath = ReadFolder(ini, "BOOKMPATH", FLocalPath + std::string(BookmarkFolderName));
  FGamePath = ReadFolder(ini, "GAMEPATH", FLocalPath + std::string(GameFolderName));
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

bool TSettings::SwitchGuideOff() {
  FGuideOff = true;
  return WriteOwnSetting(GuideKey, "OFF");
}

bool TSettings::ChooseLanguage(TLanguageCode code) {
  UseLanguage(code);
  return WriteOwnSetting(LanguageKey, LanguageTag(code));
}

// The player's own file may not exist yet, nor its folder (a player's first change).
bool TSettings::WriteOwnSetting(std::string_view key, std::string_view value) const {
  if (FSettingsFiles.empty()) return false;
  const std::string& own = FSettingsFiles.back();
  std::string bytes;
  if (FileExists(own) && !ReadWholeFile(own, bytes)) return false;
  std::error_code error;
  const fs::path folder = fs::path(ResolvePath(own)).parent_path();
  if (!folder.empty()) fs::create_directories(folder, error);
  return WriteFileAtomically(own, WithIniValue(bytes, SettingsSection, key, value));
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

void TSettings::CreateWritableFolders() {
  if (!MakeWritableFolder(FGamePath) && !FUserDataFolder.empty()) {
    FGamePath = FUserDataFolder + std::string(GameFolderName);
    MakeWritableFolder(FGamePath);
  }
  if (!MakeWritableFolder(FBookmPath) && !FUserDataFolder.empty()) {
    FBookmPath = FUserDataFolder + std::string(BookmarkFolderName);
    if (MakeWritableFolder(FBookmPath)) LinkDataSetBeside(FUserDataFolder);
  }
}

// The personal page links to "../Bilder/" and "../Html/" from its own folder.
void TSettings::LinkDataSetBeside(const std::string& folder) const {
  LinkFolder(folder + "Bilder", FPicsPath);
  LinkFolder(folder + "Html", FHtmlPath);
}

}  // namespace fjordheim
