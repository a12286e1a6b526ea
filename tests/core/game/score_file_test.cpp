#include "core/game/score_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/common/lines.h"
#include "tests/core/common/unwritable_folder.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

class ScoreFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder = fs::temp_directory_path() / ("fjordheim_score_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FFolder);
    fs::create_directories(FFolder);
  }
  void TearDown() override { fs::remove_all(FFolder); }
  std::string GamePath() const { return FFolder.string() + "\\"; }
  std::string Path() const { return TScoreFile::PathIn(GamePath()); }
  std::string Bytes() const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(Path(), bytes));
    return bytes;
  }
  void WriteBytes(const std::string& bytes) const { std::ofstream(FFolder / "nothing.tpl", std::ios::binary) << bytes; }

  fs::path FFolder;
  TCollectingMessageSink FSink;
};

TEST_F(ScoreFileTest, FirstGameEverListsTheChiefFirstEvenWithZero) {
  const TScoreOutcome outcome = TScoreFile(Path()).RecordGameEnd("Olav", 0, FSink);
  EXPECT_EQ(outcome.ScoreText, "Du fikk 0 poeng.");
  EXPECT_TRUE(outcome.Listed);
  EXPECT_TRUE(outcome.Saved);
  ASSERT_EQ(outcome.Lines.size(), 10u);
  EXPECT_EQ(outcome.Lines[0], "1.        0   Olav");
  EXPECT_EQ(outcome.Lines[9], "10.       0   ");
  EXPECT_EQ(Bytes(), TScoreList::FromBytes(Bytes()).ToBytes());
  EXPECT_EQ(TScoreList::FromBytes(Bytes()).At(1), (TScoreEntry{"Olav", 0}));
  EXPECT_TRUE(FSink.Messages.empty());
}

TEST_F(ScoreFileTest, AnUnlistedScoreStillRewritesTheFile) {
  TScoreFile file(Path());
  file.RecordGameEnd("Olav", 100, FSink);
  WriteBytes(Bytes() + "tail");
  const TScoreOutcome outcome = file.RecordGameEnd("Hans", -5, FSink);
  EXPECT_FALSE(outcome.Listed);
  EXPECT_TRUE(outcome.Saved);
  EXPECT_EQ(Bytes().size(), 5u + 4u + 9u * 5u);
}

TEST_F(ScoreFileTest, LoadingAGameTakesItsEntryOffOnlyWithTheSameScore) {
  TScoreFile file(Path());
  file.RecordGameEnd("Olav", 120, FSink);
  file.RecordGameEnd("Hans", 80, FSink);
  const std::string before = Bytes();
  EXPECT_FALSE(file.RemoveEntry("Olav", 121, FSink));
  EXPECT_EQ(Bytes(), before);
  EXPECT_TRUE(file.RemoveEntry("Olav", 120, FSink));
  EXPECT_EQ(TScoreList::FromBytes(Bytes()).At(1), (TScoreEntry{"Hans", 80}));
  EXPECT_TRUE(FSink.Messages.empty());
}

TEST_F(ScoreFileTest, RemovingWithoutAFileCreatesNone) {
  EXPECT_FALSE(TScoreFile(Path()).RemoveEntry("Olav", 1, FSink));
  EXPECT_FALSE(fs::exists(FFolder / "nothing.tpl"));
}

TEST_F(ScoreFileTest, FindsTheFileWhateverItsLetterCase) {
  TScoreFile(Path()).RecordGameEnd("Olav", 120, FSink);
  fs::rename(FFolder / "nothing.tpl", FFolder / "NOTHING.TPL");
  const TScoreOutcome outcome = TScoreFile(Path()).RecordGameEnd("Hans", 50, FSink);
  EXPECT_EQ(outcome.Lines[0], "1.      120   Olav");
  EXPECT_EQ(outcome.Lines[1], "2.       50   Hans");
  EXPECT_FALSE(fs::exists(FFolder / "nothing.tpl"));
}

TEST_F(ScoreFileTest, AnUnwritableFolderIsReportedAndTheOldListKept) {
  TScoreFile file(Path());
  file.RecordGameEnd("Olav", 120, FSink);
  const std::string before = Bytes();
  TUnwritableFolder lock(FFolder);
  if (!lock.Holds()) GTEST_SKIP() << "no way to make a folder unwritable here";
  const TScoreOutcome outcome = file.RecordGameEnd("Hans", 500, FSink);
  EXPECT_TRUE(outcome.Listed);
  EXPECT_FALSE(outcome.Saved);
  EXPECT_EQ(outcome.Lines[0], "1.      500   Hans");
  EXPECT_EQ(FSink.Messages, std::vector<std::string>{"Kan ikke skrive filen: " + Path()});
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(FFolder), fs::directory_iterator()), 1);
}

TEST_F(ScoreFileTest, AMissingFolderIsReported) {
  const std::string path = TScoreFile::PathIn(GamePath() + "missing\\");
  const TScoreOutcome outcome = TScoreFile(path).RecordGameEnd("Olav", 120, FSink);
  EXPECT_TRUE(outcome.Listed);
  EXPECT_FALSE(outcome.Saved);
  EXPECT_EQ(FSink.Messages, std::vector<std::string>{"Kan ikke skrive filen: " + path});
}

TEST_F(ScoreFileTest, AScoreFileThatCannotBeReadIsReportedAndLeftAlone) {
  fs::create_directory(FFolder / "nothing.tpl");
  const TScoreOutcome outcome = TScoreFile(Path()).RecordGameEnd("Olav", 120, FSink);
  EXPECT_FALSE(outcome.Listed);
  EXPECT_FALSE(outcome.Saved);
  EXPECT_EQ(outcome.ScoreText, "Du fikk 120 poeng.");
  EXPECT_EQ(FSink.Messages, std::vector<std::string>{"Kan ikke lese filen: " + Path()});
  EXPECT_TRUE(fs::is_directory(FFolder / "nothing.tpl"));
}

}  // namespace
}  // namespace fjordheim
