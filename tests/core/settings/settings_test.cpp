#include "core/settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include <unistd.h>

#include "core/common/translation.h"
#include "core/settings/writable_folder.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

// A program folder of its own for each test, holding whatever settings files it writes.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "fjordheim_settings_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    FFolder = pattern;
  }
  // A language a test chose must not speak in the next test.
  void TearDown() override {
    UseCatalog(nullptr);
    fs::remove_all(FFolder);
  }

  void Write(const std::string& relativePath, const std::string& bytes) {
    const fs::path path = FFolder / relativePath;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::string Folder() const { return FFolder.string() + "/"; }
  std::string ProgramPath() const { return Folder() + "fjordheim"; }

  TSettings Load(std::uint32_t seed = 1) {
    TRandom random(seed);
    return TSettings(ProgramPath(), random);
  }

  fs::path FFolder;
};

TEST_F(SettingsTest, WithoutSettingsFileEveryFolderLiesBelowTheProgram) {
  const TSettings settings = Load();
  const std::string p = Folder();
  EXPECT_EQ(settings.ProgramFolder(), p);
  EXPECT_EQ(settings.LocalPath(), p);
  EXPECT_EQ(settings.SoundPath(), p + "Sound\\");
  EXPECT_EQ(settings.PicsPath(), p + "Bilder\\");
  EXPECT_EQ(settings.DataPath(), p + "Data\\");
  EXPECT_EQ(settings.HtmlPath(), p + "Html\\");
  EXPECT_EQ(settings.BookmPath(), p + "Bookm\\");
  EXPECT_EQ(settings.GamePath(), p + "Game\\");
  EXPECT_TRUE(settings.SoundOff());
  EXPECT_EQ(settings.CatastrophyRandom(), 0);
  EXPECT_EQ(settings.CatastrophyPeriod(), 0);
  EXPECT_EQ(settings.PopupCount(), 0);
  EXPECT_TRUE(settings.PopupSections().empty());
  EXPECT_TRUE(settings.ChiefName.empty());
}

TEST_F(SettingsTest, BookmarkAndGameFoldersFollowTheLocalFolder) {
  Write("tunstad.ini", "[Tunstad]\r\nLOCALPATH=D:\\Spill\r\nGAMEPATH=E:\\Spill/Lagret\r\n");
  const TSettings settings = Load();
  EXPECT_EQ(settings.LocalPath(), "D:\\Spill\\");
  EXPECT_EQ(settings.BookmPath(), "D:\\Spill\\Bookm\\");
  EXPECT_EQ(settings.GamePath(), "E:\\Spill/Lagret\\");
  EXPECT_EQ(settings.SoundPath(), Folder() + "Sound\\");
}

TEST_F(SettingsTest, MissingWritableFoldersAreMadeAndExistingOnesFoundInAnyCase) {
  Write("GAME/old.tun", "x");
  TSettings settings = Load();
  settings.CreateWritableFolders();
  EXPECT_TRUE(fs::is_directory(FFolder / "Bookm"));
  EXPECT_FALSE(fs::exists(FFolder / "Game"));
  EXPECT_TRUE(fs::exists(FFolder / "GAME" / "old.tun"));
  EXPECT_FALSE(fs::exists(FFolder / "Data"));
}

TEST_F(SettingsTest, EmptyFolderValuesTakeTheDefault) {
  Write("tunstad.ini", "[tunstad]\nlocalpath=\nDATAPATH=   \nHTMLPATH=sider/\n");
  const TSettings settings = Load();
  EXPECT_EQ(settings.LocalPath(), Folder());
  EXPECT_EQ(settings.DataPath(), Folder() + "Data\\");
  EXPECT_EQ(settings.HtmlPath(), "sider/");
  EXPECT_EQ(settings.BookmPath(), Folder() + "Bookm\\");
}

TEST_F(SettingsTest, OnlyTheExactTextOffSilencesTheSound) {
  const auto soundOff = [this](const std::string& line) {
    Write("tunstad.ini", "[Tunstad]\n" + line + "\n");
    return Load().SoundOff();
  };
  EXPECT_TRUE(soundOff("SOUND=OFF"));
  EXPECT_TRUE(soundOff("sound =  OFF "));
  EXPECT_FALSE(soundOff("SOUND=off"));
  EXPECT_FALSE(soundOff("SOUND=ON"));
  EXPECT_FALSE(soundOff("SOUND="));
  EXPECT_TRUE(soundOff("VOLUME=3"));
}

