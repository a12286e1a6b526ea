#include "core/settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

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
  void TearDown() override { fs::remove_all(FFolder); }

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
  const TSettings settings = Load();
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
