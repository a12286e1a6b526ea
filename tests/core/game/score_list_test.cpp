#include "core/game/score_list.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace fjordheim {

void PrintTo(const TScoreEntry& entry, std::ostream* out) { *out << '"' << entry.Name << "\" " << entry.Score; }

namespace {

using namespace std::string_literals;

TScoreList FullListEndingAt(std::int32_t last) {
  TScoreList list;
  for (int i = 0; i < TScoreList::PlaceCount; ++i) list.Insert("Chief" + std::to_string(i), last + 100 * (9 - i));
  return list;
}

TEST(ScoreListLine, PlacesThreeAndTenByteForByte) {
  EXPECT_EQ(TScoreList::Line(3, {"Olav", 120}), "3.      120   Olav");
  EXPECT_EQ(TScoreList::Line(10, {"Olav", 120}), "10.     120   Olav");
}

TEST(ScoreListLine, EmptyPlaceWideScoreAndNegativeScore) {
  EXPECT_EQ(TScoreList::Line(4, {}), "4.        0   ");
  EXPECT_EQ(TScoreList::Line(1, {"Ulf", 1234567}), "1.    1234567   Ulf");
  EXPECT_EQ(TScoreList::Line(2, {"Ulf", -2147483647 - 1}), "2.    -2147483648   Ulf");
}

TEST(ScoreListLine, ControlCharactersInANameCannotAddLines) {
  EXPECT_EQ(TScoreList::Line(1, {"Ul\r\nf", 5}), "1.        5   Ul  f");
}

TEST(ScoreListInsert, EqualToTheLastIsNotListedOneMoreTakesTheLastPlace) {
  TScoreList list = FullListEndingAt(50);
  const TScoreList before = list;
  EXPECT_FALSE(list.Insert("Olav", 50));
  EXPECT_EQ(list.ToBytes(), before.ToBytes());
  EXPECT_TRUE(list.Insert("Olav", 51));
  EXPECT_EQ(list.At(10), (TScoreEntry{"Olav", 51}));
  EXPECT_EQ(list.At(9), before.At(9));
}

TEST(ScoreListInsert, ATieGoesBelowTheOlderEntryAndTheLastDropsOff) {
  TScoreList list = FullListEndingAt(50);
  const TScoreList before = list;
  ASSERT_TRUE(list.Insert("Olav", before.At(4).Score));
  EXPECT_EQ(list.At(4), before.At(4));
  EXPECT_EQ(list.At(5), (TScoreEntry{"Olav", before.At(4).Score}));
  EXPECT_EQ(list.At(6), before.At(5));
  EXPECT_EQ(list.At(10), before.At(9));
}

TEST(ScoreListRemove, NeedsTheSameNameAndScoreAndMovesTheRestUp) {
  TScoreList list;
  list.Insert("Olav", 300);
  list.Insert("Hans", 200);
  list.Insert("Olav", 100);
  EXPECT_FALSE(list.Remove("Olav", 200));
  EXPECT_FALSE(list.Remove("olav", 300));
  ASSERT_TRUE(list.Remove("Olav", 300));
  EXPECT_EQ(list.At(1), (TScoreEntry{"Hans", 200}));
  EXPECT_EQ(list.At(2), (TScoreEntry{"Olav", 100}));
  EXPECT_EQ(list.At(10), TScoreEntry{});
}

TEST(ScoreListRemove, FindsANameWhoseCharactersTheFileCannotHold) {
  TScoreList list;
  list.Insert("Ōla", 300);
  const TScoreList reread = TScoreList::FromBytes(list.ToBytes());
  TScoreList copy = reread;
  EXPECT_TRUE(copy.Remove("Ōla", 300));
}

TEST(ScoreFileBytes, LayoutIsNameZeroAndLittleEndianScore) {
  TScoreList list;
  list.Insert("Åse", 0x01020304);
  list.Insert("Bo", 2);
  const std::string expected = "\xC5se\0"s "\x04\x03\x02\x01"s "Bo\0"s "\x02\x00\x00\x00"s +
                               std::string(8 * 5, '\0');
  EXPECT_EQ(list.ToBytes(), expected);
  EXPECT_EQ(TScoreList::FromBytes(expected).ToBytes(), expected);
  EXPECT_EQ(TScoreList::FromBytes(expected).At(1).Name, "Åse");
  EXPECT_EQ(TScoreList::FromBytes("Bo\0\xFE\xFF\xFF\xFF"s).At(1).Score, -2);
}

TEST(ScoreFileBytes, ANameWithAZeroCharacterCannotShiftTheLayout) {
  TScoreList list;
  list.Insert("A\0B"s, 7);
  EXPECT_EQ(TScoreList::FromBytes(list.ToBytes()).At(1), (TScoreEntry{"A?B", 7}));
}

TEST(ScoreFileBytes, ACutFileKeepsWhatItHolds) {
  const std::string bytes = "Olav\0"s "\x78\x00\x00\x00"s "Hans\0"s "\x05\x00"s;
  const TScoreList list = TScoreList::FromBytes(bytes);
  EXPECT_EQ(list.At(1), (TScoreEntry{"Olav", 120}));
  EXPECT_EQ(list.At(2), (TScoreEntry{"Hans", 0}));
  EXPECT_EQ(list.At(3), TScoreEntry{});
  EXPECT_EQ(TScoreList::FromBytes("Ulf").At(1), (TScoreEntry{"Ulf", 0}));
}

TEST(ScoreFileBytes, BytesAfterTheTenthEntryAreIgnored) {
  const std::string ten = FullListEndingAt(50).ToBytes();
  EXPECT_EQ(TScoreList::FromBytes(ten + "garbage").ToBytes(), ten);
}

}  // namespace
}  // namespace fjordheim
