#include "core/game/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "core/common/atomic_file.h"
#include "core/common/memory_stream.h"
#include "core/village/village_file_error.h"
#include "tests/core/village/saved_state.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr std::size_t HeaderSize = 8;

// A folder of its own for each test, removed with everything in it afterwards.
class TScratchFolder {
 public:
  TScratchFolder() {
    std::random_device entropy;
    FPath = fs::temp_directory_path() / ("fjordheim-saved-game-" + std::to_string(entropy()));
    fs::create_directories(FPath);
  }
  ~TScratchFolder() {
    std::error_code error;
    fs::permissions(FPath, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(FPath, error);
  }
  std::string operator/(const std::string& name) const { return (FPath / name).string(); }
  const fs::path& Path() const { return FPath; }

 private:
  fs::path FPath;
};

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::ptrdiff_t EntriesIn(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

void PutFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TSavedGame PlayedGame() {
  TSavedGame game;
  game.ChiefName = "Åsa";
  game.ChiefFace = 3;
  game.ChiefStanding = -7;
  game.PopupSeasonCounter = 2;
  game.PopupIndex = 5;
  game.CatastropheCountdown = -1;
  game.TradedThisYear = true;
  game.Village = PlayedVillage();
  return game;
}

std::string BytesOf(const TSavedGame& game) {
  TMemoryStream memory;
  WriteSavedGame(memory, game);
  return memory.Bytes();
}

void ExpectSameGame(const TSavedGame& expected, const TSavedGame& actual) {
  EXPECT_EQ(expected.ChiefName, actual.ChiefName);
  EXPECT_EQ(expected.ChiefFace, actual.ChiefFace);
  EXPECT_EQ(expected.ChiefStanding, actual.ChiefStanding);
  EXPECT_EQ(expected.PopupSeasonCounter, actual.PopupSeasonCounter);
  EXPECT_EQ(expected.PopupIndex, actual.PopupIndex);
  EXPECT_EQ(expected.CatastropheCountdown, actual.CatastropheCountdown);
  EXPECT_EQ(expected.TradedThisYear, actual.TradedThisYear);
  ExpectSameSavedState(expected.Village, actual.Village);
}

template <typename TAction>
std::string ErrorOf(TAction action) {
  try {
    action();
  } catch (const EVillageFileError& error) {
    return error.what();
  }
  return "";
}

TEST(SavedGame, TheTurnValuesFollowTheHeaderAndTheChiefsName) {
  TSavedGame game;
  game.ChiefName = "Tor";
  game.ChiefFace = 2;
  game.ChiefStanding = -20;
  game.PopupSeasonCounter = 1;
  game.PopupIndex = 0x01020304;
  game.CatastropheCountdown = 9;
  game.TradedThisYear = true;
  const std::string bytes = BytesOf(game);
  EXPECT_EQ(bytes.substr(0, 35),
            "Village\0Tor\0"
            "\x02\0\0\0\xEC\xFF\xFF\xFF\x01\0\0\0\x04\x03\x02\x01\x09\0\0\0\x01"
            "\x25\0"s);
}

TEST(SavedGame, SavingAndLoadingGivesBackTheSameGame) {
  TScratchFolder folder;
  TSavedGame game = PlayedGame();
  game.Village.SetEvent(TVillageEvent::Epidemy);
  SaveSavedGame(folder / "spill.tun", game);
  const TSavedGame loaded = LoadSavedGame(folder / "spill.tun");
  ExpectSameGame(game, loaded);
  EXPECT_FALSE(loaded.Village.HasEvent(TVillageEvent::Epidemy));
  EXPECT_EQ(EntriesIn(folder.Path()), 1) << "no temporary file is left beside the game";

  TMemoryStream memory(FileBytes(folder / "spill.tun"));
  ExpectSameGame(game, ReadSavedGame(memory));
}

TEST(SavedGame, BytesAfterTheGoodsRecordAreNotRead) {
  TMemoryStream memory(BytesOf(PlayedGame()) + "trailing");
  ExpectSameGame(PlayedGame(), ReadSavedGame(memory));
}

TEST(SavedGame, AWrongHeaderIsTheWrongFormat) {
  std::string bytes = BytesOf(PlayedGame());
  bytes[0] = 'v';
  TScratchFolder folder;
  PutFile(folder / "lower.tun", bytes);
  EXPECT_EQ(ErrorOf([&] { LoadSavedGame(folder / "lower.tun"); }), WrongFormatMessage);
  for (std::size_t length = 0; length + 1 < HeaderSize; ++length) {
    TMemoryStream cut(BytesOf(PlayedGame()).substr(0, length));
    EXPECT_EQ(ErrorOf([&] { ReadSavedGame(cut); }), WrongFormatMessage) << length;
  }
  // A header cut before its 0 still reads "Village"; the read after it finds the damage.
  TMemoryStream cut("Village"s);
  EXPECT_EQ(ErrorOf([&] { ReadSavedGame(cut); }), DamagedFileMessage);
}

TEST(SavedGame, AFileCutAnywhereAfterTheHeaderIsDamageAndTheGameStaysAsItWas) {
  TScratchFolder folder;
  const std::string path = folder / "cut.tun";
  const std::string bytes = BytesOf(PlayedGame());
  TSavedGame current;
  current.ChiefName = "Ulla";
  current.ChiefStanding = 4;
  const TSavedGame before = current;
  for (std::size_t length = HeaderSize; length < bytes.size(); ++length) {
    TMemoryStream cut(bytes.substr(0, length));
    ASSERT_EQ(ErrorOf([&] { current = ReadSavedGame(cut); }), DamagedFileMessage) << length;
    PutFile(path, bytes.substr(0, length));
    ASSERT_EQ(ErrorOf([&] { current = LoadSavedGame(path); }), DamagedFileMessage) << length;
  }
  ExpectSameGame(before, current);
}

TEST(SavedGame, AFileThatCannotBeOpenedSaysSo) {
  TScratchFolder folder;
  EXPECT_EQ(ErrorOf([&] { LoadSavedGame(folder / "missing.tun"); }), CannotOpenMessage);
  EXPECT_EQ(ErrorOf([&] { LoadSavedGame(folder.Path().string()); }), CannotOpenMessage);
  EXPECT_EQ(ErrorOf([&] { LoadSavedGame(""); }), CannotOpenMessage);
}

TEST(SavedGame, AShortWriteAnywhereCannotOpenTheFile) {
  const std::string bytes = BytesOf(PlayedGame());
  class TFullSink : public TByteStream {
   public:
    explicit TFullSink(std::size_t room) : FRoom(room) {}
    std::size_t Read(void*, std::size_t) override { return 0; }
    std::size_t Write(const void*, std::size_t count) override {
      const std::size_t taken = std::min(count, FRoom);
      FRoom -= taken;
      return taken;
    }

   private:
    std::size_t FRoom;
  };
  for (std::size_t room = 0; room < bytes.size(); ++room) {
    TFullSink sink(room);
    ASSERT_EQ(ErrorOf([&] { WriteSavedGame(sink, PlayedGame()); }), CannotOpenMessage) << room;
  }
}

class SavedGameFailingSave : public testing::Test {
 protected:
  void SetUp() override {
    FTarget = FFolder / "spill.tun";
    SaveSavedGame(FTarget, PlayedGame());
    FOldBytes = FileBytes(FTarget);
  }

  void ExpectSaveFailsAndOldFileStays(const std::string& target) {
    TSavedGame other = PlayedGame();
    other.ChiefName = "Ny";
    EXPECT_EQ(ErrorOf([&] { SaveSavedGame(target, other); }), CannotOpenMessage);
    EXPECT_EQ(FileBytes(FTarget), FOldBytes);
  }

  TScratchFolder FFolder;
  std::string FTarget;
  std::string FOldBytes;
};

TEST_F(SavedGameFailingSave, IntoAMissingFolder) {
  ExpectSaveFailsAndOldFileStays(FFolder / "nowhere/spill.tun");
  EXPECT_FALSE(fs::exists(FFolder / "nowhere"));
}

TEST_F(SavedGameFailingSave, OverAFolder) {
  fs::create_directory(FFolder / "folder.tun");
  ExpectSaveFailsAndOldFileStays(FFolder / "folder.tun");
  EXPECT_TRUE(fs::is_directory(FFolder / "folder.tun"));
  EXPECT_EQ(EntriesIn(FFolder.Path()), 2) << "no temporary file is left beside the game";
}

TEST_F(SavedGameFailingSave, InAReadOnlyFolder) {
  fs::permissions(FFolder.Path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (std::ofstream(FFolder / "probe")) GTEST_SKIP() << "this user may write into read-only folders";
  ExpectSaveFailsAndOldFileStays(FTarget);
}

TEST_F(SavedGameFailingSave, WithAGameThatCouldNotBeReadBack) {
  TSavedGame unreadable = PlayedGame();
  unreadable.Village.Food = std::numeric_limits<long double>::quiet_NaN();
  EXPECT_EQ(ErrorOf([&] { SaveSavedGame(FTarget, unreadable); }), CannotOpenMessage);
  EXPECT_EQ(FileBytes(FTarget), FOldBytes);
}

TEST_F(SavedGameFailingSave, ButASaveThatWorksReplacesTheWholeFile) {
  TSavedGame shorter;
  shorter.Village.People.clear();
  SaveSavedGame(FTarget, shorter);
  EXPECT_EQ(FileBytes(FTarget), BytesOf(shorter));
}

}  // namespace
}  // namespace fjordheim
