#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/common/lines.h"
#include "core/common/translation.h"
#include "core/game/game_controller.h"
#include "core/settings/language.h"
#include "tests/core/game/game_fixture.h"

namespace fjordheim {
namespace {

using testing::TGameFolder;
using testing::TGameRig;

// The game's catalogs beside the test's game, where the settings look for them.
class LanguageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::error_code error;
    std::filesystem::create_directory_symlink(FJORDHEIM_CATALOG_DIR, Folder.Root / "locale", error);
    if (error || !std::filesystem::exists(Folder.Root / "locale" / "nn")) GTEST_SKIP() << "no catalogs";
    Folder.WriteEvents({"_Epidemy", "_Frost", "_GoodHunting"});
  }
  void TearDown() override { TLanguage().Use(); }

  // Twelve seasons of the same seed in the language, saved; the bytes of the saved game.
  std::string PlayAndSave(TLanguageCode language) {
    TGameRig rig(Folder, 42, false);
    EXPECT_TRUE(rig.Settings.ChooseLanguage(language)) << "the game folder cannot be written";
    rig.Game->ReadContent();
    rig.Game->NewGame("Åsa", 1, 1);
    for (int season = 0; season < 12; ++season) rig.Policy.PlaySeason(*rig.Game);
    const std::string path = Folder.GameFile(std::string(LanguageTag(language)) + ".tun");
    EXPECT_TRUE(rig.Game->SaveGame(path));
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
  }

  TGameFolder Folder{"languages"};
};

TEST_F(LanguageFiles, AGameIsSavedAsTheSameFileInEveryLanguageAndLoadsInAnother) {
  std::map<TLanguageCode, std::string> saved;
  for (const TLanguageCode language : GameLanguages) saved[language] = PlayAndSave(language);
  EXPECT_GT(saved[TLanguageCode::Bokmal].size(), 100U);
  EXPECT_EQ(saved[TLanguageCode::Nynorsk], saved[TLanguageCode::Bokmal]);
  EXPECT_EQ(saved[TLanguageCode::English], saved[TLanguageCode::Bokmal]);

  // A Nynorsk game goes on in English, and is written back as it was read.
  TGameRig english(Folder, 1);
  english.Settings.ChooseLanguage(TLanguageCode::English);
  ASSERT_EQ(Tr("Hold rådsmøte"), "Hold a council meeting");
  ASSERT_TRUE(english.Game->LoadGame(Folder.GameFile("nn.tun")));
  ASSERT_TRUE(english.Game->SaveGame(Folder.GameFile("again.tun")));
  std::string again;
  ASSERT_TRUE(ReadWholeFile(Folder.GameFile("again.tun"), again));
  EXPECT_EQ(again, saved[TLanguageCode::Nynorsk]);
  EXPECT_TRUE(english.Sink.Messages.empty()) << english.Sink.Messages.front();
}

}  // namespace
}  // namespace fjordheim
