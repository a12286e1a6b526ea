#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/random.h"
#include "core/settings/ini_file.h"
#include "core/settings/installation.h"
#include "core/settings/language.h"

namespace fjordheim {

/// The settings of one run: the folders of every data file, the sound switch, the
/// catastrophe and tip timing and the shuffled order of the tips. Made once at start-up,
/// before any window, and handed to those who need it. Folders are game paths (they may
/// hold backslashes) and each ends with a separator, so a file is named folder + name.
///
/// A game run from the folder it was built in (a "tunstad.ini" beside the program) keeps its
/// data set and its settings there. An installed game (no "tunstad.ini" beside the program,
/// and the installation's data folder present) takes its data set from the installation's
/// data folder and reads the shared settings file and then the player's own.
class TSettings {
 public:
  /// Reads the settings file and the "INFO" section of "popup.txt" in the data folder, and
  /// shuffles the tips with the game's generator. A missing file or key is no error: every
  /// value then takes its default. The game speaks the language of "LANGUAGE" ("nb", "nn",
  /// "en": the player's own choice over the administrator's), else the desktop's language
  /// when the game speaks it, else Bokmål; its catalog becomes the current one.
  TSettings(std::string_view programFilePath, TRandom& random, const TInstallation& installation = {},
            std::optional<TLanguageCode> desktopLanguage = std::nullopt);

  const std::string& ProgramFolder() const { return FProgramFolder; }
  /// The folder the default data folders lie below: the program's folder, or the installed
  /// data set.
  const std::string& DataSetFolder() const { return FDataSetFolder; }
  /// True when the game runs from an installation rather than from its build folder.
  bool Installed() const { return FInstalled; }
  const std::string& LocalPath() const { return FLocalPath; }
  const std::string& SoundPath() const { return FSoundPath; }
  const std::string& PicsPath() const { return FPicsPath; }
  const std::string& DataPath() const { return FDataPath; }
  const std::string& HtmlPath() const { return FHtmlPath; }
  const std::string& BookmPath() const { return FBookmPath; }
  const std::string& GamePath() const { return FGamePath; }

  /// The settings files read, in order: "tunstad.ini" beside the program, or the installed
  /// shared one followed by the player's own.
  const std::vector<std::string>& SettingsFiles() const { return FSettingsFiles; }
  /// The settings as read, each later file laid over the earlier ones; the markets are read
  /// from here too. The names of the markets and merchants the settings hold are the ones of
  /// the language's "markets.ini" where it has them.
  const TIniFile& SettingsIni() const { return FSettingsIni; }
  /// "popup.txt" in the data folder of the language; the tips are read from it too.
  std::string PopupFilePath() const { return DataFile("popup.txt"); }
  /// A file of the data folder in the language of the game: the language's own where its
  /// data set has it, else the Bokmål one of the data folder.
  std::string DataFile(std::string_view name) const;
  /// A page of the pages folder in the language of the game, as DataFile.
  std::string HtmlFile(std::string_view name) const;
  /// A recording of the sound folder in the language of the game, as DataFile: the spoken
  /// advice and merchants' words are made for each language.
  std::string SoundFile(std::string_view name) const;

  /// True exactly when "SOUND" is the text "OFF" or missing; then every sound is ignored.
  bool SoundOff() const { return FSoundOff; }
  /// True exactly when "WARNINGS" is the text "OFF": "Neste årstid" then never asks first.
  bool WarningsOff() const { return FWarningsOff; }
  /// True when "GUIDE" is the text "OFF": a new game then starts without the help of the
  /// first year.
  bool GuideOff() const { return FGuideOff; }
  /// The player switched the help of the first year off: off for this run, and written as
  /// "GUIDE=OFF" into the player's own settings file (the last one read), so that it stays
  /// off in every later game. False when that file could not be written.
  bool SwitchGuideOff();
  /// The language the game speaks.
  const TLanguage& Language() const { return FLanguage; }
  /// The player chose a language on the title: it is spoken at once, and written as
  /// "LANGUAGE" into the player's own settings file so that every later run speaks it. False
  /// when that file could not be written.
  bool ChooseLanguage(TLanguageCode code);
  /// The folder of the catalogs, one folder per language below it.
  std::string CatalogFolder() const { return FDataSetFolder + "locale\\"; }
  std::int32_t CatastrophyRandom() const { return FCatastrophyRandom; }
  std::int32_t CatastrophyPeriod() const { return FCatastrophyPeriod; }

