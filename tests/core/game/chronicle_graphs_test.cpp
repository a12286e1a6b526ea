#include "core/game/chronicle_graphs.h"

#include <gtest/gtest.h>

#include "core/game/game_controller.h"
#include "tests/core/settings/spoken_language.h"

namespace fjordheim {
namespace {

TChronicleRecord Season(TSeason season, std::uint16_t year, int cows, std::string event, int score) {
  TChronicleRecord record;
  record.Season = season;
  record.Year = year;
  record.People = {3, 8, 9, 8, 6, 3};
  record.Animals = {static_cast<std::uint16_t>(cows), 7, 9, 15};
  record.FoodRatio = 0.5F;
  record.Goods = {1, 1, 0, 0, 0, 0};
  record.Wants = {2, 3, 2, 1, 1, 1};
  record.Event = std::move(event);
  record.DecisionScore = score;
  record.Rating = 0.6L;
  record.Judgement = 0.4L;
  return record;
}

TEST(ChronicleGraphs, OneGraphAThemeWithAValueForEverySeasonAndTheMarksOnTheTimeLine) {
  TChronicle chronicle;
  chronicle.Add(Season(TSeason::Autumn, 852, 8, "", 3));
  chronicle.Add(Season(TSeason::Winter, 852, 5, "Brann i langhuset!", -1));
  chronicle.Add(Season(TSeason::Spring, 853, 2, "", 0));
  const TChronicleGraphs graphs(chronicle);
  ASSERT_EQ(graphs.Graphs.size(), 5U);
  EXPECT_EQ(graphs.SeasonNames, (std::vector<std::string>{"Høst 852", "Vinter 852", "Vår 853"}));
  for (const TGraph& graph : graphs.Graphs) {
    for (const TGraphLine& line : graph.Lines) EXPECT_EQ(line.Values.size(), 3U) << graph.Title << " " << line.Name;
  }
  const TGraph& people = graphs.Graphs[0];
  EXPECT_EQ(people.Lines[3].Name, "Barn og unge");
  EXPECT_EQ(people.Lines[3].Values[0], 14);
  const TGraph& food = graphs.Graphs[1];
  EXPECT_EQ(food.Lines[0].Values[0], 50);
  EXPECT_TRUE(food.Lines[1].RightScale);
  EXPECT_EQ(graphs.Graphs[2].Lines[0].Values, (std::vector<double>{8, 5, 2}));
  EXPECT_EQ(graphs.Graphs[3].Lines[0].Values[0], 2);
  EXPECT_EQ(graphs.Graphs[3].Lines[1].Values[0], 10);
  ASSERT_EQ(graphs.Events.size(), 1U);
  EXPECT_EQ(graphs.Events[0].Season, 1);
  EXPECT_EQ(graphs.Events[0].Text, "Brann i langhuset!");
  EXPECT_EQ(graphs.Events[0].Tip, "Vinter 852: Brann i langhuset!");
  ASSERT_EQ(graphs.Verdicts.size(), 3U);
  EXPECT_EQ(graphs.Verdicts[0].Text, "+3");
  EXPECT_EQ(graphs.Verdicts[0].Tip, "Høst 852: avgjørelsene ga +3 poeng hos rådet.");
  EXPECT_EQ(graphs.Verdicts[1].Text, "-1");
  EXPECT_EQ(graphs.Verdicts[1].Season, 1);
  EXPECT_EQ(graphs.Verdicts[2].Text, "0");
  EXPECT_EQ(graphs.Verdicts[2].Tip, "Vår 853: avgjørelsene ga 0 poeng hos rådet.");
}

// The chief's graph is the council's own judgement against the council's own limit, so a
// teacher explains the rule the game plays by.
TEST(ChronicleGraphs, TheChiefsGraphIsTheJudgementAgainstTheLimitTheCouncilDeposesAt) {
  TChronicle chronicle;
  chronicle.Add(Season(TSeason::Autumn, 852, 8, "", 3));
  TChronicleRecord deposed = Season(TSeason::Winter, 852, 8, "Frost", -1);
  deposed.Rating = 0.9L;
  deposed.Judgement = 0.15L;
  chronicle.Add(deposed);
  const TChronicleGraphs graphs(chronicle);
  const TGraph& rating = graphs.Graphs[4];
  ASSERT_EQ(rating.Lines.size(), 1U);
  EXPECT_EQ(rating.Lines[0].Name, "Rådets dom");
  EXPECT_EQ(rating.Lines[0].Values, (std::vector<double>{0.4, 0.15}));
  EXPECT_EQ(rating.Limit, static_cast<double>(TGameController::DepositionLevel));
  EXPECT_FALSE(rating.LimitName.empty());
  EXPECT_NE(rating.Explanation.find("tre ting"), std::string::npos);
  for (std::size_t other = 0; other < 4; ++other) EXPECT_TRUE(graphs.Graphs[other].Explanation.empty()) << other;
  // The season the council deposed the chief closes the time line with a mark of its own.
  ASSERT_EQ(graphs.Events.size(), 2U);
  EXPECT_EQ(graphs.Events[1].Season, 1);
  EXPECT_EQ(graphs.Events[1].Text, TChronicleGraphs::DepositionEvent);
  EXPECT_EQ(graphs.Events[1].Tip, "Vinter 852: Rådet avsatte høvdingen.");
  // A game still going has no such mark.
  chronicle.Add(Season(TSeason::Spring, 853, 8, "", 3));
  EXPECT_EQ(TChronicleGraphs(chronicle).Events.size(), 1U);
}

TEST(ChronicleGraphs, AnEmptyChronicleHasGraphsWithoutValues) {
  const TChronicleGraphs graphs{TChronicle()};
  EXPECT_EQ(graphs.Graphs.size(), 5U);
  EXPECT_TRUE(graphs.SeasonNames.empty());
  EXPECT_TRUE(graphs.Graphs[0].Lines[0].Values.empty());
}

// The window reads the graphs in the language of the game: each season, tip and caption is
// one sentence of the catalog with its year and score in it.
TEST(ChronicleGraphs, InEnglishAndNynorskEveryNameAndTipIsTheCatalogsWholeSentence) {
  TChronicle chronicle;
  chronicle.Add(Season(TSeason::Autumn, 852, 8, "", 1));
  TChronicleRecord deposed = Season(TSeason::Winter, 852, 8, "Frost", -3);
  deposed.Judgement = 0.1L;
  chronicle.Add(deposed);
  {
    const testing::TSpokenLanguage english(TLanguageCode::English);
    const TChronicleGraphs graphs(chronicle);
    EXPECT_EQ(graphs.SeasonNames, (std::vector<std::string>{"Autumn 852", "Winter 852"}));
    EXPECT_EQ(graphs.Verdicts[0].Tip, "Autumn 852: the decisions earned +1 point with the council.");
    EXPECT_EQ(graphs.Verdicts[1].Tip, "Winter 852: the decisions earned -3 points with the council.");
    EXPECT_EQ(graphs.Events[0].Tip, "Winter 852: Frost");
    EXPECT_EQ(graphs.Events[1].Tip, "Winter 852: The council deposed the chief.");
    EXPECT_EQ(graphs.Graphs[0].Title, "People");
    EXPECT_EQ(graphs.Graphs[4].Title, "The chief");
    EXPECT_EQ(graphs.Graphs[4].LimitName, "Below this line the chief is deposed");
  }
  const testing::TSpokenLanguage nynorsk(TLanguageCode::Nynorsk);
  const TChronicleGraphs graphs(chronicle);
  EXPECT_EQ(graphs.SeasonNames[0], "Haust 852");
  EXPECT_EQ(graphs.Verdicts[0].Tip, "Haust 852: avgjerdene gav +1 poeng hos rådet.");
  EXPECT_EQ(graphs.Graphs[0].Lines[3].Name, "Born og unge");
}

}  // namespace
}  // namespace fjordheim
