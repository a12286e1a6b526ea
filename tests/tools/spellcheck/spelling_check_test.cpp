#include "tools/spellcheck/spelling_check.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

std::vector<std::string> Words(const std::vector<TMisspelling>& misspellings) {
  std::vector<std::string> words;
  for (const TMisspelling& misspelling : misspellings)
    words.push_back(misspelling.File + ":" + std::to_string(misspelling.Line) + " " + misspelling.Word);
  return words;
}

TEST(TSpellingCheck, AcceptsListedWordsAlsoWithACapitalFirstLetter) {
  const TSpellingCheck check("# names\nBirka\n  torshammer  # lower case in running text\nåsgard\r\n\n");
  EXPECT_TRUE(check.IsAccepted("Birka"));
  EXPECT_TRUE(check.IsAccepted("torshammer"));
  EXPECT_TRUE(check.IsAccepted("Torshammer"));
  EXPECT_TRUE(check.IsAccepted("Åsgard"));
  EXPECT_FALSE(check.IsAccepted("birka")) << "a name keeps its capital";
  EXPECT_FALSE(check.IsAccepted("TORSHAMMER"));
  EXPECT_FALSE(check.IsAccepted("names"));
  EXPECT_FALSE(check.IsAccepted(""));
}

TEST(TSpellingCheck, NamesEveryLineWhereAnUnknownWordStandsWhole) {
  const std::vector<TPlayerLine> lines = {{"Data/advice.txt", 2, "Torshamer og «Birka»."},
                                          {"Data/advice.txt", 5, ""},
                                          {"Html/gods.htm", 9, "Torshamerne, en Torshamer – og Åstorshamer."},
                                          {"Html/gods.htm", 12, "Ingen feil her."}};
  const std::string unknown = "Torshamer\nBirka\nTorshamerne\nTorshamer\n";
  EXPECT_EQ(Words(TSpellingCheck("").FromUnknownWords(lines, unknown)),
            (std::vector<std::string>{"Data/advice.txt:2 Birka", "Data/advice.txt:2 Torshamer",
                                      "Html/gods.htm:9 Torshamer", "Html/gods.htm:9 Torshamerne"}));
  const TSpellingCheck check("Birka\n");
  EXPECT_EQ(Words(check.FromUnknownWords(lines, unknown)),
            (std::vector<std::string>{"Data/advice.txt:2 Torshamer", "Html/gods.htm:9 Torshamer",
                                      "Html/gods.htm:9 Torshamerne"}));
  EXPECT_TRUE(check.FromUnknownWords(lines, "").empty());
  // A piece of a longer word is named where it stands; a word found nowhere still fails.
  EXPECT_EQ(Words(check.FromUnknownWords(lines, "storsha\nGlemt\n")),
            (std::vector<std::string>{":0 Glemt", "Html/gods.htm:9 storsha"}));
  EXPECT_EQ(TSpellingCheck::Report({"Html/gods.htm", 9, "Torshamer"}), "Html/gods.htm:9: unknown word \"Torshamer\"");
}

// The program's Swedish titles pass only inside a whole quote; a refused word is named
// outside one, with or without its capital, even when the list also accepts it.
TEST(TSpellingCheck, QuotesOfTheProgramPassAndRefusedWordsFailOutsideThem) {
  const TSpellingCheck check("«Topplistan» # the score window\n«Byrådet synes du er flink.»\n!byrådet\n!landsbyen\n"
                             "Topplistan\nlandsbyen\n");
  EXPECT_FALSE(check.IsAccepted("landsbyen"));
  EXPECT_FALSE(check.IsAccepted("Landsbyen"));
  EXPECT_TRUE(check.IsAccepted("Topplistan")) << "an accepted word that is not refused";
  const std::vector<TPlayerLine> lines = {
      {"Html/play.htm", 3, "Til slutt ser du «Topplistan» og «Byrådet synes du er flink.»"},
      {"Html/play.htm", 4, "Byrådet i landsbyen, «Byrådet» og «Byrådet synes du er flink»."},
      {"Html/play.htm", 5, "Topplistanes liste."}};
  const std::vector<TMisspelling> found = check.FromUnknownWords(lines, "Topplistanes\nlandsbyen\n");
  EXPECT_EQ(Words(found), (std::vector<std::string>{"Html/play.htm:4 Byrådet", "Html/play.htm:4 landsbyen",
                                                    "Html/play.htm:5 Topplistanes"}));
  ASSERT_EQ(found.size(), 3u);
  EXPECT_TRUE(found[0].Refused && found[1].Refused && !found[2].Refused);
  EXPECT_EQ(TSpellingCheck::Report({"Html/play.htm", 4, "landsbyen", true}),
            "Html/play.htm:4: refused word \"landsbyen\"");
}

TEST(TSpellingCheck, FindsAMisspellingWithTheBokmaalDictionary) {
  const std::vector<TPlayerLine> lines = {{"Data/False.que", 1, "Kornet står grønt på åkeren."},
                                          {"Data/False.que", 2, ""},
                                          {"Data/False.que", 3, "Høvdingen samlet rådet i Birka."},
                                          {"Data/False.que", 4, "Vikingene seilte til Miklagard med skibet."}};
  std::vector<TMisspelling> misspellings;
  std::string error;
  ASSERT_TRUE(TSpellingCheck("Birka\nMiklagard\n").Check(lines, misspellings, error)) << error;
  EXPECT_EQ(Words(misspellings), (std::vector<std::string>{"Data/False.que:4 skibet"}));
}

}  // namespace
}  // namespace fjordheim
