#include "core/pages/bookmark_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/common/lines.h"
#include "tests/core/common/unwritable_folder.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

const std::string Outside = "<html>\r\n<body>\r\n";
const std::string Page = Outside +
                         "<!--BEGIN Tunstad-->\r\n"
                         "<table border=\"0\" cellspadding=\"4\" cellspacing=\"5\">\r\n"
                         "<tr>\r\n    <th align=\"left\" valign=\"top\"><a href=\"http://a.no\">A</a></th>\r\n"
                         "        <td>a</td>\r\n</tr>\r\n"
                         "<tr>\r\n    <th align=\"left\" valign=\"top\">B</th>\r\n        <td>b</td>\r\n</tr>\r\n"
                         "</table>\r\n<!--END Tunstad-->\r\n</body>\r\n</html>\r\n";

class BookmarkEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder = fs::temp_directory_path() /
              ("fjordheim_bookm_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(FFolder);
    fs::create_directories(FFolder);
    WritePage(Page);
  }
  void TearDown() override { fs::remove_all(FFolder); }

  std::string PagePath() const { return FFolder.string() + "\\olav.htm"; }
  void WritePage(const std::string& bytes) const { std::ofstream(FFolder / "olav.htm", std::ios::binary) << bytes; }
  std::string PageBytes() const {
    std::string bytes;
    ReadWholeFile(PagePath(), bytes);
    return bytes;
  }
  TBookmarkEditor Note() { return TBookmarkEditor(PagePath(), {NewNoteTitle, "", ""}, FSink); }
  static std::vector<std::string> Titles(const TBookmarkEditor& editor) {
    std::vector<std::string> titles;
    for (const TBookmarkEntry& entry : editor.Entries()) titles.push_back(entry.Title);
    return titles;
  }

  fs::path FFolder;
  TCollectingMessageSink FSink;
};

TEST_F(BookmarkEditorTest, OpensWithTheTableAndTheNewEntryCurrent) {
  const TBookmarkEditor bookmark(PagePath(), {NewBookmarkTitle, "http://c.no", ""}, FSink);
  EXPECT_EQ(bookmark.Caption(), "Legg til bokmerke");
  EXPECT_EQ(Titles(bookmark), (std::vector<std::string>{"A", "B", "Nytt bokmerke"}));
  EXPECT_EQ(bookmark.Entries()[0].Url, "http://a.no");
  EXPECT_EQ(bookmark.Current(), 2);
  EXPECT_EQ(bookmark.Shown().Url, "http://c.no");
  EXPECT_EQ(Note().Caption(), "Legg til egen tekst");
  EXPECT_TRUE(FSink.Messages.empty());
}

TEST_F(BookmarkEditorTest, MovingKeepsTheEntryCurrentAndStopsAtTheEnds) {
  TBookmarkEditor editor = Note();
  EXPECT_FALSE(editor.CanMoveDown());
  editor.MoveDown();
  editor.MoveUp();
  editor.MoveUp();
  EXPECT_EQ(Titles(editor), (std::vector<std::string>{"Ny tekst", "A", "B"}));
  EXPECT_EQ(editor.Current(), 0);
  EXPECT_FALSE(editor.CanMoveUp());
  editor.MoveUp();
  EXPECT_EQ(editor.Current(), 0);
  editor.MoveDown();
  EXPECT_EQ(Titles(editor), (std::vector<std::string>{"A", "Ny tekst", "B"}));
  EXPECT_EQ(editor.Shown().Title, "Ny tekst");
}

TEST_F(BookmarkEditorTest, DeletingGivesTheNextEntryOrThePreviousAtTheEnd) {
  TBookmarkEditor editor = Note();
  editor.Select(0);
  editor.Delete();
  EXPECT_EQ(editor.Shown().Title, "B");
  editor.Select(1);
  editor.Delete();
  EXPECT_EQ(editor.Shown().Title, "B");
  editor.Delete();
  EXPECT_EQ(editor.Current(), -1);
  EXPECT_EQ(editor.Shown(), TBookmarkEntry{});
  EXPECT_FALSE(editor.CanDelete() || editor.CanInsert() || editor.CanMoveUp() || editor.CanMoveDown());
  editor.SetTitle("ignored");
  editor.Delete();
  EXPECT_TRUE(editor.Entries().empty());
  EXPECT_EQ(editor.RefusalOfOk(), "");
}