TEST_F(SettingsTest, TheWarningsAreOnUnlessTurnedOff) {
  const auto warningsOff = [this](const std::string& line) {
    Write("tunstad.ini", "[Tunstad]\n" + line + "\n");
    return Load().WarningsOff();
  };
  EXPECT_TRUE(warningsOff("WARNINGS=OFF"));
  EXPECT_TRUE(warningsOff("warnings = OFF"));
  EXPECT_FALSE(warningsOff("WARNINGS=ON"));
  EXPECT_FALSE(warningsOff("WARNINGS=nei"));
  EXPECT_FALSE(warningsOff("SOUND=OFF"));
}

// Switched off once, the help stays off in the next run; nothing else of the file changes.
TEST_F(SettingsTest, TheGuideSwitchedOffStaysOffInTheNextRun) {
  Write("tunstad.ini", "[Tunstad]\r\nSOUND=ON\r\n[Market]\r\nMARKETS=3\r\n");
  TSettings first = Load();
  EXPECT_FALSE(first.GuideOff());
  EXPECT_TRUE(first.SwitchGuideOff());
  EXPECT_TRUE(first.GuideOff());
  const TSettings next = Load();
  EXPECT_TRUE(next.GuideOff());
  EXPECT_FALSE(next.SoundOff());
  EXPECT_EQ(next.SettingsIni().ReadInteger("Market", "MARKETS", 0), 3);
}

// A folder in the way of the settings file: the help is off for this run all the same, and
// the switch says it could not be kept.
TEST_F(SettingsTest, AGuideSwitchThatCannotBeWrittenIsOffForThisRunAndSaysSo) {
  fs::create_directories(FFolder / "tunstad.ini");
  TSettings settings = Load();
  EXPECT_FALSE(settings.SwitchGuideOff());
  EXPECT_TRUE(settings.GuideOff());
}

TEST_F(SettingsTest, CatastropheTimingIsReadAsIntegers) {
  Write("tunstad.ini", "[Tunstad]\nCATASTROPHY_RANDOM=0x0A\nCATASTROPHY_PERIOD=-5\n");
  const TSettings settings = Load();
  EXPECT_EQ(settings.CatastrophyRandom(), 10);
  EXPECT_EQ(settings.CatastrophyPeriod(), -5);
}

TEST_F(SettingsTest, PopupSettingsAreReadFromTheDataFolder) {
  Write("tunstad.ini", "[Tunstad]\nDATAPATH=" + Folder() + "Tekster\n");
  Write("tekster/POPUP.TXT", "[info]\nPOPUP_COUNT=3\nPOPUP_RANDOM=4\nPOPUP_PERIOD=0x10\n[POPUP1]\nTEXT=Tor\n");
  const TSettings settings = Load();
  EXPECT_EQ(settings.PopupFilePath(), Folder() + "Tekster\\popup.txt");
  EXPECT_EQ(settings.PopupCount(), 3);
  EXPECT_EQ(settings.PopupRandom(), 4);
  EXPECT_EQ(settings.PopupPeriod(), 16);
}

TEST_F(SettingsTest, OneTipGivesOneSectionAndStillDrawsEveryExchange) {
  Write("Data/popup.txt", "[INFO]\nPOPUP_COUNT=1\n");
  TRandom random(7);
  const TSettings settings(ProgramPath(), random);
  EXPECT_EQ(settings.PopupSections(), std::vector<std::string>{"POPUP1"});
  EXPECT_EQ(settings.PopupSectionOf(1), "POPUP1");
  EXPECT_EQ(settings.PopupSectionOf(0), "");
  EXPECT_EQ(settings.PopupSectionOf(2), "");

  TRandom expected(7);
  for (int i = 0; i < 202; ++i) expected.Random(1);
  EXPECT_EQ(random.Random(1000000), expected.Random(1000000));
}

TEST_F(SettingsTest, TipsAreShuffledByTheSeededExchanges) {
  Write("Data/popup.txt", "[INFO]\nPOPUP_COUNT=5\n");
  const std::vector<std::string> order = Load(42).PopupSections();
  // The order a game seeded with 42 has always shown; a change here changes seeded games.
  EXPECT_EQ(order, (std::vector<std::string>{"POPUP3", "POPUP2", "POPUP5", "POPUP1", "POPUP4"}));
  EXPECT_NE(Load(43).PopupSections(), order);
}

TEST_F(SettingsTest, NegativeOrHugeTipCountsStayBounded) {
  Write("Data/popup.txt", "[INFO]\nPOPUP_COUNT=-3\n");
  EXPECT_TRUE(Load().PopupSections().empty());
  Write("Data/popup.txt", "[INFO]\nPOPUP_COUNT=2147483647\n");
  const TSettings settings = Load();
  EXPECT_EQ(settings.PopupCount(), TSettings::MaxPopupCount);
  EXPECT_EQ(settings.PopupSections().size(), static_cast<std::size_t>(TSettings::MaxPopupCount));
}

