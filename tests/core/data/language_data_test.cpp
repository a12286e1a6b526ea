// Reads each language's data set with the game's own readers and holds it against the
// Bokmål one: a file a language has must give every entry the Bokmål file gives, in the same
// kind and order, so that a game plays the same in every language. A file a language lacks
// is read from the Bokmål data set and is no fault.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/catastrophes/catast_file.h"
#include "core/common/lines.h"
#include "core/council/advice_generator.h"
#include "core/decisions/decision_generator.h"
#include "core/game/first_decision_quiz.h"
#include "core/game/popup_tips.h"
#include "core/pages/bookmark_page.h"
#include "core/settings/ini_file.h"
#include "core/settings/name_tables.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

const fs::path TextSources = fs::path(FJORDHEIM_SOURCE_DIR) / "data" / "text";

// The Bokmål data set for the empty language.
fs::path SourceOf(const std::string& language, const std::string& file) {
  return language.empty() ? TextSources / file : TextSources / language / file;
}

class LanguageData : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (!fs::is_directory(TextSources / GetParam())) GTEST_SKIP() << "no data set in " << GetParam();
  }
  // The language's file, or none when the language reads the Bokmål one.
  std::optional<std::vector<std::string>> Own(const std::string& file) const {
    std::string bytes;
    if (!ReadWholeFile(SourceOf(GetParam(), file).string(), bytes)) return std::nullopt;
    return SplitLines(bytes);
  }
  static std::vector<std::string> Bokmal(const std::string& file) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(SourceOf("", file).string(), bytes)) << file;
    return SplitLines(bytes);
  }
};

// The pieces of advice of each season by adviser and recording, in file order.
std::vector<std::pair<int, std::string>> AdviceShape(const TAdviceGenerator& advice, TAdviceSeason season) {
  std::vector<std::pair<int, std::string>> shape;
  for (const TAdviceNode& node : advice.Group(season).Nodes()) shape.emplace_back(static_cast<int>(node.Area), node.Sound);
  return shape;
}

TEST_P(LanguageData, TheAdviceHasEveryPieceOfEveryAdviserWithItsRecording) {
  const auto own = Own("Data/advice.txt");
  if (!own) GTEST_SKIP() << "reads the Bokmål advice";
  const TAdviceGenerator translated(*own, "advice.txt");
  const TAdviceGenerator bokmal(Bokmal("Data/advice.txt"), "advice.txt");
  EXPECT_EQ(translated.IgnoredLines(), std::vector<std::string>{});
  for (int season = 0; season < AdviceSeasonCount; ++season) {
    const auto which = static_cast<TAdviceSeason>(season);
    EXPECT_EQ(AdviceShape(translated, which), AdviceShape(bokmal, which)) << "season " << season;
    for (const TAdviceNode& node : translated.Group(which).Nodes()) EXPECT_FALSE(node.Text.empty()) << node.Sound;
  }
}

// Each right group's tasks with their scores, and the wrong list's scores, in file order.
std::vector<std::int32_t> DecisionShape(const TDecisionGenerator& decisions) {
  std::vector<std::int32_t> shape;
  for (int group = 1; group <= 3; ++group) {
    for (const TDecisionNode& task : decisions.RightGroup(group)) shape.push_back(task.Score);
    shape.push_back(-1000);
  }
  for (const TDecisionNode* task : decisions.WrongList()) shape.push_back(task->Score);
  return shape;
}

TEST_P(LanguageData, EveryDecisionFileHasEveryTaskWithItsScore) {
  for (int season = 0; season < AdviceSeasonCount; ++season) {
    const std::string name = "Data/" + std::string(DecisionFileNames[static_cast<TAdviceSeason>(season)]);
    const auto own = Own(name);
    if (!own) continue;
    TRandom random(1);
    const TDecisionGenerator translated(*own, name, random);
    const TDecisionGenerator bokmal(Bokmal(name), name, random);
    EXPECT_EQ(translated.IgnoredLines(), std::vector<std::string>{});
    EXPECT_EQ(DecisionShape(translated), DecisionShape(bokmal)) << name;
  }
}

TEST_P(LanguageData, EveryEventIsThereWithItsPictureSoundAndText) {
  const auto own = Own("Data/Catasts.txt");
  if (!own) GTEST_SKIP() << "reads the Bokmål events";
  const TCatastFile translated = TCatastFile::FromLines(*own);
  const TCatastFile bokmal = TCatastFile::FromLines(Bokmal("Data/Catasts.txt"));
  EXPECT_EQ(translated.IgnoredLines("Catasts.txt"), std::vector<std::string>{});
  ASSERT_EQ(translated.Nodes.size(), bokmal.Nodes.size());
  for (std::size_t i = 0; i < bokmal.Nodes.size(); ++i) {
    EXPECT_EQ(translated.Nodes[i].Key, bokmal.Nodes[i].Key);
    EXPECT_EQ(translated.Nodes[i].Picture, bokmal.Nodes[i].Picture) << bokmal.Nodes[i].Key;
    EXPECT_EQ(translated.Nodes[i].Sound, bokmal.Nodes[i].Sound) << bokmal.Nodes[i].Key;
    EXPECT_FALSE(translated.Nodes[i].Heading.empty()) << bokmal.Nodes[i].Key;
    EXPECT_FALSE(translated.Nodes[i].Text.empty()) << bokmal.Nodes[i].Key;
  }
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\n";
  return bytes;
}

