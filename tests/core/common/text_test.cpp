#include "core/common/text.h"

#include <gtest/gtest.h>

#include "core/common/lines.h"
#include "core/common/rounding.h"

namespace fjordheim {
namespace {

TEST(Cp1252, NorwegianLettersRoundTripThroughUtf8) {
  const std::string cp1252 = "\xE6\xF8\xE5\xC6\xD8\xC5 h\xF8sten";
  const std::string utf8 = Utf8From1252(cp1252);
  EXPECT_EQ(utf8, "æøåÆØÅ høsten");
  EXPECT_EQ(Cp1252FromUtf8(utf8), cp1252);
}

TEST(Cp1252, HighControlBlockMapsToTypographicCharacters) {
  EXPECT_EQ(Utf8From1252("\x80\x96\x93"), "€–“");
  EXPECT_EQ(Cp1252FromUtf8("€–“"), "\x80\x96\x93");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Cp1252FromUtf8("ᚠx"), "?x");
  EXPECT_EQ(Cp1252FromUtf8("\xC3"), "\xC3");  // a cut sequence stands for itself
}

TEST(Cp1252, LosslessOnlyWhenEveryCharacterHasACode) {
  EXPECT_TRUE(IsLosslessIn1252("Høvding – «ja» € ?"));
  EXPECT_TRUE(IsLosslessIn1252(""));
  EXPECT_FALSE(IsLosslessIn1252("Tor ᚦ"));
  EXPECT_FALSE(IsLosslessIn1252("ok \xC3"));  // a cut sequence would not come back
}

TEST(Trim, RemovesControlCharactersAndBlanksOnBothEnds) {
  EXPECT_EQ(Trim("\t \x01 Tor \r\n"), "Tor");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("a b"), "a b");
}

TEST(UpperAscii, FoldsOnlyTheLettersAToZ) {
  EXPECT_EQ(UpperAscii("høst+text"), "HøST+TEXT");
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Tunstad", "TUNSTAD"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("ø", "Ø"));
}

TEST(SplitLines, AcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(Round, HalvesGoToEven) {
  EXPECT_EQ(Round(0.5L), 0);
  EXPECT_EQ(Round(1.5L), 2);
  EXPECT_EQ(Round(2.5L), 2);
  EXPECT_EQ(Round(-2.5L), -2);
  EXPECT_EQ(Round(2.51L), 3);
}

}  // namespace
}  // namespace fjordheim