TEST_F(SettingsTest, Windows1252FolderNamesBecomeUtf8) {
  Write("tunstad.ini", "[Tunstad]\nLOCALPATH=C:\\Spill\\h\xF8st\n");
  EXPECT_EQ(Load().BookmPath(), "C:\\Spill\\høst\\Bookm\\");
}

// An installation as a package lays it out, below a root of its own, and one player's home.
class InstalledSettingsTest : public SettingsTest {
 protected:
  std::string ProgramPath() const { return Folder() + "usr/games/fjordheim"; }
  std::string DataSet() const { return Folder() + "usr/share/games/fjordheim/"; }
  std::string Home(const std::string& name = "home") const { return Folder() + name + "/"; }

  TInstallation Installation(const std::string& home = "home") const {
    return {"../share/games/fjordheim/", Home(home) + ".local/share/fjordheim/", Home(home) + ".config/fjordheim/"};
  }
  void Install() {
    Write("usr/games/fjordheim", "");
    Write("usr/share/games/fjordheim/Data/popup.txt", "[INFO]\nPOPUP_COUNT=2\n");
    Write("usr/share/games/fjordheim/Bilder/h_skjold.bmp", "BM");
    Write("usr/share/games/fjordheim/Html/index.htm", "<html>");
    Write("etc/fjordheim/tunstad.ini",
          "[Tunstad]\nSOUND=ON\nCATASTROPHY_PERIOD=2\n[Market3]\nTYPE=NETWORK\nIP=10.0.0.1\nPORT=5556\n");
    fs::create_symlink("../../../../etc/fjordheim/tunstad.ini", FFolder / "usr/share/games/fjordheim/tunstad.ini");
  }
  // A real file where the game would make its folder: no folder can be made there, whoever
  // the program runs as.
  void BlockSharedFolders() {
    Write("usr/share/games/fjordheim/Game", "");
    Write("usr/share/games/fjordheim/Bookm", "");
  }
  TSettings LoadInstalled(const std::string& home = "home", std::optional<TLanguageCode> desktop = std::nullopt) {
    TRandom random(1);
    return TSettings(ProgramPath(), random, Installation(home), desktop);
  }
};

TEST_F(InstalledSettingsTest, ReadsTheInstalledDataSetAndTheSharedSettingsThenThePlayersOwn) {
  Install();
  Write("home/.config/fjordheim/tunstad.ini", "[market3]\nip=192.168.1.20\n[Tunstad]\nCATASTROPHY_PERIOD=5\n");
  const TSettings settings = LoadInstalled();
  EXPECT_TRUE(settings.Installed());
  EXPECT_EQ(settings.DataSetFolder(), DataSet());
  EXPECT_EQ(settings.PicsPath(), DataSet() + "Bilder\\");
  EXPECT_EQ(settings.DataPath(), DataSet() + "Data\\");
  EXPECT_EQ(settings.GamePath(), DataSet() + "Game\\");
  EXPECT_EQ(settings.SettingsFiles(),
            (std::vector<std::string>{DataSet() + "tunstad.ini", Home() + ".config/fjordheim/tunstad.ini"}));
  EXPECT_FALSE(settings.SoundOff());
  EXPECT_EQ(settings.CatastrophyPeriod(), 5);
  EXPECT_EQ(settings.PopupCount(), 2);
  EXPECT_EQ(settings.SettingsIni().ReadString("Market3", "IP", ""), "192.168.1.20");
  EXPECT_EQ(settings.SettingsIni().ReadInteger("Market3", "PORT", 0), 5556);
}

TEST_F(InstalledSettingsTest, WithoutThePlayersFileOrTheSharedOneTheDefaultsHold) {
  Install();
  fs::remove(FFolder / "etc/fjordheim/tunstad.ini");
  const TSettings settings = LoadInstalled();
  EXPECT_TRUE(settings.Installed());
  EXPECT_TRUE(settings.SoundOff());
  EXPECT_EQ(settings.CatastrophyPeriod(), 0);
  EXPECT_EQ(settings.HtmlPath(), DataSet() + "Html\\");
}

// An installed game keeps the switch in the player's own file, made with its folder at the
// first switch; the shared file the administrator edits is never written.
TEST_F(InstalledSettingsTest, TheGuideSwitchGoesIntoThePlayersOwnFile) {
  Install();
  TSettings settings = LoadInstalled();
  ASSERT_TRUE(settings.SwitchGuideOff());
  EXPECT_TRUE(LoadInstalled().GuideOff());
  EXPECT_FALSE(LoadInstalled("other").GuideOff());
  std::ifstream shared(FFolder / "etc/fjordheim/tunstad.ini", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(shared)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes.find("GUIDE"), std::string::npos);
}

