// Checks the text sources of the default data set against the rules of their readers,
// so that a typo in a data file fails here rather than in front of a child.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/common/lines.h"
#include "core/common/path_resolver.h"
#include "core/common/text.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

using TIniFile = std::map<std::string, std::map<std::string, std::string>>;

const std::array<std::string, 6> AdviceSeasons = {"SUMMER", "AUTUMN", "WINTER", "SPRING", "FIRE", "FROST"};
const std::array<std::string, 5> AdviceAreas = {"PEOPLE", "CATTLE", "HUNTING", "AGRICULTURE", "MISCELLANEOUS"};
const std::array<std::string, 6> DecisionFiles = {"elsesumm.dec", "elseautu.dec", "elsewint.dec",
                                                  "elsespri.dec", "elsefire.dec", "elsefrst.dec"};
const std::array<std::string, 8> EventKeys = {"_GoodSummHarvest", "_GoodAutuHarvest", "_Visit",   "_Frost",
                                              "_Fire",            "_Epidemy",         "_GoodHunting", "_Dryness"};
// The pages the village and the indoor hot spots open.
const std::array<std::string, 13> ZonePages = {"consult.htm", "mireore.htm", "pets.htm",   "agricult.htm", "hunting.htm",
                                               "harbour.htm", "runesto.htm", "fishing.htm", "play.htm",     "Clothes.htm",
                                               "tools.htm",   "gods.htm",    "food.htm"};

std::string TextRoot() {
#ifdef FJORDHEIM_SOURCE_DIR
  return std::string(FJORDHEIM_SOURCE_DIR) + "/data/text/";
#else
  return {};
#endif
}

std::string ReadSource(const std::string& relative) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(TextRoot() + relative, bytes)) << relative << " cannot be read";
  return bytes;
}

std::vector<std::string> SourceLines(const std::string& relative) { return SplitLines(ReadSource(relative)); }

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string RestAfter(std::string_view line, std::size_t count) { return Trim(line.substr(count)); }

bool Exists(const std::string& gamePath) { return fs::exists(ResolvePath(gamePath)); }

TIniFile ReadIni(const std::string& relative) {
  TIniFile ini;
  std::string section;
  for (const std::string& raw : SourceLines(relative)) {
    const std::string line = Trim(raw);
    if (StartsWith(line, "[") && EndsWith(line, "]")) {
      section = UpperAscii(line.substr(1, line.size() - 2));
      ini[section];
    } else if (const std::size_t eq = line.find('='); eq != std::string::npos) {
      ini[section][UpperAscii(Trim(line.substr(0, eq)))] = Trim(line.substr(eq + 1));
    }
  }
  return ini;
}

int ToInt(const std::string& text) {
  int value = -99999;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// Every picture and sound the data name must be listed for the asset generator.
std::set<std::string> ListedAssets() {
  std::set<std::string> names;
  for (const std::string& line : SourceLines("NAMES.md")) {
    for (std::size_t at = line.find('`'); at != std::string::npos; at = line.find('`', at + 1)) {
      const std::size_t end = line.find('`', at + 1);
      if (end == std::string::npos) break;
      names.insert(FoldFileNameCase(line.substr(at + 1, end - at - 1)));
      at = end;
    }
  }
  return names;
}

void ExpectListed(const std::set<std::string>& listed, const std::string& name, const std::string& where) {
  EXPECT_TRUE(listed.count(FoldFileNameCase(name))) << name << " (named in " << where << ") is missing in NAMES.md";
}

class TextContent : public testing::Test {
 protected:
  void SetUp() override {
    if (TextRoot().empty()) GTEST_SKIP() << "the build does not say where the text sources lie";
  }
};

TEST_F(TextContent, EverySourceConvertsToWindows1252WithoutLoss) {
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(TextRoot())) {
    if (!entry.is_regular_file()) continue;
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(entry.path().string(), bytes));
    EXPECT_TRUE(IsLosslessIn1252(bytes)) << entry.path();
    ++files;
  }
  EXPECT_GE(files, 28);
}