  std::int32_t PopupCount() const { return FPopupCount; }
  std::int32_t PopupRandom() const { return FPopupRandom; }
  std::int32_t PopupPeriod() const { return FPopupPeriod; }
  /// The tip sections "POPUP1" to "POPUP<count>" in the order of this run.
  const std::vector<std::string>& PopupSections() const { return FPopupSections; }
  /// The section of tip number n (1 to PopupCount); empty for any other number.
  std::string PopupSectionOf(std::int32_t n) const;

  /// Applies NormaliseFolder to the seven folders read from the settings file again, as the
  /// main window does when it is created.
  void NormaliseFolders();

  /// Makes the two folders the game writes into, for personal pages and saved games (with
  /// the score list), when they are missing (a fresh copy of the game, or a folder a teacher
  /// cleared away), so that the first page or save does not fail. Where one cannot be made
  /// or written (a game installed for a whole classroom), the same folder below the
  /// player's own data folder is taken instead; the pages moved there find the pictures and
  /// pages of the data set through links beside them. A folder that cannot be made at all is
  /// reported by the writer that needs it.
  void CreateWritableFolders();

  /// The player's name; empty until a game is started or loaded.
  std::string ChiefName;
  /// The number of the face picture chosen in the intro.
  std::int32_t ChiefFace = 0;
  /// The land chosen on the map in the intro (0 to 2): which starting village is founded.
  std::uint8_t StartChoice = 0;

  /// More tips than this are not built: a wrong count must not exhaust the memory.
  static constexpr std::int32_t MaxPopupCount = 10000;

 private:
  void ReadSettingsFiles(const TInstallation& installation);
  void ReadLanguage(std::optional<TLanguageCode> desktopLanguage);
  void UseLanguage(TLanguageCode code);
  void NameMarketsInLanguage();
  std::string LanguageFile(std::string_view folder, const std::string& bokmalFolder, std::string_view name) const;
  bool WriteOwnSetting(std::string_view key, std::string_view value) const;
  void ReadFolders(const TIniFile& ini);
  void LinkDataSetBeside(const std::string& folder) const;
  void ReadPopupSettings(const TIniFile& popup);
  void ShufflePopupSections(TRandom& random);

  std::string FProgramFolder;
  std::string FDataSetFolder;
  bool FInstalled = false;
  std::string FUserDataFolder;
  std::vector<std::string> FSettingsFiles;
  TIniFile FSettingsIni;
  /// The settings as the files hold them, before the language's names are laid over them.
  TIniFile FReadSettingsIni;
  std::string FLocalPath;
  std::string FSoundPath;
  std::string FPicsPath;
  std::string FDataPath;
  std::string FHtmlPath;
  std::string FBookmPath;
  std::string FGamePath;
  bool FSoundOff = true;
  bool FWarningsOff = false;
  bool FGuideOff = false;
  TLanguage FLanguage;
  std::int32_t FCatastrophyRandom = 0;
  std::int32_t FCatastrophyPeriod = 0;
  std::int32_t FPopupCount = 0;
  std::int32_t FPopupRandom = 0;
  std::int32_t FPopupPeriod = 0;
  std::vector<std::string> FPopupSections;
};

/// The folder part of the program's own file path with its separator ("/opt/fjordheim/"
/// for "/opt/fjordheim/fjordheim"); empty, the current folder, for a bare file name.
std::string ProgramFolderOf(std::string_view programFilePath);

/// Appends a backslash to a folder that ends with neither a backslash nor a slash. The
/// empty folder, the current one, stays empty rather than turning into the root.
std::string NormaliseFolder(std::string_view folder);

}  // namespace fjordheim