// The administrator's language is the school's default, over the desktop's; the player's own
// choice is over both and stays the player's.
TEST_F(InstalledSettingsTest, ThePlayersLanguageIsOverTheSchoolsAndTheSchoolsOverTheDesktops) {
  Install();
  Write("etc/fjordheim/tunstad.ini", "[Tunstad]\nLANGUAGE=nn\n");
  EXPECT_EQ(LoadInstalled("home", TLanguageCode::English).Language().Code(), TLanguageCode::Nynorsk);
  TSettings settings = LoadInstalled();
  ASSERT_TRUE(settings.ChooseLanguage(TLanguageCode::English));
  EXPECT_EQ(settings.Language().Code(), TLanguageCode::English);
  EXPECT_EQ(LoadInstalled().Language().Code(), TLanguageCode::English);
  EXPECT_EQ(LoadInstalled("other").Language().Code(), TLanguageCode::Nynorsk);
  std::ifstream shared(FFolder / "etc/fjordheim/tunstad.ini", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(shared)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "[Tunstad]\nLANGUAGE=nn\n");
}

TEST_F(InstalledSettingsTest, WithoutAChoiceTheDesktopsLanguageAndElseBokmalIsSpoken) {
  Install();
  EXPECT_EQ(LoadInstalled("home", TLanguageCode::Nynorsk).Language().Code(), TLanguageCode::Nynorsk);
  EXPECT_EQ(LoadInstalled("home", TLanguageCode::English).Language().DataFolder(), "en\\");
  Write("etc/fjordheim/tunstad.ini", "[Tunstad]\nLANGUAGE=klingon\n");
  EXPECT_EQ(LoadInstalled("home", TLanguageCode::English).Language().Code(), TLanguageCode::English);
  const TSettings bokmal = LoadInstalled();
  EXPECT_EQ(bokmal.Language().Code(), TLanguageCode::Bokmal);
  EXPECT_EQ(bokmal.Language().DataFolder(), "");
  EXPECT_EQ(bokmal.Language().Catalog(), nullptr);
}

// The build folder runs exactly as before an installation was known: its own settings file
// only, however the player's folders are set.
TEST_F(InstalledSettingsTest, TheBuildFolderKeepsItsOwnSettingsAndFolders) {
  Install();
  Write("home/.config/fjordheim/tunstad.ini", "[Tunstad]\nSOUND=ON\n");
  Write("usr/games/tunstad.ini", "[Tunstad]\nSOUND=OFF\n");
  TSettings settings = LoadInstalled();
  EXPECT_FALSE(settings.Installed());
  EXPECT_TRUE(settings.SoundOff());
  EXPECT_EQ(settings.SettingsFiles(), std::vector<std::string>{Folder() + "usr/games/tunstad.ini"});
  EXPECT_EQ(settings.PicsPath(), Folder() + "usr/games/Bilder\\");
  settings.CreateWritableFolders();
  EXPECT_EQ(settings.GamePath(), Folder() + "usr/games/Game\\");
  EXPECT_TRUE(fs::is_directory(FFolder / "usr/games/Game"));
  EXPECT_FALSE(fs::exists(FFolder / "home/.local"));

  // Without the installed data set, a program with no settings beside it is no installation.
  fs::remove(FFolder / "usr/games/tunstad.ini");
  fs::remove_all(FFolder / "usr/share");
  EXPECT_FALSE(LoadInstalled().Installed());
  EXPECT_EQ(LoadInstalled().DataPath(), Folder() + "usr/games/Data\\");
}

TEST_F(InstalledSettingsTest, FoldersThatCannotBeWrittenMoveToThePlayersDataFolder) {
  Install();
  BlockSharedFolders();
  TSettings settings = LoadInstalled();
  settings.CreateWritableFolders();
  const std::string own = Home() + ".local/share/fjordheim/";
  EXPECT_EQ(settings.GamePath(), own + "Game\\");
  EXPECT_EQ(settings.BookmPath(), own + "Bookm\\");
  EXPECT_TRUE(MakeWritableFolder(settings.GamePath()));
  // The personal page, copied from the template, finds the data set's pictures and pages
  // by its relative links.
  EXPECT_TRUE(fs::exists(FFolder / "home/.local/share/fjordheim/Bookm/../Bilder/h_skjold.bmp"));
  EXPECT_TRUE(fs::exists(FFolder / "home/.local/share/fjordheim/Bookm/../Html/index.htm"));
  // The shared folders are left as they were, the probe file gone from the player's folder.
  EXPECT_TRUE(fs::is_regular_file(FFolder / "usr/share/games/fjordheim/Game"));
  EXPECT_FALSE(fs::exists(FFolder / "home/.local/share/fjordheim/Game/.fjordheim-write-probe"));

  // A second start finds everything in place.
  TSettings again = LoadInstalled();
  again.CreateWritableFolders();
  EXPECT_EQ(again.BookmPath(), own + "Bookm\\");
  EXPECT_TRUE(fs::exists(FFolder / "home/.local/share/fjordheim/Bookm/../Bilder/h_skjold.bmp"));
}

