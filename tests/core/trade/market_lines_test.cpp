#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/trade/market_lines.h"

namespace fjordheim {
namespace {

// A merchant's picture number comes from the settings file or from a peer: one outside the
// twelve known places is drawn at the corner instead of reading past the table.
TEST(TradingPicturePlace, KnownNumbersHaveTheirPlaceAndOthersTheCorner) {
  const int places[12][2] = {{244, 3}, {233, 7}, {236, 0},   {234, 6},  {240, 20}, {252, 11},
                             {234, 23}, {248, 34}, {242, 83}, {235, 29}, {238, 17}, {216, 66}};
  for (std::int32_t n = 0; n < 12; ++n) {
    EXPECT_EQ(TradingPicturePlace(n).X, places[n][0]) << n;
    EXPECT_EQ(TradingPicturePlace(n).Y, places[n][1]) << n;
  }
  for (std::int32_t unknown : {-1, 12, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_EQ(TradingPicturePlace(unknown).X, 0) << unknown;
    EXPECT_EQ(TradingPicturePlace(unknown).Y, 0) << unknown;
  }
}

// Each line is spoken from a recording of its own words: a line and a recording that drift
// apart make the merchant say one thing and show another.
TEST(MarketLines, EveryBubbleLineKeepsItsWordsAndItsRecording) {
  using Lines = std::vector<std::pair<std::string, std::string>>;
  const auto pairs = [](std::span<const TMarketLine> lines) {
    Lines all;
    for (const TMarketLine& line : lines) all.emplace_back(line.Text, line.Recording);
    return all;
  };
  EXPECT_EQ(pairs(MarketLines::InviteAnswered), (Lines{{"Hmm.... vent mens jeg kommer med tilbudet mitt.", "MrktAns1"},
                                                        {"Jeg vurderer hva jeg skal tilby deg... Vent", "MrktAns2"},
                                                        {"Nå skal du få et godt tilbud. Vent litt...", "MrktAns3"}}));
  EXPECT_EQ(pairs(MarketLines::InviteAccepted),
            (Lines{{"Vær hilset, høvding. Hva vil du handle med? Kom med et tilbud.", "MrktAcc1"},
                   {"Velkommen høvding. Foreslå noe vi kan bytte.", "MrktAcc2"},
                   {"Hei. La meg se hva du har å tilby høvding. ", "MrktAcc3"}}));
  EXPECT_EQ(pairs(MarketLines::ProposalAccepted),
            (Lines{{"Jeg godtar byttet.", "MrktPA1a"},
                   {"Det ble et bra bytte.", "MrktPA2a"},
                   {"Jeg er fornøyd med byttet. Du er en flink handelsmann.", "MrktPA3a"}}));
  EXPECT_EQ(pairs(MarketLines::ProposalDeclined), (Lines{{"Nei, det går jeg ikke med på.", "MrktNo1a"},
                                                          {"Det var ikke noe bra tilbud.", "MrktNo2a"},
                                                          {"Jeg bytter ikke med hva som helst.", "MrktNo3a"}}));
  EXPECT_EQ(pairs(MarketLines::Considering), (Lines{{"Hmm... det må jeg overveie.", "MrktRea1"},
                                                     {"Hmmm...  Jeg må tenke litt...", "MrktRea2"},
                                                     {"Jeg vurderer byttet... Vent.", "MrktRea3"}}));
  EXPECT_EQ(pairs(MarketLines::Proposing), (Lines{{"Hva sier du til dette tilbudet?", "MrktPrp1"},
                                                   {"Her får du et godt tilbud.", "MrktPrp2"},
                                                   {"La oss bytte disse varene.", "MrktPrp3"},
                                                   {"Skal vi slå til på dette byttet?", "MrktPrp4"}}));
  EXPECT_EQ(pairs(MarketLines::PlayerAccepted),
            (Lines{{"Det er en fornøyelse å handle med deg. Har du flere forslag?", "MrktARe1"},
                   {"Det ble et bra bytte. Vil du bytte mer?", "MrktARe2"}}));
  EXPECT_EQ(pairs(MarketLines::PlayerDeclined), (Lines{{"Neivel. Foreslå noe annet vi kan bytte.", "MrktDRe1"},
                                                        {"Neivel ikke det. Hva kan du tilby da?", "MrktDRe2"}}));
}

// The recordings are spoken from this list: a moment left out would leave its lines silent, and
// a recording named twice would speak two lines from one file.
TEST(MarketLines, EveryLineOfEveryMomentIsSpokenOnceFromItsOwnRecording) {
  const std::vector<TMarketLine> every = EveryMarketLine();
  std::set<std::string> recordings;
  for (const TMarketLine& line : every) EXPECT_TRUE(recordings.insert(line.Recording).second) << line.Recording;
  std::size_t lines = 0;
  for (const std::span<const TMarketLine> moment :
       {std::span<const TMarketLine>(MarketLines::InviteAnswered), std::span<const TMarketLine>(MarketLines::InviteAccepted),
        std::span<const TMarketLine>(MarketLines::ProposalAccepted), std::span<const TMarketLine>(MarketLines::ProposalDeclined),
        std::span<const TMarketLine>(MarketLines::Considering), std::span<const TMarketLine>(MarketLines::Proposing),
        std::span<const TMarketLine>(MarketLines::PlayerAccepted), std::span<const TMarketLine>(MarketLines::PlayerDeclined)}) {
    for (const TMarketLine& line : moment) {
      ++lines;
      const auto spoken = std::find_if(every.begin(), every.end(), [&](const TMarketLine& l) { return l.Recording == std::string(line.Recording); });
      ASSERT_NE(spoken, every.end()) << line.Recording;
      EXPECT_STREQ(spoken->Text, line.Text);
    }
  }
  EXPECT_EQ(every.size(), lines);
}

}  // namespace
}  // namespace fjordheim
