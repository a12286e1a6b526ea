#include "core/trade/market_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/ini_file.h"

namespace fjordheim {
namespace {

TMarketSettings Read(const std::string& text) {
  TMarketSettingsRead read = ReadMarketSettings(TIniFile::FromBytes(text));
  EXPECT_EQ(read.Message, "");
  return read.Settings;
}

TEST(ParseGoodsList, ReadsSixCountsInKindOrder) {
  EXPECT_EQ(ParseGoodsList("(2,0,5,1,0,3)"), (TGoodsCounts{2, 0, 5, 1, 0, 3}));
  EXPECT_EQ(ParseGoodsList(" ( 2, 0 ,5,1,0, 65535 ) trailing"), (TGoodsCounts{2, 0, 5, 1, 0, 65535}));
  // Without "(" the list starts at the beginning of the text.
  EXPECT_EQ(ParseGoodsList("1,2,3,4,5,6)"), (TGoodsCounts{1, 2, 3, 4, 5, 6}));
}

TEST(ParseGoodsList, NamesTheTextThatIsNotACount) {
  struct Case {
    const char* Text;
    const char* Bad;
  };
  for (const Case& c : {Case{"(1,2,x,4,5,6)", "x"}, Case{"(1,2,3,4,5,6", "6"}, Case{"(1,2,3)", "3)"}, Case{"(1,2,,4,5,6)", ""},
                        Case{"(1,2,3,4,5,-1)", "-1"}, Case{"(1,2,3,4,5,65536)", "65536"}, Case{"", ""}}) {
    std::string bad = "unset";
    EXPECT_FALSE(ParseGoodsList(c.Text, &bad).has_value()) << c.Text;
    EXPECT_EQ(bad, c.Bad) << c.Text;
  }
  EXPECT_FALSE(ParseGoodsList("(1,2,3,4,5,9999999999)").has_value());
}

TEST(ReadMarketSettings, MissingKeysTakeTheirDefaults) {
  const TMarketSettings none = Read("");
  EXPECT_EQ(none.ListenPort, 5555);
  EXPECT_TRUE(none.Markets.empty());
  EXPECT_TRUE(none.CPUMerchants.empty());
  EXPECT_TRUE(Read("[Market]\nMARKETS=0\nCPUMERCHANTS=-4\n").Markets.empty());

  const TMarketSettings two =
      Read("[Market]\nMARKETS=2\nCPUMERCHANTS=1\nLISTENPORT=7000\n[Market1]\nNAME=Kaupang\n[CPUMerchant1]\n");
  EXPECT_EQ(two.ListenPort, 7000);
  ASSERT_EQ(two.Markets.size(), 2U);
  EXPECT_EQ(two.Markets[0].Name, "Kaupang");
  EXPECT_EQ(two.Markets[0].MarketType, "LOCAL");
  EXPECT_EQ(two.Markets[0].CPUMerchants, -1);
  EXPECT_EQ(two.Markets[1].Name, "<no name>");
  EXPECT_EQ(two.Markets[1].IP, "-1");
  EXPECT_EQ(two.Markets[1].Port, -1);
  ASSERT_EQ(two.CPUMerchants.size(), 1U);
  EXPECT_EQ(two.CPUMerchants[0].Name, "<no name>");
  EXPECT_EQ(two.CPUMerchants[0].ImageNo, 0);
  EXPECT_EQ(two.CPUMerchants[0].Store.Goods, TGoodsCounts{});
  EXPECT_EQ(two.CPUMerchants[0].Store.Demands, TGoodsCounts{});
}

TEST(ReadMarketSettings, ReadsMarketsAndMerchantsAndOnlyTheExactNetworkTypeIsNetwork) {
  const TMarketSettings s = Read(
      "[Market]\nMARKETS=3\nCPUMERCHANTS=1\n"
      "[Market1]\nTYPE=network\nNAME=Hedeby\nCPUMERCHANTS=2\n"
      "[Market2]\nTYPE=NETWORK\nNAME=Nett\nIP=10.0.0.2\nPORT=6000\n"
      "[Market3]\nTYPE=NETWORK \nCPUMERCHANTS=x\n"
      "[CPUMerchant1]\nNAME=Ragnvald\nIMAGE=7\nGOODS=(3,0,0,0,0,12)\n");
  ASSERT_EQ(s.Markets.size(), 3U);
  EXPECT_FALSE(s.Markets[0].IsNetwork());
  EXPECT_EQ(s.Markets[0].CPUMerchants, 2);
  EXPECT_TRUE(s.Markets[1].IsNetwork());
  EXPECT_EQ(s.Markets[1].IP, "10.0.0.2");
  EXPECT_EQ(s.Markets[1].Port, 6000);
  EXPECT_TRUE(s.Markets[2].IsNetwork());  // values are trimmed
  EXPECT_EQ(s.Markets[2].CPUMerchants, -1);
  ASSERT_EQ(s.CPUMerchants.size(), 1U);
  EXPECT_EQ(s.CPUMerchants[0].Name, "Ragnvald");
  EXPECT_EQ(s.CPUMerchants[0].ImageNo, 7);
  EXPECT_EQ(s.CPUMerchants[0].Store.Goods, (TGoodsCounts{3, 0, 0, 0, 0, 12}));
  EXPECT_EQ(s.CPUMerchants[0].Store.Demands, TGoodsCounts{});
}

TEST(ReadMarketSettings, AMerchantWithABadListStaysOutAndOneMessageNamesEveryFault) {
  const TMarketSettingsRead read = ReadMarketSettings(TIniFile::FromBytes(
      "[Market]\nMARKETS=2\nCPUMERCHANTS=4\n[Market1]\nNAME=Kaupang\n[Market2]\nTYPE=NETWORK\n"
      "[CPUMerchant1]\nNAME=Ragnvald\nGOODS=(1,1,1,1,1,1)\n"
      "[CPUMerchant2]\nNAME=Gunnhild\nDEMANDS=(1,2,tre,4,5,6)\nGOODS=(1,2\n"
      "[CPUMerchant3]\nNAME=Tore\nGOODS=(0,0,0,0,0,70000)\n"
      "[CPUMerchant4]\nNAME=Asa\n"));
  EXPECT_EQ(read.Settings.Markets.size(), 2U);
  std::vector<std::string> names;
  for (const TCPUMerchantData& merchant : read.Settings.CPUMerchants) names.push_back(merchant.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Ragnvald", "Asa"}));
  EXPECT_EQ(read.Message,
            "Feil i tunstad.ini: [CPUMerchant2] DEMANDS har et ugyldig antall: \"tre\". [CPUMerchant2] GOODS har et "
            "ugyldig antall: \"2\". [CPUMerchant3] GOODS har et ugyldig antall: \"70000\". Disse kjøpmennene kommer "
            "ikke til markedet.");
  const TMarketSettingsRead one = ReadMarketSettings(
      TIniFile::FromBytes("[Market]\nCPUMERCHANTS=1\n[CPUMerchant1]\nGOODS=(x,0,0,0,0,0)\n"));
  EXPECT_TRUE(one.Settings.CPUMerchants.empty());
  EXPECT_EQ(one.Message,
            "Feil i tunstad.ini: [CPUMerchant1] GOODS har et ugyldig antall: \"x\". Denne kjøpmannen kommer ikke til "
            "markedet.");
}

// A count larger than the sections written, or a section missing in the middle, makes no
// nameless merchant with empty hands.
TEST(ReadMarketSettings, OnlyMerchantSectionsTheFileHoldsBecomeMerchants) {
  const TMarketSettings s = Read(
      "[Market]\nCPUMERCHANTS=99\n[CPUMerchant1]\nNAME=Ragnvald\n[CPUMerchant3]\nNAME=Tore\n[CPUMerchant120]\nNAME=Langt\n");
  std::vector<std::string> names;
  for (const TCPUMerchantData& merchant : s.CPUMerchants) names.push_back(merchant.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Ragnvald", "Tore"}));
}

TEST(ReadMarketSettings, AHugeSectionCountIsCapped) {
  std::string text = "[Market]\nMARKETS=2000000000\nCPUMERCHANTS=2000000000\n";
  for (int j = 1; j <= MaxMarketSections + 1; ++j) text += "[CPUMerchant" + std::to_string(j) + "]\n";
  const TMarketSettings s = Read(text);
  EXPECT_EQ(s.Markets.size(), static_cast<std::size_t>(MaxMarketSections));
  EXPECT_EQ(s.CPUMerchants.size(), static_cast<std::size_t>(MaxMarketSections));
}

}  // namespace
}  // namespace fjordheim