TEST_F(TextContent, EveryAdvicePoolHoldsThreeAdvicesEachWithItsRecording) {
  std::map<std::string, int> pools;
  const std::set<std::string> listed = ListedAssets();
  std::string pool;
  std::string pending;
  for (const std::string& raw : SourceLines("Data/advice.txt")) {
    const std::string line = Trim(raw);
    if (StartsWith(line, "NODE ")) {
      pool = line.substr(5);
      pending.clear();
    } else if (UpperAscii(line) == "ENDNODE") {
      pool.clear();
    } else if (StartsWith(line, "+")) {
      EXPECT_FALSE(pool.empty()) << "advice outside a node: " << line;
      pending = RestAfter(line, 1);
    } else if (StartsWith(line, "-")) {
      const std::string sound = RestAfter(line, 1);
      EXPECT_FALSE(pending.empty()) << "recording without advice: " << sound;
      EXPECT_TRUE(StartsWith(sound, "advice\\") && EndsWith(sound, ".wav")) << sound;
      ExpectListed(listed, sound, "advice.txt");
      ++pools[pool];
      pending.clear();
    } else {
      EXPECT_TRUE(line.empty()) << "line the advice reader ignores: " << line;
    }
  }
  for (const std::string& season : AdviceSeasons) {
    for (const std::string& area : AdviceAreas) {
      EXPECT_GE(pools[season + " " + area], 3) << season << " " << area;
    }
  }
  EXPECT_EQ(pools.size(), AdviceSeasons.size() * AdviceAreas.size()) << "a header names an unknown pool";
}

struct TWrongTask {
  std::string Text;
  std::string Explanation;
  int Penalty = 0;
};

TEST_F(TextContent, EveryDecisionFileOffersFourTasksPerRightGroupAndSixWrongOnes) {
  for (const std::string& name : DecisionFiles) {
    SCOPED_TRACE(name);
    std::map<std::string, int> rightGroups;
    std::vector<TWrongTask> wrong;
    std::string group;
    for (const std::string& raw : SourceLines("Data/" + name)) {
      const std::string line = Trim(raw);
      if (StartsWith(line, "GRUPP")) {
        EXPECT_TRUE(group.empty()) << "group opened inside a group: " << line;
        group = RestAfter(line, 5);
      } else if (line == "END") {
        group.clear();
      } else if (StartsWith(line, "-") && group == "FEL") {
        wrong.push_back({RestAfter(line, 1), "", 0});
      } else if (StartsWith(line, "-")) {
        EXPECT_TRUE(group == "1" || group == "2" || group == "3") << line;
        ++rightGroups[group];
      } else if (StartsWith(line, "*") && !wrong.empty()) {
        wrong.back().Explanation = RestAfter(line, 1);
      } else if (StartsWith(line, "x") && !wrong.empty()) {
        EXPECT_EQ(wrong.back().Penalty, 0) << "second x line for " << wrong.back().Text;
        wrong.back().Penalty = ToInt(RestAfter(line, 1));
      } else {
        EXPECT_TRUE(line.empty()) << "line the decision reader ignores: " << line;
      }
    }
    for (const char* right : {"1", "2", "3"}) EXPECT_GE(rightGroups[right], 4) << "group " << right;
    EXPECT_GE(wrong.size(), 6u);
    std::set<std::string> texts;
    for (const TWrongTask& task : wrong) {
      EXPECT_FALSE(task.Explanation.empty()) << task.Text;
      EXPECT_GE(task.Penalty, 1) << task.Text;
      EXPECT_LE(task.Penalty, 3) << task.Text;
      EXPECT_TRUE(texts.insert(task.Text).second) << "offered twice: " << task.Text;
    }
  }
}

struct TEvent {
  std::string Key;
  std::string Heading;
  std::string Picture;
  std::string Sound;
  int TextLines = 0;
};

TEST_F(TextContent, EveryEventKeyHasTwoEventsWithHeadingPictureSoundAndText) {
  std::vector<TEvent> events;
  bool inside = false;
  for (const std::string& raw : SourceLines("Data/Catasts.txt")) {
    const std::string line = Trim(raw);
    if (!inside) {
      if (StartsWith(line, "NODE")) {
        events.push_back({RestAfter(line, 4), "", "", "", 0});
        inside = true;
      } else {
        EXPECT_TRUE(line.empty()) << "line outside an event: " << line;
      }
    } else if (UpperAscii(line) == "ENDNODE") {
      inside = false;
    } else if (StartsWith(line, "NODE")) {
      ADD_FAILURE() << "event " << events.back().Key << " runs into the next one";
    } else if (StartsWith(line, "*")) {
      events.back().Heading = RestAfter(line, 1);
    } else if (StartsWith(line, "-")) {
      events.back().Picture = RestAfter(line, 1);
    } else if (StartsWith(line, "+")) {
      events.back().Sound = RestAfter(line, 1);
    } else {
      ++events.back().TextLines;
    }
  }
  EXPECT_FALSE(inside) << "the last event has no end line";
  const std::set<std::string> listed = ListedAssets();
  std::map<std::string, int> perKey;
  for (const TEvent& event : events) {
    SCOPED_TRACE(event.Key + ": " + event.Heading);
    EXPECT_NE(std::find(EventKeys.begin(), EventKeys.end(), event.Key), EventKeys.end()) << "unknown key";
    EXPECT_FALSE(event.Heading.empty());
    EXPECT_TRUE(EndsWith(event.Picture, ".bmp"));
    EXPECT_TRUE(EndsWith(event.Sound, ".wav"));
    EXPECT_GE(event.TextLines, 2);
    EXPECT_LE(event.TextLines, 5);
    ExpectListed(listed, event.Picture, "Catasts.txt");
    ExpectListed(listed, event.Sound, "Catasts.txt");
    ++perKey[event.Key];
  }
  for (const std::string& key : EventKeys) EXPECT_GE(perKey[key], 2) << key;
}