TEST_F(InstalledSettingsTest, FoldersTheSettingsNameStayWhenTheyCanBeWritten) {
  Install();
  BlockSharedFolders();
  Write("home/.config/fjordheim/tunstad.ini", "[Tunstad]\nGAMEPATH=" + Folder() + "klasse/spill\n");
  TSettings settings = LoadInstalled();
  settings.CreateWritableFolders();
  EXPECT_EQ(settings.GamePath(), Folder() + "klasse/spill\\");
  EXPECT_TRUE(fs::is_directory(FFolder / "klasse/spill"));
  EXPECT_EQ(settings.BookmPath(), Home() + ".local/share/fjordheim/Bookm\\");
}

TEST_F(InstalledSettingsTest, ReadOnlySharedFoldersMoveToThePlayersDataFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser; the blocked folders stand in";
  Install();
  fs::permissions(FFolder / "usr/share/games/fjordheim", fs::perms::owner_write, fs::perm_options::remove);
  TSettings settings = LoadInstalled();
  settings.CreateWritableFolders();
  fs::permissions(FFolder / "usr/share/games/fjordheim", fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(settings.GamePath(), Home() + ".local/share/fjordheim/Game\\");
  EXPECT_EQ(settings.BookmPath(), Home() + ".local/share/fjordheim/Bookm\\");
}

TEST_F(InstalledSettingsTest, TwoPlayersOfOneInstallationKeepTheirOwnFolders) {
  Install();
  BlockSharedFolders();
  TSettings astrid = LoadInstalled("astrid");
  TSettings bjorn = LoadInstalled("bjorn");
  astrid.CreateWritableFolders();
  bjorn.CreateWritableFolders();
  EXPECT_EQ(astrid.GamePath(), Home("astrid") + ".local/share/fjordheim/Game\\");
  EXPECT_EQ(bjorn.GamePath(), Home("bjorn") + ".local/share/fjordheim/Game\\");
  EXPECT_EQ(bjorn.BookmPath(), Home("bjorn") + ".local/share/fjordheim/Bookm\\");
}

TEST(LinkFolder, MovesItsOwnLinkButNeverARealFolder) {
  const fs::path root = fs::temp_directory_path() / ("fjordheim_link_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "a");
  fs::create_directories(root / "b");
  fs::create_directories(root / "real");
  const std::string link = (root / "link").string();
  EXPECT_TRUE(LinkFolder(link, (root / "a").string() + "\\"));
  EXPECT_EQ(fs::read_symlink(link), root / "a");
  EXPECT_TRUE(LinkFolder(link, (root / "b").string()));
  EXPECT_EQ(fs::read_symlink(link), root / "b");
  EXPECT_FALSE(LinkFolder((root / "real").string(), (root / "a").string()));
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(root / "real")));
  fs::remove_all(root);
}

TEST(ProgramFolderOf, KeepsTheSeparatorOfTheProgramsFolder) {
  EXPECT_EQ(ProgramFolderOf("/opt/fjordheim/fjordheim"), "/opt/fjordheim/");
  EXPECT_EQ(ProgramFolderOf("C:\\Spill\\tunstad.exe"), "C:\\Spill\\");
  EXPECT_EQ(ProgramFolderOf("fjordheim"), "");
  EXPECT_EQ(ProgramFolderOf(""), "");
}

TEST(NormaliseFolder, AddsABackslashOnlyWhereNoSeparatorEnds) {
  EXPECT_EQ(NormaliseFolder("D:\\Spill"), "D:\\Spill\\");
  EXPECT_EQ(NormaliseFolder("D:\\Spill\\"), "D:\\Spill\\");
  EXPECT_EQ(NormaliseFolder("/srv/spill/"), "/srv/spill/");
  EXPECT_EQ(NormaliseFolder(""), "");
}

}  // namespace
}  // namespace fjordheim
