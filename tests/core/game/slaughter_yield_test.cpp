#include "core/game/slaughter_yield.h"

#include <gtest/gtest.h>

#include "tests/core/common/game_language.h"

namespace fjordheim {
namespace {

TEST(SlaughterYield, TheLinesGiveTheSameFoodTheVillageGets) {
  struct TCase {
    TAnimalCounts Marked;
    const char* Page;
    const char* Report;
  };
  const TCase cases[] = {
      {{2, 0, 0, 1}, "Til slakt: 2 kyr og 1 høne. Det gir 8,2 i mat, nok til 8 voksne i en årstid.",
       "Slakten av 2 kyr og 1 høne ga 8,2 i mat, nok til 8 voksne i en årstid."},
      {{0, 1, 0, 0}, "Til slakt: 1 gris. Det gir 1 i mat, nok til 1 voksen i en årstid.",
       "Slakten av 1 gris ga 1 i mat, nok til 1 voksen i en årstid."},
      {{0, 0, 0, 1}, "Til slakt: 1 høne. Det gir 0,2 i mat; en voksen spiser 1 i en årstid.",
       "Slakten av 1 høne ga 0,2 i mat; en voksen spiser 1 i en årstid."},
      // Five hens are a grown man's food, though a fifth is no round number.
      {{0, 0, 0, 5}, "Til slakt: 5 høns. Det gir 1 i mat, nok til 1 voksen i en årstid.",
       "Slakten av 5 høns ga 1 i mat, nok til 1 voksen i en årstid."},
      {{1, 2, 3, 4}, "Til slakt: 1 ku, 2 griser, 3 sauer og 4 høns. Det gir 9,8 i mat, nok til 9 voksne i en årstid.",
       "Slakten av 1 ku, 2 griser, 3 sauer og 4 høns ga 9,8 i mat, nok til 9 voksne i en årstid."},
      {{0, 0, 0, 0}, "", ""},
  };
  for (const TCase& c : cases) {
    const TSlaughterYield yield(c.Marked);
    EXPECT_EQ(yield.MarkedLine(), c.Page);
    EXPECT_EQ(yield.SlaughteredLine(), c.Report);
    TVillage village;
    village.Slaughter(c.Marked[0], c.Marked[1], c.Marked[2], c.Marked[3]);
    EXPECT_EQ(village.Food, yield.Food) << c.Page;
  }
}

TEST(SlaughterYield, EveryLanguageWritesItsOwnDecimalMarkAndCounts) {
  const TGameLanguage english("en");
  ASSERT_TRUE(english.Loaded());
  EXPECT_EQ(TSlaughterYield({0, 0, 0, 1}).MarkedLine(), "To slaughter: 1 hen. That gives 0.2 food; a grown-up eats 1 in a season.");
  EXPECT_EQ(TSlaughterYield({1, 2, 3, 4}).MarkedLine(),
            "To slaughter: 1 cow, 2 pigs, 3 sheep and 4 hens. That gives 9.8 food, enough for 9 grown-ups for a season.");
  EXPECT_EQ(TSlaughterYield({0, 1, 0, 0}).MarkedLine(),
            "To slaughter: 1 pig. That gives 1 food, enough for 1 grown-up for a season.");
}

}  // namespace
}  // namespace fjordheim