TEST_P(LanguageData, EveryTipIsThereWithItsPageAndPicture) {
  const auto own = Own("Data/popup.txt");
  if (!own) GTEST_SKIP() << "reads the Bokmål tips";
  const TIniFile translated = TIniFile::FromBytes(Joined(*own));
  const TIniFile bokmal = TIniFile::FromBytes(Joined(Bokmal("Data/popup.txt")));
  const std::int32_t count = bokmal.ReadInteger("INFO", "POPUP_COUNT", 0);
  EXPECT_EQ(translated.ReadInteger("INFO", "POPUP_COUNT", 0), count);
  EXPECT_EQ(TPopupTips::FromBytes(Joined(*own)).Problems("popup.txt", count), std::vector<std::string>{});
  for (std::int32_t tip = 1; tip <= count; ++tip) {
    const std::string section = "POPUP" + std::to_string(tip);
    for (const char* key : {"URL", "BITMAP"}) {
      EXPECT_EQ(translated.ReadString(section, key, ""), bokmal.ReadString(section, key, "")) << section << " " << key;
    }
  }
}

TEST_P(LanguageData, TheQuizHasAsManyRightAndWrongAnswers) {
  const auto right = Own("Data/Correct.que");
  const auto wrong = Own("Data/False.que");
  if (!right && !wrong) GTEST_SKIP() << "reads the Bokmål quiz";
  const TFirstDecisionQuiz translated(right.value_or(Bokmal("Data/Correct.que")), wrong.value_or(Bokmal("Data/False.que")));
  const TFirstDecisionQuiz bokmal(Bokmal("Data/Correct.que"), Bokmal("Data/False.que"));
  EXPECT_TRUE(translated.CanDraw());
  EXPECT_EQ(translated.IgnoredLines(), std::vector<std::string>{});
  EXPECT_EQ(translated.RightAnswers().size(), bokmal.RightAnswers().size());
  EXPECT_EQ(translated.WrongAnswers().size(), bokmal.WrongAnswers().size());
}

TEST_P(LanguageData, TheChiefsPageTemplateCanBeRewritten) {
  const auto own = Own("Data/template.htm");
  if (!own) GTEST_SKIP() << "reads the Bokmål template";
  const TBookmarkPage page = TBookmarkPage::FromBytes(Joined(*own));
  EXPECT_TRUE(page.CanWriteTable());
  EXPECT_EQ(page.Entries().size(), TBookmarkPage::FromBytes(Joined(Bokmal("Data/template.htm"))).Entries().size());
}

TEST_P(LanguageData, TheMarketNamesNameMarketsAndMerchantsTheSettingsHold) {
  const auto own = Own("markets.ini");
  if (!own) GTEST_SKIP() << "keeps the settings' names";
  const TIniFile names = TIniFile::FromBytes(Joined(*own));
  const TIniFile settings = TIniFile::FromBytes(Joined(Bokmal("tunstad.ini")));
  for (const std::string& section : settings.ReadSections()) {
    if (settings.ValueExists(section, "NAME")) {
      EXPECT_TRUE(names.ValueExists(section, "NAME")) << section;
    }
  }
  for (const std::string& section : names.ReadSections()) EXPECT_TRUE(settings.ValueExists(section, "NAME")) << section;
}

// The pages, links and pictures a page leads to, so that no translated page loses a way on.
std::set<std::string> LinksOf(const std::vector<std::string>& lines) {
  static const std::regex link(R"((?:href|src)\s*=\s*"([^"#]+))", std::regex::icase);
  std::set<std::string> links;
  for (const std::string& line : lines) {
    for (auto match = std::sregex_iterator(line.begin(), line.end(), link); match != std::sregex_iterator(); ++match) {
      links.insert((*match)[1].str());
    }
  }
  return links;
}

TEST_P(LanguageData, EveryPageLeadsWhereTheBokmalPageLeads) {
  std::error_code noPages;
  for (const auto& entry : fs::directory_iterator(TextSources / GetParam() / "Html", noPages)) {
    const std::string name = "Html/" + entry.path().filename().string();
    ASSERT_TRUE(fs::exists(SourceOf("", name))) << name << " has no Bokmål page";
    EXPECT_EQ(LinksOf(*Own(name)), LinksOf(Bokmal(name))) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageData, ::testing::Values("nn", "en"));

}  // namespace
}  // namespace fjordheim
