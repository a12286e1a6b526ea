#include "core/pages/bookmark_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/common/lines.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

TEST(SafeFileName, KeepsEightCharactersAndOnlyTheLettersOfTheList) {
  EXPECT_EQ(SafeFileName("Ærlig Øystein"), "_rlig__y");
  EXPECT_EQ(SafeFileName("Åsa"), "Åsa");
  EXPECT_EQ(SafeFileName("Tostenbjør"), "Tostenbj");
  EXPECT_EQ(SafeFileName("äÄöÖåÅzZ9"), "äÄöÖåÅzZ");
  EXPECT_EQ(SafeFileName("..\\a/b:c"), "___a_b_c");
  EXPECT_EQ(SafeFileName("Ōla"), "_la");
  EXPECT_EQ(SafeFileName(""), "");
}

class CreateBookmarkFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder = fs::temp_directory_path() /
              ("fjordheim_template_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(FFolder);
    fs::create_directories(FFolder / "data");
    fs::create_directories(FFolder / "bokm");
  }
  void TearDown() override { fs::remove_all(FFolder); }
  std::string DataPath() const { return FFolder.string() + "\\data\\"; }
  std::string PagePath() const { return FFolder.string() + "\\bokm\\Olav.htm"; }
  static void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  std::string PageBytes() const {
    std::string bytes;
    ReadWholeFile(PagePath(), bytes);
    return bytes;
  }

  fs::path FFolder;
  TCollectingMessageSink FSink;
};

TEST_F(CreateBookmarkFileTest, CopiesTheTemplateByteForByteOverAnOldPage) {
  const std::string page = "<html>\r\n\xE6\0x\n"s;
  Write(FFolder / "data" / "Template.HTM", page);
  Write(FFolder / "bokm" / "Olav.htm", "old page, longer than the template");
  EXPECT_TRUE(CreateBookmarkFile(DataPath(), PagePath(), FSink));
  EXPECT_EQ(PageBytes(), page);
  EXPECT_TRUE(FSink.Messages.empty());
}

TEST_F(CreateBookmarkFileTest, WithoutATemplateTheOldPageStays) {
  Write(FFolder / "bokm" / "Olav.htm", "old");
  EXPECT_FALSE(CreateBookmarkFile(DataPath(), PagePath(), FSink));
  EXPECT_EQ(PageBytes(), "old");
  EXPECT_EQ(FSink.Messages, std::vector<std::string>{"Kan ikke lese filen: " + DataPath() + "template.htm"});
}

TEST_F(CreateBookmarkFileTest, AMissingBookmarkFolderIsReported) {
  Write(FFolder / "data" / "template.htm", "<html>");
  const std::string path = FFolder.string() + "\\nowhere\\Olav.htm";
  EXPECT_FALSE(CreateBookmarkFile(DataPath(), path, FSink));
  EXPECT_EQ(FSink.Messages, std::vector<std::string>{"Kan ikke skrive filen: " + path});
}

}  // namespace
}  // namespace fjordheim
