#include "core/pages/bookmark_page.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace fjordheim {

void PrintTo(const TBookmarkEntry& entry, std::ostream* out) {
  *out << '{' << entry.Title << " | " << entry.Url << " | " << entry.Text << '}';
}

namespace {

using namespace std::string_literals;

const std::string Before = "<html>\n<head><title>Olavs vikingasida</title></head>\r\n\xE6\x81 body\r\n";
const std::string After = "<p>slutt</p>\n</html>";

std::string PageAround(const std::string& table, const std::string& begin = "<!--BEGIN Tunstad-->") {
  return Before + begin + "\r\n" + table + "<!--END Tunstad-->\r\n" + After;
}

std::vector<TBookmarkEntry> Reread(const std::string& bytes) { return TBookmarkPage::FromBytes(bytes).Entries(); }

std::string Written(const std::string& page, const std::vector<TBookmarkEntry>& entries) {
  return TBookmarkPage::FromBytes(page).BytesWithTable(entries).value_or("(not written)");
}

TEST(BookmarkPage, WritesTheTableLineByLine) {
  const std::string table = TBookmarkPage::TableBytes({{"Vikinger", "http://x.no/a", "Om skip"}, {"Notat", "", "Husk"}});
  EXPECT_EQ(table,
            "<table border=\"0\" cellspadding=\"4\" cellspacing=\"5\">\r\n"
            "<tr>\r\n"
            "    <th align=\"left\" valign=\"top\"><a href=\"http://x.no/a\">Vikinger</a></th>\r\n"
            "        <td>Om skip</td>\r\n"
            "</tr>\r\n"
            "<tr>\r\n"
            "    <th align=\"left\" valign=\"top\">Notat</th>\r\n"
            "        <td>Husk</td>\r\n"
            "</tr>\r\n"
            "</table>\r\n");
}

TEST(BookmarkPage, WriteThenReadGivesTheEntriesBack) {
  const std::vector<TBookmarkEntry> entries = {
      {"Skip & båter", "http://x.no/?a=1&b=\"2\"", "Les <b>dette</b> først"},
      {"Eget notat", "", "a < b > c"},
      {"Tomt", "", ""},
  };
  const std::string page = Written(PageAround(""), entries);
  EXPECT_EQ(Reread(page), entries);
  EXPECT_NE(page.find("Skip &amp; b\xE5ter"), std::string::npos);
}

TEST(BookmarkPage, ReadingFoldsBlankRunsAndJoinsLineBreaks) {
  const std::string page = Written(PageAround(""), {{"To  ord", "", "linje 1\r\nlinje   2"}});
  EXPECT_EQ(Reread(page), (std::vector<TBookmarkEntry>{{"To ord", "", "linje 1linje 2"}}));
}

TEST(BookmarkPage, TextThatLooksLikeMarkupCannotBreakThePage) {
  const std::vector<TBookmarkEntry> entries = {
      {"</a></th>", "\"><b>", "x\r\n<!--END Tunstad-->\r\n</td></tr></table>"},
      {"Neste", "", "<td>"},
  };
  const std::string once = Written(PageAround(""), entries);
  const std::vector<TBookmarkEntry> read = Reread(once);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].Title, "</a></th>");
  EXPECT_EQ(read[0].Url, "\"><b>");
  EXPECT_EQ(read[0].Text, "x<!--END Tunstad--></td></tr></table>");
  EXPECT_EQ(read[1], entries[1]);
  EXPECT_TRUE(Written(once, read).ends_with("<!--END Tunstad-->\r\n" + After));
}

TEST(BookmarkPage, APageWrittenWithoutEscapingReadsAsBefore) {
  const std::string old = PageAround(
      "<table border=\"0\" cellspadding=\"4\" cellspacing=\"5\">\r\n<tr>\r\n"
      "    <th align=\"left\" valign=\"top\"><a href=\"http://x.no/?a=1&b=2\">Fisk & sild</a></th>\r\n"
      "        <td>Mer enn 5 > 3, og \"sitat\"</td>\r\n</tr>\r\n<tr>\r\n"
      "    <th align=\"left\" valign=\"top\">Gammel   tekst</th>\r\n"
      "        <td>over\r\nto linjer</td>\r\n</tr>\r\n</table>\r\n");
  EXPECT_EQ(Reread(old), (std::vector<TBookmarkEntry>{
                             {"Fisk & sild", "http://x.no/?a=1&b=2", "Mer enn 5 > 3, og \"sitat\""},
                             {"Gammel tekst", "", "overto linjer"},
                         }));
}

TEST(BookmarkPage, EverythingOutsideTheMarkersSurvivesByteForByte) {
  const std::string page = PageAround("<p>handskrevet</p>\r\n<th>Hei</th>\r\n", "<!--begin TUNSTAD-->");
  ASSERT_EQ(Reread(page).size(), 1u);
  const std::string written = Written(page, {{"Ny", "", "tekst"}});
  const std::string begin = Before + "<!--begin TUNSTAD-->\r\n";
  EXPECT_TRUE(written.starts_with(begin));
  EXPECT_TRUE(written.ends_with("\r\n<!--END Tunstad-->\r\n" + After));
  EXPECT_EQ(written.find("handskrevet"), std::string::npos);
  EXPECT_EQ(Reread(written), (std::vector<TBookmarkEntry>{{"Ny", "", "tekst"}}));
}

