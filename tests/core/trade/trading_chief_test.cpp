#include "core/trade/trading_chief.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "core/common/lines.h"
#include "core/settings/ini_file.h"
#include "core/trade/cpu_merchant.h"
#include "core/trade/market_settings.h"
#include "core/village/village.h"

namespace fjordheim {
namespace {

TGoodsCounts Together(const TTrade& a, const TTrade& b) {
  TGoodsCounts sum{};
  for (int k = 0; k < GoodsKindCount; ++k) sum[k] = static_cast<std::uint16_t>(a.Goods[k] + b.Goods[k]);
  return sum;
}

// The shipped settings are UTF-8 in the sources; the byte-order mark makes the reader take them so.
std::vector<TCPUMerchantData> ShippedMerchants() {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(std::string(FJORDHEIM_SOURCE_DIR) + "/data/text/tunstad.ini", bytes));
  TMarketSettingsRead read = ReadMarketSettings(TIniFile::FromBytes("\xEF\xBB\xBF" + bytes));
  EXPECT_EQ(read.Message, "");
  return read.Settings.CPUMerchants;
}

TEST(TradingChief, AsksForWhatTheVillageLacksAgainstSpareGoodsAndAcceptsWhatRaisesCoverage) {
  const TTrade village = TTrade{{5, 0, 4, 0, 0, 0}, {2, 0, 1, 3, 0, 0}};
  const TTrade partner = TTrade{{0, 0, 0, 2, 0, 0}, {0, 0, 5, 0, 0, 0}};
  // Two iron (all the partner has) for two furs, which the partner lacks most.
  EXPECT_EQ(TTradingChief::ProposalFor(village, partner), (TProposal{0, 0, -2, 2, 0, 0}));
  // No more asked than there are spare units to give.
  EXPECT_EQ(TTradingChief::ProposalFor(TTrade{{0, 0, 1, 0, 0, 0}, {0, 0, 0, 3, 0, 0}}, partner), (TProposal{0, 0, -1, 1, 0, 0}));
  EXPECT_EQ(TTradingChief::ProposalFor(TTrade{{1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}}, partner), TProposal{});
  EXPECT_EQ(TTradingChief::Judge(village, {0, 0, -2, 2, 0, 0}), TAnswer::Accept);
  EXPECT_EQ(TTradingChief::Judge(village, {0, 0, 0, -1, 0, 0}), TAnswer::Decline);
  EXPECT_EQ(TTradingChief::Judge(village, {0, 0, -5, 3, 0, 0}), TAnswer::Decline);  // five furs it has not got
  EXPECT_EQ(TTradingChief::Judge(village, {}), TAnswer::Decline);
}

struct TTally {
  int Trades = 0;
  int Rounds = 0;
  int Dismissals = 0;
};

// Every computer merchant of the shipped settings, against the starting store of each land and
// against that store after its first winter (what was wanted used up, the crafts' new goods in
// hand), played tick by tick to its end.
TEST(TradingChief, EveryShippedMerchantEndsItsNegotiationWithEachLandInBoundedRounds) {
  const std::vector<TCPUMerchantData> merchants = ShippedMerchants();
  ASSERT_FALSE(merchants.empty());
  TRandom rng(42);
  int tradesAfterWinter = 0;
  for (const bool afterWinter : {false, true}) {
    std::printf("%s\n%-22s %-17s %-17s %-17s\n", afterWinter ? "after the first winter" : "starting stores", "merchant",
                "land 0 t/r/d", "land 1 t/r/d", "land 2 t/r/d");
    for (const TCPUMerchantData& data : merchants) {
      std::string row;
      for (int land = 0; land < 3; ++land) {
        const TVillage founded = TVillage::CreateForLand(land, rng);
        TTrade village = founded.Trade;
        if (afterWinter) village.Goods = founded.GoodsProduction;
        TTrade cpuStore = data.Store;
        const TGoodsCounts before = Together(village, cpuStore);
        TManualScheduler scheduler;
        TUserMerchant chief(&village, "Høvding", scheduler);
        TCPUMerchant merchant(&cpuStore, data.Name, scheduler, rng);
        const TNegotiation n = TTradingChief::Negotiate(chief, merchant, scheduler);
        EXPECT_FALSE(n.Stalled) << data.Name << " land " << land;
        EXPECT_LE(n.Rounds, TTradingChief::MaxRounds) << data.Name;
        EXPECT_TRUE(n.DismissedByChief != n.DismissedByMerchant) << data.Name;
        EXPECT_EQ(chief.State, TMerchantState::Idle);
        EXPECT_EQ(merchant.State, TMerchantState::Idle);
        EXPECT_EQ(Together(village, cpuStore), before) << data.Name << " land " << land;
        if (afterWinter) tradesAfterWinter += n.Trades;
        char cell[32];
        std::snprintf(cell, sizeof cell, " %d/%d/%s", n.Trades, n.Rounds, n.DismissedByMerchant ? "merchant" : "chief");
        row += cell;
        row.resize(row.size() < 18 * static_cast<std::size_t>(land + 1) ? 18 * static_cast<std::size_t>(land + 1) : row.size(), ' ');
      }
      std::string name = data.Name;
      while (std::count_if(name.begin(), name.end(), [](char c) { return (c & 0xC0) != 0x80; }) < 22) name += ' ';
      std::printf("%s%s\n", name.c_str(), row.c_str());
    }
  }
  // A village that lacks goods finds someone to trade with.
  EXPECT_GT(tradesAfterWinter, 0);
}

}  // namespace
}  // namespace fjordheim
