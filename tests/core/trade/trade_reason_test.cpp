#include "core/trade/trade_reason.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

// Spare silver, furs and iron; short of amber, jewellery and weapons.
const TTrade IronMonger = TTrade{{2, 0, 5, 6, 0, 1}, {1, 2, 1, 1, 3, 3}};

TEST(DeclineReason, ATradeThatLeavesTheMerchantShortNamesWhatItWouldLack) {
  EXPECT_EQ(DeclineReason(IronMonger, {0, 1, 0, -6, 0, 0}), "Da får jeg for lite jern.");
  // Of two kinds it would lack, the deeper shortage is named.
  EXPECT_EQ(DeclineReason(IronMonger, {-3, 0, 0, -6, 0, 0}), "Da får jeg for lite sølv.");
}

TEST(DeclineReason, AnOfferOfWhatItDoesNotNeedNamesWhatItNeedsInstead) {
  const TTrade furrier = TTrade{{3, 5, 0, 2, 0, 0}, {1, 1, 3, 2, 0, 0}};
  EXPECT_EQ(DeclineReason(furrier, {-1, 2, 0, 0, 0, 0}), "Jeg trenger pelser, ikke rav.");
  EXPECT_EQ(DeclineReason(furrier, {-1, 0, 0, 0, 0, 0}), "Jeg trenger pelser.");
  const TTrade content = TTrade{{3, 3, 3, 3, 3, 3}, {1, 1, 1, 1, 1, 1}};
  EXPECT_EQ(DeclineReason(content, {-2, 1, 0, 0, 0, 0}), "Jeg gir mer enn jeg får.");
}

TEST(DismissReason, SaysWhatTheMerchantStillLacksAndWhetherThePartnerHasAny) {
  const TTrade village = TTrade{{0, 4, 0, 0, 2, 0}};
  EXPECT_EQ(DismissReason(IronMonger, village), "Jeg mangler fortsatt smykker, rav og våpen.");
  EXPECT_EQ(DismissReason(IronMonger, TTrade{{9, 0, 9, 9, 0, 0}}),
            "Jeg mangler fortsatt smykker, rav og våpen, og du har ikke noe av det.");
  EXPECT_EQ(DismissReason(TTrade{{1, 1, 1, 1, 1, 1}, {1, 0, 0, 0, 0, 0}}, village), "Jeg har alt jeg trenger.");
}

}  // namespace
}  // namespace fjordheim
