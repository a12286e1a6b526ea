#include "core/common/translation.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/common/catalog.h"

namespace fjordheim {
namespace {

// Each test leaves the game in Bokmål, as every other test expects it.
class Translation : public ::testing::Test {
 protected:
  void TearDown() override { UseCatalog(nullptr); }

  static void UseTestCatalog() {
    UseCatalog(std::make_shared<const TCatalog>(TCatalog::FromFolder(FJORDHEIM_TEST_CATALOG_DIR, "pl")));
  }
};

TEST(FillPlaceholders, PutsEachArgumentWhereItsNumberStandsInAnyOrder) {
  EXPECT_EQ(FillPlaceholders("{1} av {0}, {1}", {"a", "b"}), "b av a, b");
  EXPECT_EQ(FillPlaceholders("ingen", {"a"}), "ingen");
  EXPECT_EQ(FillPlaceholders("", {}), "");
}

TEST(FillPlaceholders, LeavesWhatIsNoPlaceholderOrHasNoArgumentAsItIs) {
  EXPECT_EQ(FillPlaceholders("{2} {x} {} {0", {"a"}), "{2} {x} {} {0");
  EXPECT_EQ(FillPlaceholders("{0}{", {"{1}"}), "{1}{");
}

TEST_F(Translation, WithoutACatalogTheBokmalTextIsTheText) {
  EXPECT_EQ(Tr("Klikk for å begynne"), "Klikk for å begynne");
  EXPECT_EQ(Tr("{0} stelte dyrene; {1} dyr trengte minst {2}.", "Ragnhild", 12, std::int64_t{30}),
            "Ragnhild stelte dyrene; 12 dyr trengte minst 30.");
}

TEST_F(Translation, BokmalTakesTheSingularForExactlyOne) {
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 1, 1), "1 ku");
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 0, 0), "0 kyr");
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 21, 21), "21 kyr");
}

TEST_F(Translation, ACatalogTranslatesWholeSentencesAndMayReorderThem) {
  UseTestCatalog();
  EXPECT_EQ(Tr("Klikk for å begynne"), "Kliknij, aby zacząć");
  EXPECT_EQ(Tr("{0} stelte dyrene; {1} dyr trengte minst {2}.", "Ragnhild", 12, 30),
            "12 zwierząt potrzebowało co najmniej 30; Ragnhild ich doglądało.");
}

TEST_F(Translation, TheCatalogsPluralRuleChoosesTheForm) {
  UseTestCatalog();
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 1, 1), "1 krowa");
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 3, 3), "3 krowy");
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 5, 5), "5 krów");
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 22, 22), "22 krowy");
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 12, 12), "12 krów");
}

TEST_F(Translation, ATextTheCatalogLacksStaysBokmal) {
  UseTestCatalog();
  EXPECT_EQ(Tr("Slik spiller du"), "Slik spiller du");
  EXPECT_EQ(TrPlural("{0} gris", "{0} griser", 2, 2), "2 griser");
}

// Many school machines have no locale but C generated: the catalogs must not need one.
TEST_F(Translation, CatalogsWorkWithOnlyTheCLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  const TCatalog nynorsk = TCatalog::FromFolder(FJORDHEIM_CATALOG_DIR, "nn");
  ASSERT_TRUE(nynorsk.Loaded());
  ASSERT_NE(nynorsk.Find("Klikk for å begynne"), nullptr);
  EXPECT_STREQ(nynorsk.Find("Klikk for å begynne"), "Klikk for å byrje");
  UseTestCatalog();
  EXPECT_EQ(TrPlural("{0} ku", "{0} kyr", 5, 5), "5 krów");
}

TEST(Catalog, AMissingOrDamagedCatalogTranslatesNothing) {
  const TCatalog missing = TCatalog::FromFolder(FJORDHEIM_TEST_CATALOG_DIR, "xx");
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ(missing.Find("Klikk for å begynne"), nullptr);
  EXPECT_EQ(missing.FindPlural("{0} ku", 2), nullptr);

  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "fjordheim_damaged_catalog";
  std::filesystem::create_directories(folder / "nn" / "LC_MESSAGES");
  std::ofstream(folder / "nn" / "LC_MESSAGES" / "fjordheim.mo", std::ios::binary) << "not a catalog at all";
  const TCatalog damaged = TCatalog::FromFolder(folder.string() + "/", "nn");
  EXPECT_FALSE(damaged.Loaded());
  EXPECT_EQ(damaged.Find("Klikk for å begynne"), nullptr);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace fjordheim