TEST_F(TextContent, TipsAreNumberedWithoutGapsAndNameExistingPagesAndListedPictures) {
  TIniFile popup = ReadIni("Data/popup.txt");
  const int count = ToInt(popup["INFO"]["POPUP_COUNT"]);
  EXPECT_GE(count, 24);
  EXPECT_GE(ToInt(popup["INFO"]["POPUP_PERIOD"]), 1);
  EXPECT_GE(ToInt(popup["INFO"]["POPUP_RANDOM"]), 0);
  EXPECT_EQ(popup.size(), static_cast<std::size_t>(count) + 1) << "sections beside INFO and POPUP1..count";
  const std::set<std::string> listed = ListedAssets();
  int withPage = 0;
  for (int n = 1; n <= count; ++n) {
    auto& tip = popup["POPUP" + std::to_string(n)];
    SCOPED_TRACE("POPUP" + std::to_string(n));
    EXPECT_FALSE(tip["TEXT"].empty());
    EXPECT_NE(tip["TEXT"].find('?'), std::string::npos) << "the text finishes the question \"Visste du at\"";
    EXPECT_TRUE(EndsWith(tip["BITMAP"], ".bmp"));
    ExpectListed(listed, tip["BITMAP"], "popup.txt");
    if (tip["URL"].empty()) continue;
    EXPECT_TRUE(Exists(TextRoot() + "Html/" + tip["URL"])) << tip["URL"];
    ++withPage;
  }
  EXPECT_GT(withPage * 2, count) << "most tips lead to a page";
}

TEST_F(TextContent, TheFirstDecisionCanDrawOneRightAndTwoDifferentWrongAnswers) {
  const std::vector<std::string> right = SourceLines("Data/Correct.que");
  const std::vector<std::string> wrong = SourceLines("Data/False.que");
  EXPECT_EQ(right.size() % 2, 0u);
  EXPECT_EQ(wrong.size() % 2, 0u);
  EXPECT_GE(right.size() / 2, 6u);
  EXPECT_GE(wrong.size() / 2, 12u);
  for (const std::string& line : right) EXPECT_FALSE(Trim(line).empty()) << "Correct.que holds an empty line";
  for (const std::string& line : wrong) EXPECT_FALSE(Trim(line).empty()) << "False.que holds an empty line";
}

// The sentences of a text, each cut into lower-case words; a byte of a UTF-8 letter counts
// as a letter, so "sølv" stays one word.
std::vector<std::vector<std::string>> SentencesOfWords(const std::string& text) {
  std::vector<std::vector<std::string>> sentences(1);
  std::string word;
  auto endWord = [&] {
    if (!word.empty()) sentences.back().push_back(word);
    word.clear();
  };
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalpha(byte) || byte >= 0x80) {
      word += static_cast<char>(std::tolower(byte));
    } else {
      endWord();
      if (c == '.' || c == '!' || c == '?' || c == ':' || c == '\n') sentences.emplace_back();
    }
  }
  endWord();
  return sentences;
}