TEST_F(BookmarkEditorTest, InsertAppendsANewNoteAndOkWantsATitle) {
  TBookmarkEditor editor = Note();
  editor.Select(0);
  editor.Insert();
  EXPECT_EQ(editor.Current(), 3);
  EXPECT_EQ(editor.Shown(), (TBookmarkEntry{"Ny tekst", "", ""}));
  EXPECT_EQ(editor.RefusalOfOk(), "");
  editor.SetTitle("");
  EXPECT_EQ(editor.RefusalOfOk(), "Du har ikke skrevet tittel.");
}

TEST_F(BookmarkEditorTest, SaveWritesTheEditedTableAndKeepsTheRest) {
  TBookmarkEditor editor = Note();
  editor.SetTitle("Mitt & ditt");
  editor.SetText("Husk <melk>");
  editor.Select(0);
  editor.SetUrl("http://b.no");
  ASSERT_TRUE(editor.Save(FSink));
  EXPECT_TRUE(FSink.Messages.empty());
  const std::string written = PageBytes();
  EXPECT_TRUE(written.starts_with(Outside + "<!--BEGIN Tunstad-->\r\n"));
  EXPECT_TRUE(written.ends_with("<!--END Tunstad-->\r\n</body>\r\n</html>\r\n"));
  EXPECT_EQ(TBookmarkPage::FromBytes(written).Entries(),
            (std::vector<TBookmarkEntry>{{"A", "http://b.no", "a"}, {"B", "", "b"}, {"Mitt & ditt", "", "Husk <melk>"}}));
}

TEST_F(BookmarkEditorTest, APageEditedElsewhereGetsTheWarningAndStaysAsItIs) {
  const std::string edited = Outside + "<!--BEGIN Tunstad-->\r\n<th>A</th>\r\n";
  WritePage(edited);
  TBookmarkEditor editor = Note();
  EXPECT_EQ(Titles(editor), (std::vector<std::string>{"A", "Ny tekst"}));
  EXPECT_FALSE(editor.Save(FSink));
  EXPECT_EQ(FSink.Messages,
            std::vector<std::string>{"ADVARSEL: Bokmerkefilen er redigert av andre programmer enn fjordheim.."});
  EXPECT_EQ(PageBytes(), edited);
}

TEST_F(BookmarkEditorTest, AMissingPageIsReportedAndNotCreated) {
  fs::remove(FFolder / "olav.htm");
  TBookmarkEditor editor = Note();
  EXPECT_EQ(Titles(editor), std::vector<std::string>{"Ny tekst"});
  EXPECT_FALSE(editor.Save(FSink));
  EXPECT_EQ(FSink.Messages, (std::vector<std::string>{"Kan ikke lese filen: " + PagePath(),
                                                      "ADVARSEL: Bokmerkefilen er redigert av andre programmer enn fjordheim.."}));
  EXPECT_FALSE(fs::exists(FFolder / "olav.htm"));
}

TEST_F(BookmarkEditorTest, AnUnwritableFolderIsReportedAndThePageKept) {
  TBookmarkEditor editor = Note();
  TUnwritableFolder lock(FFolder);
  if (!lock.Holds()) GTEST_SKIP() << "no way to make a folder unwritable here";
  EXPECT_FALSE(editor.Save(FSink));
  EXPECT_EQ(FSink.Messages, std::vector<std::string>{"Kan ikke skrive filen: " + PagePath()});
  EXPECT_EQ(PageBytes(), Page);
  EXPECT_EQ(std::distance(fs::directory_iterator(FFolder), fs::directory_iterator()), 1);
}

TEST_F(BookmarkEditorTest, SectionUpdateWritesTheFile) {
  WritePage("<html>\r\n<!-- SECTION NAME START -->\r\n<h1>Tom</h1>\r\n");
  EXPECT_TRUE(TBookmarkPage::UpdateSection(PagePath(), "NAME", "Olavs vikingasida", FSink));
  EXPECT_EQ(PageBytes(), "<html>\r\n<!-- SECTION NAME START -->\r\n<h1>Olavs vikingasida</h1>\r\n");
  fs::remove(FFolder / "olav.htm");
  EXPECT_FALSE(TBookmarkPage::UpdateSection(PagePath(), "NAME", "x", FSink));
  EXPECT_EQ(FSink.Messages, std::vector<std::string>{"Kan ikke lese filen: " + PagePath()});
}

}  // namespace
}  // namespace fjordheim