TEST(BookmarkPage, WithoutBothMarkersNothingIsWritten) {
  const std::string noEnd = Before + "<!--BEGIN Tunstad-->\r\n<th>A</th>\r\n" + After;
  const std::string noBegin = Before + " <!--BEGIN Tunstad-->\r\n<!--END Tunstad-->\r\n" + After;
  EXPECT_FALSE(TBookmarkPage::FromBytes(noEnd).BytesWithTable({}));
  EXPECT_FALSE(TBookmarkPage::FromBytes(noBegin).BytesWithTable({}));
  EXPECT_EQ(Reread(noEnd).size(), 1u);
}

TEST(BookmarkPage, CellsOnOneLineAndUnpairedCells) {
  const std::string page = PageAround("<tr><th>A</th><td>x</td></tr>\r\n<th>B</th>\r\n<td>y</td><td>z</td>\r\n");
  EXPECT_EQ(Reread(page), (std::vector<TBookmarkEntry>{{"A", "", "x"}, {"B", "", "y"}}));
  EXPECT_EQ(Reread(PageAround("<th>A</th>\r\n<th>B</th>\r\n<td>x</td>\r\n")),
            (std::vector<TBookmarkEntry>{{"A", "", "x"}, {"B", "", ""}}));
}

TEST(BookmarkPage, AnUnclosedCellRunsToTheEndOfThePage) {
  const std::string page = Before + "<!--BEGIN Tunstad-->\r\n<td>open\r\n<!--END Tunstad-->\r\nrest";
  EXPECT_EQ(Reread(page), (std::vector<TBookmarkEntry>{{"", "", "open<!--END Tunstad-->rest"}}));
}

TEST(BookmarkPage, AnOversizedTableIsReadInPartAndNeverWritten) {
  const std::string hugeCell = PageAround("<td>" + std::string(TBookmarkPage::MaxCellBytes + 10, 'x') + "</td>\r\n");
  EXPECT_EQ(Reread(hugeCell).at(0).Text.size(), TBookmarkPage::MaxCellBytes - 4);
  EXPECT_FALSE(TBookmarkPage::FromBytes(hugeCell).CanWriteTable());

  std::string rows;
  for (std::size_t i = 0; i <= TBookmarkPage::MaxEntries; ++i) rows += "<th>t</th><td>x</td>\r\n";
  const TBookmarkPage many = TBookmarkPage::FromBytes(PageAround(rows));
  EXPECT_EQ(many.Entries().size(), TBookmarkPage::MaxEntries);
  EXPECT_FALSE(many.CanWriteTable());
}

TEST(BookmarkPageSection, ReplacesTheContentBetweenTheTags) {
  const std::string page = "<html>\r\n<!-- SECTION NAME START -->\r\n<h1 class=\"x\">Gammel</h1> \r\nslutt";
  EXPECT_EQ(TBookmarkPage::FromBytes(page).BytesWithSection("NAME", "Åses & Bos vikingasida"),
            "<html>\r\n<!-- SECTION NAME START -->\r\n<h1 class=\"x\">\xC5ses &amp; Bos vikingasida</h1> \r\nslutt");
  EXPECT_TRUE(TBookmarkPage::FromBytes("x\n<!-- section name start -->\n<p>a</p>").BytesWithSection("NAME", "b"));
}

TEST(BookmarkPageSection, AMarkerWithoutAUsableContentLineChangesNothing) {
  EXPECT_FALSE(TBookmarkPage::FromBytes("<!-- SECTION NAME START -->\r\n<h1>a</h1>\r\n").BytesWithSection("NAME", "b"));
  EXPECT_FALSE(TBookmarkPage::FromBytes("x\r\n<!-- SECTION NAME START -->\r\n").BytesWithSection("NAME", "b"));
  EXPECT_FALSE(TBookmarkPage::FromBytes("x\r\n<!-- SECTION NAME START -->\r\nno tags\r\n").BytesWithSection("NAME", "b"));
  EXPECT_FALSE(TBookmarkPage::FromBytes("x\r\n<!-- SECTION NAME START  -->\r\n<p>a</p>\r\n").BytesWithSection("NAME", "b"));
}

TEST(BookmarkPageSection, APictureSectionTakesTheChiefsFaceAndNothingElseChanges) {
  const std::string page =
      "<td>\r\n<!-- SECTION FACE START -->\r\n<IMG SRC=\"../Bilder/h_skjold.bmp\" width=\"120\" alt=\"H\xF8vdingen\">\r\n</td>";
  EXPECT_EQ(TBookmarkPage::FromBytes(page).BytesWithPicture("FACE", "../Bilder/face7.bmp"),
            "<td>\r\n<!-- SECTION FACE START -->\r\n<IMG SRC=\"../Bilder/face7.bmp\" width=\"120\" alt=\"H\xF8vdingen\">\r\n</td>");
  EXPECT_EQ(TBookmarkPage::FromBytes(page).BytesWithPicture("FACE", "a\"b.bmp")->find("SRC=\"a&quot;b.bmp\""), 40U);
  EXPECT_FALSE(TBookmarkPage::FromBytes(page).BytesWithPicture("NAME", "face7.bmp"));
  EXPECT_FALSE(TBookmarkPage::FromBytes("x\r\n<!-- SECTION FACE START -->\r\n<h1>a</h1>\r\n").BytesWithPicture("FACE", "f"));
  EXPECT_FALSE(TBookmarkPage::FromBytes("x\r\n<!-- SECTION FACE START -->\r\n<img src=\"a\r\n").BytesWithPicture("FACE", "f"));
}

}  // namespace
}  // namespace fjordheim