// The chief may be a woman or a man: the game does not know, so a sentence about the chief
// names no sex.
TEST_F(TextContent, TextsAboutTheChiefGiveTheChiefNoSex) {
  const std::set<std::string> pronouns = {"han", "ham", "hans", "hun", "henne", "hennes"};
  for (const std::string file : {"Data/Correct.que", "Data/False.que", "Data/advice.txt", "Data/Catasts.txt",
                                 "Data/popup.txt", "Data/elsesumm.dec", "Data/elseautu.dec", "Data/elsewint.dec",
                                 "Data/elsespri.dec", "Data/elsefire.dec", "Data/elsefrst.dec"}) {
    for (const std::vector<std::string>& sentence : SentencesOfWords(ReadSource(file))) {
      const bool aboutChief = std::any_of(sentence.begin(), sentence.end(), [](const std::string& word) {
        return word.find("høvding") != std::string::npos;
      });
      if (!aboutChief) continue;
      for (const std::string& word : sentence) {
        EXPECT_FALSE(pronouns.count(word)) << file << ": \"" << word << "\" in a sentence about the chief";
      }
    }
  }
}

std::vector<std::string> QuotedAfter(const std::string& text, const std::string& attribute) {
  std::vector<std::string> values;
  const std::string lower = FoldFileNameCase(text);
  const std::string wanted = attribute + "=\"";
  for (std::size_t at = lower.find(wanted); at != std::string::npos; at = lower.find(wanted, at + 1)) {
    const std::size_t start = at + wanted.size();
    const std::size_t stop = text.find('"', start);
    if (stop == std::string::npos) break;
    values.push_back(text.substr(start, stop - start));
  }
  return values;
}

TEST_F(TextContent, TheChiefsPageHoldsTheBookmarkMarkersAndANameLineTheProgramCanFill) {
  const std::vector<std::string> lines = SourceLines("Data/template.htm");
  const auto begin = std::find(lines.begin(), lines.end(), "<!--BEGIN Tunstad-->");
  const auto end = std::find(lines.begin(), lines.end(), "<!--END Tunstad-->");
  ASSERT_NE(begin, lines.end());
  ASSERT_NE(end, lines.end());
  EXPECT_LT(begin, end);
  const auto name = std::find(lines.begin(), lines.end(), "<!-- SECTION NAME START -->");
  ASSERT_NE(name, lines.end());
  ASSERT_NE(name, lines.begin());
  ASSERT_NE(name + 1, lines.end());
  // The name goes after the first '>' and before the character ahead of the first '/'.
  const std::string& content = *(name + 1);
  const std::size_t open = content.find('>');
  const std::size_t slash = content.find('/');
  ASSERT_NE(open, std::string::npos);
  ASSERT_NE(slash, std::string::npos);
  EXPECT_EQ(content[slash - 1], '<');
  EXPECT_EQ(content.find('<', open), slash - 1) << "only the opening and the closing tag on the name line";

  // The page is copied into the bookmarks folder beside the pages folder.
  const std::string page = ReadSource("Data/template.htm");
  const std::set<std::string> listed = ListedAssets();
  for (const std::string& picture : QuotedAfter(page, "src")) {
    EXPECT_TRUE(StartsWith(picture, "../Bilder/")) << picture;
    ExpectListed(listed, picture.substr(std::string("../Bilder/").size()), "template.htm");
  }
  for (const std::string& link : QuotedAfter(page, "href")) {
    EXPECT_TRUE(StartsWith(link, "../Html/") && Exists(TextRoot() + link.substr(3))) << link;
  }
}

bool IsOwnPage(const std::string& link) {
  return !link.empty() && link[0] != '#' && link.find(':') == std::string::npos;
}

int CountWords(const std::string& page) {
  const std::size_t body = FoldFileNameCase(page).find("<body");
  std::string text;
  bool inTag = false;
  for (std::size_t i = body == std::string::npos ? 0 : body; i < page.size(); ++i) {
    if (page[i] == '<') inTag = true;
    if (!inTag) text += page[i];
    if (page[i] == '>') {
      inTag = false;
      text += ' ';
    }
  }
  int words = 0;
  bool inWord = false;
  for (const char c : text) {
    const bool letter = std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
    if (letter && !inWord) ++words;
    inWord = letter || (inWord && c != ' ' && c != '\n' && c != '\r' && c != '\t');
  }
  return words;
}

