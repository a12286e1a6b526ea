#include "core/trade/trade_reason.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/catalog.h"
#include "core/common/translation.h"
#include "core/trade/goods_names.h"
#include "core/trade/market_lines.h"

namespace fjordheim {
namespace {

// Spare silver, furs and iron; short of amber, jewellery and weapons.
const TTrade IronMonger = TTrade{{2, 0, 5, 6, 0, 1}, {1, 2, 1, 1, 3, 3}};

TEST(DeclineReason, ATradeThatLeavesTheMerchantShortNamesWhatItWouldLack) {
  EXPECT_EQ(DeclineReason(IronMonger, {0, 1, 0, -6, 0, 0}), "Da får jeg for lite jern.");
  // Of two kinds it would lack, the deeper shortage is named.
  EXPECT_EQ(DeclineReason(IronMonger, {-3, 0, 0, -6, 0, 0}), "Da får jeg for lite sølv.");
  // Goods that are counted are too few, not too little.
  EXPECT_EQ(DeclineReason(IronMonger, {0, 0, 0, 0, 0, -1}), "Da får jeg for få våpen.");
  EXPECT_EQ(DeclineReason(TTrade{{0, 0, 4, 0, 2, 0}, {0, 0, 4, 0, 2, 0}}, {0, 0, -1, 0, 0, 0}), "Da får jeg for lite pels.");
}

TEST(DeclineReason, AnOfferOfWhatItDoesNotNeedNamesWhatItNeedsInstead) {
  const TTrade furrier = TTrade{{3, 5, 0, 2, 0, 0}, {1, 1, 3, 2, 0, 0}};
  EXPECT_EQ(DeclineReason(furrier, {-1, 2, 0, 0, 0, 0}), "Jeg trenger pels, ikke rav.");
  EXPECT_EQ(DeclineReason(furrier, {-1, 0, 0, 0, 0, 0}), "Jeg trenger pels.");
  const TTrade content = TTrade{{3, 3, 3, 3, 3, 3}, {1, 1, 1, 1, 1, 1}};
  EXPECT_EQ(DeclineReason(content, {-2, 1, 0, 0, 0, 0}), "Jeg gir mer enn jeg får.");
}

TEST(DismissReason, SaysOfTheMerchantWhatItStillLacksAndWhetherThePartnerHasAny) {
  const TTrade village = TTrade{{0, 4, 0, 0, 2, 0}};
  EXPECT_EQ(DismissReason(IronMonger, village, TSex::Male), "Han mangler fortsatt smykker, rav og våpen.");
  EXPECT_EQ(DismissReason(IronMonger, TTrade{{9, 0, 9, 9, 0, 0}}, TSex::Female),
            "Hun mangler fortsatt smykker, rav og våpen, og du har ikke noe av det.");
  EXPECT_EQ(DismissReason(TTrade{{1, 1, 1, 1, 1, 1}, {1, 0, 0, 0, 0, 0}}, village, TSex::Female), "Hun har alt hun trenger.");
  EXPECT_EQ(DismissReason(TTrade{}, village, TSex::Male), "Han har alt han trenger.");
}

// Every reason goes after one of the merchant's lines: the declining lines are the merchant's
// own words, so its reason speaks as "jeg"; the leaving message speaks of the merchant by name, so
// its reason speaks of "han" or "hun". Each reason is a single sentence.
TEST(TradeReasons, EveryLineWithEveryReasonStaysInOnePersonAndTheReasonIsOneSentence) {
  const auto sentences = [](const std::string& text) {
    int ends = 0;
    for (const char c : text) ends += c == '.' || c == '!' || c == '?';
    return ends;
  };
  const auto hasWord = [](const std::string& text, const std::string& word) {
    const std::string padded = " " + text + " ";
    for (const std::string& form : {" " + word + " ", " " + word + ",", " " + word + "."}) {
      if (padded.find(form) != std::string::npos) return true;
    }
    return false;
  };
  const std::vector<TTrade> merchants = {IronMonger, TTrade{{3, 5, 0, 2, 0, 0}, {1, 1, 3, 2, 0, 0}},
                                         TTrade{{3, 3, 3, 3, 3, 3}, {1, 1, 1, 1, 1, 1}}, TTrade{}};
  const std::vector<TProposal> proposals = {
      {0, 1, 0, -6, 0, 0}, {-1, 2, 0, 0, 0, 0}, {-1, 0, 0, 0, 0, 0}, {-2, 1, 0, 0, 0, 0}, {0, 0, 0, 0, -1, 3}, {}};
  for (const TTrade& merchant : merchants) {
    for (const TProposal& proposal : proposals) {
      const std::string reason = DeclineReason(merchant, proposal);
      EXPECT_EQ(sentences(reason), 1) << reason;
      for (const TMarketLine& line : MarketLines::ProposalDeclined) {
        const std::string said = std::string(line.Text) + " " + reason;
        EXPECT_FALSE(hasWord(said, "han") || hasWord(said, "hun") || hasWord(said, "Han") || hasWord(said, "Hun")) << said;
      }
    }
    for (const TSex sex : {TSex::Male, TSex::Female}) {
      for (const TTrade& partner : {TTrade{}, TTrade{{9, 9, 9, 9, 9, 9}}}) {
        const std::string reason = DismissReason(merchant, partner, sex);
        EXPECT_EQ(sentences(reason), 1) << reason;
        const std::string told = Tr(MarketTexts::TradesNoMore, "Åsa fra Birka") + "\n" + reason;
        EXPECT_FALSE(hasWord(told, "jeg") || hasWord(told, "Jeg") || hasWord(told, "meg")) << told;
      }
    }
  }
}

TEST(UnpayableReason, NamesTheFirstKindEitherSideLacks) {
  const TTrade village = TTrade{{2, 0, 3, 0, 0, 1}};
  const TTrade partner = TTrade{{0, 5, 0, 1, 2, 0}};
  EXPECT_EQ(UnpayableReason(village, &partner, {-2, 1, -3, 0, 0, 0}), "");
  EXPECT_EQ(UnpayableReason(village, &partner, {-3, 1, 0, 0, 0, 0}), "Du har ikke nok sølv til dette byttet.");
  EXPECT_EQ(UnpayableReason(village, &partner, {0, 0, -4, 0, 0, -2}), "Du har ikke nok pels til dette byttet.");
  EXPECT_EQ(UnpayableReason(village, &partner, {0, 0, 0, 0, 0, -2}), "Du har ikke nok våpen til dette byttet.");
  EXPECT_EQ(UnpayableReason(village, &partner, {-1, 0, 0, 0, 3, 0}), "Handelspartneren har ikke nok smykker til dette byttet.");
  EXPECT_EQ(UnpayableReason(village, nullptr, {-1, 0, 0, 0, 3, 0}), "");
  const TTrade full = TTrade{{65535, 0, 0, 0, 0, 0}};
  EXPECT_EQ(UnpayableReason(full, &partner, {1, 0, 0, 0, 0, 0}).rfind("Du kan ikke ta imot så mye sølv", 0), 0U);
  EXPECT_EQ(UnpayableReason(TTrade{{0, 0, 0, 0, 65535, 0}}, &partner, {0, 0, 0, 0, 1, 0}),
            "Du kan ikke ta imot så mange smykker.");
}

TEST(GoodsNames, EveryKindHasItsNameAndItsCountOnThePicture) {
  const std::vector<std::string> labels = {"Sølv: 0", "Rav: 1", "Pels: 4", "Jern: 2", "Smykker: 7", "Våpen: 12"};
  const int counts[] = {0, 1, 4, 2, 7, 12};
  for (int k = 0; k < GoodsKindCount; ++k) {
    EXPECT_EQ(GoodsCountLabel(static_cast<TGoodsKind>(k), counts[k]), labels[static_cast<std::size_t>(k)]);
  }
}

// The reasons are whole sentences of the game's language, with the goods in its words.
class TranslatedTradeReasons : public ::testing::Test {
 protected:
  void TearDown() override { UseCatalog(nullptr); }

