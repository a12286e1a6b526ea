#include "core/common/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/common/lines.h"
#include "tests/core/common/unwritable_folder.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder = fs::temp_directory_path() /
              ("fjordheim_atomic_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(FFolder);
    fs::create_directories(FFolder);
  }
  void TearDown() override { fs::remove_all(FFolder); }
  std::string Read(const fs::path& path) const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes));
    return bytes;
  }
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(FFolder), fs::directory_iterator()));
  }

  fs::path FFolder;
};

TEST_F(AtomicFileTest, CreatesAndReplacesWithoutLeavingTemporaryFiles) {
  const fs::path target = FFolder / "a.bin";
  ASSERT_TRUE(WriteFileAtomically(target.string(), "first, and longer"));
  ASSERT_TRUE(WriteFileAtomically(target.string(), "2\0\r\n"s));
  EXPECT_EQ(Read(target), "2\0\r\n"s);
  ASSERT_TRUE(WriteFileAtomically(target.string(), ""));
  EXPECT_EQ(Read(target), "");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileTest, AGamePathReplacesTheFileWhateverItsLetterCase) {
  std::ofstream(FFolder / "Nothing.TPL") << "old";
  ASSERT_TRUE(WriteFileAtomically(FFolder.string() + "\\nothing.tpl", "new"));
  EXPECT_EQ(Read(FFolder / "Nothing.TPL"), "new");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileTest, FailsWithoutHarmWhereNothingCanBeWritten) {
  fs::create_directory(FFolder / "folder");
  EXPECT_FALSE(WriteFileAtomically((FFolder / "folder").string(), "x"));
  EXPECT_TRUE(fs::is_directory(FFolder / "folder"));
  EXPECT_FALSE(WriteFileAtomically((FFolder / "missing" / "a.bin").string(), "x"));

  std::ofstream(FFolder / "kept") << "old";
  TUnwritableFolder lock(FFolder);
  if (!lock.Holds()) GTEST_SKIP() << "no way to make a folder unwritable here";
  EXPECT_FALSE(WriteFileAtomically((FFolder / "kept").string(), "new"));
  EXPECT_EQ(Read(FFolder / "kept"), "old");
  EXPECT_EQ(EntryCount(), 2u);
}

}  // namespace
}  // namespace fjordheim