int Occurrences(std::string_view text, std::string_view part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

TEST_F(TextContent, EveryPageIsThereWithItsLinksAndPicturesAndReachableFromTheStartPage) {
  for (const std::string& page : ZonePages) EXPECT_TRUE(Exists(TextRoot() + "Html/" + page)) << page;
  const std::set<std::string> listed = ListedAssets();
  std::map<std::string, std::vector<std::string>> linksOfPage;
  for (const auto& entry : fs::directory_iterator(TextRoot() + "Html")) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    const std::string page = ReadSource("Html/" + name);
    const int words = CountWords(page);
    EXPECT_GE(words, 200);
    EXPECT_LE(words, 600);
    EXPECT_NE(FoldFileNameCase(page).find("charset=utf-8"), std::string::npos) << "the page must say its charset";
    EXPECT_EQ(Occurrences(FoldFileNameCase(page), "<body"), 1) << "a page has one body";
    for (const std::string& link : QuotedAfter(page, "href")) {
      if (!IsOwnPage(link)) continue;
      EXPECT_TRUE(Exists(TextRoot() + "Html/" + link)) << "link to " << link;
      linksOfPage[name].push_back(link);
    }
    for (const std::string& picture : QuotedAfter(page, "src")) {
      EXPECT_TRUE(StartsWith(picture, "../Bilder/")) << picture << " must lie in the pictures folder";
      ExpectListed(listed, picture.substr(std::string("../Bilder/").size()), name);
    }
  }
  std::set<std::string> reached = {"index.htm"};
  std::vector<std::string> toVisit = {"index.htm"};
  while (!toVisit.empty()) {
    const std::string page = toVisit.back();
    toVisit.pop_back();
    for (const std::string& link : linksOfPage[page]) {
      if (reached.insert(link).second) toVisit.push_back(link);
    }
  }
  for (const auto& [page, links] : linksOfPage) EXPECT_TRUE(reached.count(page)) << page << " is not reached";
  EXPECT_EQ(reached.size(), linksOfPage.size());
}

std::vector<int> SixCounts(const std::string& list) {
  std::vector<int> counts;
  const std::size_t open = list.find('(');
  const std::size_t close = list.find(')');
  if (open == std::string::npos || close == std::string::npos) return counts;
  std::string rest = list.substr(open + 1, close - open - 1);
  for (std::size_t comma; (comma = rest.find(',')) != std::string::npos; rest.erase(0, comma + 1)) {
    counts.push_back(ToInt(rest.substr(0, comma)));
  }
  counts.push_back(ToInt(rest));
  return counts;
}

TEST_F(TextContent, TheMarketsAndMerchantsMakeTradingWorthwhile) {
  TIniFile ini = ReadIni("tunstad.ini");
  EXPECT_EQ(ini["TUNSTAD"]["SOUND"], "ON");
  EXPECT_GE(ToInt(ini["TUNSTAD"]["CATASTROPHY_PERIOD"]), 1);
  EXPECT_EQ(ini["MARKET"]["LISTENPORT"], "5555");
  const int markets = ToInt(ini["MARKET"]["MARKETS"]);
  const int merchants = ToInt(ini["MARKET"]["CPUMERCHANTS"]);
  EXPECT_EQ(markets, 3);
  EXPECT_GE(merchants, 6);
  EXPECT_LE(merchants, 8);
  for (int i = 1; i <= markets; ++i) {
    auto& market = ini["MARKET" + std::to_string(i)];
    SCOPED_TRACE(market["NAME"]);
    EXPECT_FALSE(market["NAME"].empty());
    if (market["TYPE"] == "NETWORK") {
      EXPECT_EQ(market["IP"], "127.0.0.1");
      EXPECT_EQ(market["PORT"], "5556");
    } else {
      EXPECT_GE(ToInt(market["CPUMERCHANTS"]), 1);
      EXPECT_LE(ToInt(market["CPUMERCHANTS"]), merchants);
    }
  }
  for (int j = 1; j <= merchants; ++j) {
    auto& merchant = ini["CPUMERCHANT" + std::to_string(j)];
    SCOPED_TRACE(merchant["NAME"]);
    EXPECT_FALSE(merchant["NAME"].empty());
    const int image = ToInt(merchant["IMAGE"]);
    EXPECT_GE(image, 0);
    EXPECT_LE(image, 11);
    const std::vector<int> goods = SixCounts(merchant["GOODS"]);
    const std::vector<int> demands = SixCounts(merchant["DEMANDS"]);
    ASSERT_EQ(goods.size(), 6u);
    ASSERT_EQ(demands.size(), 6u);
    bool lacks = false;
    bool spares = false;
    for (std::size_t k = 0; k < 6; ++k) {
      EXPECT_GE(goods[k], 0);
      EXPECT_GE(demands[k], 0);
      lacks = lacks || goods[k] < demands[k];
      spares = spares || goods[k] > demands[k];
    }
    EXPECT_TRUE(lacks && spares) << "a merchant must want something and have something to give";
  }
}

}  // namespace
}  // namespace fjordheim