  static void Speak(std::string_view language) {
    auto catalog = std::make_shared<const TCatalog>(TCatalog::FromFolder(FJORDHEIM_CATALOG_DIR, language));
    ASSERT_TRUE(catalog->Loaded()) << language;
    UseCatalog(catalog);
  }
};

TEST_F(TranslatedTradeReasons, NynorskNamesTheGoodsInItsOwnWordsAndLists) {
  Speak("nn");
  EXPECT_EQ(DeclineReason(IronMonger, {0, 0, 0, 0, 0, -1}), "Då får eg for få våpen.");
  EXPECT_EQ(DeclineReason(TTrade{{3, 5, 0, 2, 0, 0}, {1, 1, 3, 2, 0, 0}}, {-1, 2, 0, 0, 0, 0}), "Eg treng pels, ikkje rav.");
  EXPECT_EQ(DismissReason(IronMonger, TTrade{{9, 0, 9, 9, 0, 0}}, TSex::Female),
            "Ho manglar framleis smykke, rav og våpen, og du har ikkje noko av det.");
  EXPECT_EQ(UnpayableReason(TTrade{{0, 0, 0, 0, 65535, 0}}, nullptr, {0, 0, 0, 0, 1, 0}), "Du kan ikkje ta imot så mange smykke.");
  EXPECT_EQ(GoodsCountLabel(TGoodsKind::Jewellery, 7), "Smykke: 7");
}

TEST_F(TranslatedTradeReasons, EnglishNamesTheGoodsInItsOwnWordsAndLists) {
  Speak("en");
  EXPECT_EQ(DeclineReason(IronMonger, {0, 1, 0, -6, 0, 0}), "Then I would not have enough iron.");
  EXPECT_EQ(DismissReason(IronMonger, TTrade{{0, 4, 0, 0, 2, 0}}, TSex::Male), "He still lacks jewellery, amber and weapons.");
  EXPECT_EQ(DismissReason(TTrade{}, TTrade{}, TSex::Female), "She has all she needs.");
  const TTrade partner = TTrade{{0, 5, 0, 1, 2, 0}};
  EXPECT_EQ(UnpayableReason(TTrade{{2, 0, 3, 0, 0, 1}}, &partner, {-1, 0, 0, 0, 3, 0}),
            "Your trading partner does not have enough jewellery for this trade.");
  EXPECT_EQ(GoodsCountLabel(TGoodsKind::Furs, 4), "Furs: 4");
  EXPECT_EQ(Tr(MarketTexts::Invites, "Åsa"), "Åsa wants to trade with you. Do you say yes to the invitation?");
}

}  // namespace
}  // namespace fjordheim
