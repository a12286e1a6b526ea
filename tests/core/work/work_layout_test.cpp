#include "core/work/work_layout.h"

#include <gtest/gtest.h>

#include "core/work/work_places.h"

namespace fjordheim {
namespace {

using G = TRowGroup;
constexpr TWorkRect Farming{53, 287, 246, 434};

TEST(ArrangeHumanRows, MenWomenAndYouthsEachFillTheirOwnRowInListOrder) {
  const auto places = ArrangeHumanRows(Farming, {G::Youth, G::AdultMan, G::AdultWoman, G::AdultMan, G::Other});
  ASSERT_EQ(places.size(), 5U);
  EXPECT_EQ(places[0], (TIconPlace{53, 287 + 96}));
  EXPECT_EQ(places[1], (TIconPlace{53, 287}));
  EXPECT_EQ(places[2], (TIconPlace{53, 287 + 51}));
  EXPECT_EQ(places[3], (TIconPlace{53 + 16, 287}));
  EXPECT_FALSE(places[4].has_value());
}

TEST(RowGroupOf, AnAdultWithAnOddSexByteStandsWithTheWomenAndKeepsHisByte) {
  const THumanInfo odd(static_cast<TSex>(2), 30, TWorkKind::Idle);
  EXPECT_EQ(RowGroupOf(odd), G::AdultWoman);
  EXPECT_EQ(HumanPictureIndex(odd), 1);
  EXPECT_EQ(static_cast<int>(odd.Sex), 2);
  EXPECT_EQ(RowGroupOf(THumanInfo(static_cast<TSex>(2), 10, TWorkKind::Idle)), G::Youth);
  EXPECT_EQ(RowGroupOf(THumanInfo(static_cast<TSex>(2), 60, TWorkKind::Idle)), G::Other);
  const auto places = ArrangeHumanRows(Farming, {RowGroupOf(odd)});
  EXPECT_TRUE(places[0].has_value());
  EXPECT_EQ(ArrangeIdleRow(IdleStripBounds, {RowGroupOf(odd)})[0].has_value(), true);
}

TEST(ArrangeHumanRows, TheStepShrinksSoTheWidestRowFits) {
  std::vector<G> crowd(20, G::AdultWoman);
  EXPECT_EQ(HumanRowStep(Farming, crowd), 193 / 20);
  EXPECT_EQ(HumanRowStep(Farming, {}), 16);
  const auto places = ArrangeHumanRows(Farming, crowd);
  EXPECT_EQ(places[19]->X, 53 + 19 * 9);
}

TEST(HumanRowCounts, OnlyNonEmptyRowsAreCountedBesideTheirLastIcon) {
  const auto labels = HumanRowCounts(Farming, {G::AdultMan, G::AdultMan, G::Youth});
  ASSERT_EQ(labels.size(), 2U);
  EXPECT_EQ(labels[0], (TRowCount{53 + 16 + 32, 287 + 34, 2}));
  EXPECT_EQ(labels[1], (TRowCount{53 + 32, 287 + 120, 1}));
}

TEST(ArrangeIdleRow, MenThenWomenLowerThenYouthsInOneRow) {
  const auto places = ArrangeIdleRow(IdleStripBounds, {G::Youth, G::AdultWoman, G::AdultMan, G::AdultMan});
  EXPECT_EQ(places[2], (TIconPlace{193, 8}));
  EXPECT_EQ(places[3], (TIconPlace{213, 8}));
  EXPECT_EQ(places[1], (TIconPlace{233, 11}));
  EXPECT_EQ(places[0], (TIconPlace{253, 8}));
  std::vector<G> many(100, G::Youth);
  EXPECT_EQ(ArrangeIdleRow(IdleStripBounds, many)[1]->X, 193 + (355 - 32) / 100);
}

TEST(ArrangeAnimalPen, EachKindHasItsBandAndTwelveToARow) {
  std::vector<TAnimalKind> kinds(13, TAnimalKind::Sheep);
  kinds.push_back(TAnimalKind::Hen);
  const auto places = ArrangeAnimalPen(AnimalPenBounds, kinds, 26);
  EXPECT_EQ(places[0], (TIconPlace{58, 43 + 90}));
  EXPECT_EQ(places[11], (TIconPlace{58 + 11 * 29, 43 + 90}));
  EXPECT_EQ(places[12], (TIconPlace{58, 43 + 90 + 13}));
  EXPECT_EQ(places[13], (TIconPlace{58, 43 + 120}));
}

TEST(ArrangeAnimalPen, AHugeHerdKeepsToThePenAndASmallOneKeepsItsRows) {
  for (const TAnimalKind kind : {TAnimalKind::Cow, TAnimalKind::Hen}) {
    const std::vector<TAnimalKind> herd(5000, kind);
    const auto places = ArrangeAnimalPen(AnimalPenBounds, herd, 26);
    for (const TIconPlace& place : places) {
      ASSERT_GE(place.Y, AnimalPenBounds.Top);
      ASSERT_LE(place.Y + 26, AnimalPenBounds.Bottom);
    }
    EXPECT_GT(places.back().Y, places.front().Y);
  }
  const std::vector<TAnimalKind> hens(36, TAnimalKind::Hen);
  const auto places = ArrangeAnimalPen(AnimalPenBounds, hens, 26);
  EXPECT_EQ(places[12].Y - places[0].Y, 13);
  EXPECT_LE(places.back().Y + 26, AnimalPenBounds.Bottom);
}

bool Overlap(TIconPlace a, TIconPlace b, int width, int height) {
  return TWorkRect{a.X, a.Y, a.X + width, a.Y + height}.Intersects({b.X, b.Y, b.X + width, b.Y + height});
}

bool OnTable(TIconPlace place, int width, int height) {
  return place.X >= SlaughterPenBounds.Left && place.Y >= SlaughterPenBounds.Top &&
         place.X + width <= SlaughterPenBounds.Right && place.Y + height <= SlaughterPenBounds.Bottom;
}

TEST(ArrangeMeat, PiecesThatFitLieApartOnTheTableInReadingOrder) {
  const auto places = ArrangeMeat(SlaughterPenBounds, 40, 28, 26);
  ASSERT_EQ(places.size(), 40U);
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_TRUE(OnTable(places[i], 28, 26)) << i;
    for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(places[i], places[j], 28, 26)) << i << " on " << j;
  }
  EXPECT_EQ(places[0].Y, SlaughterPenBounds.Top);
  EXPECT_LT(places[0].X, places[1].X);
  EXPECT_EQ(places[0].Y, places[1].Y);
  EXPECT_GT(places[39].Y, places[0].Y);
}

TEST(ArrangeMeat, MorePiecesThanCellsComeCloserButStayOnTheTable) {
  const auto places = ArrangeMeat(SlaughterPenBounds, 300, 28, 26);
  for (const TIconPlace& place : places) EXPECT_TRUE(OnTable(place, 28, 26)) << place.X << "," << place.Y;
  EXPECT_EQ(places.back().Y, SlaughterPenBounds.Bottom - 26);
  EXPECT_TRUE(ArrangeMeat(SlaughterPenBounds, 0, 28, 26).empty());
  // A table narrower than a piece still gives every piece a place, at its left edge.
  const auto narrow = ArrangeMeat({10, 10, 20, 100}, 3, 28, 26);
  ASSERT_EQ(narrow.size(), 3U);
  EXPECT_EQ(narrow[2].X, 10);
}

TEST(KeepInside, AnIconPushedPastAnEdgeEndsFlushWithIt) {
  const TWorkRect icon{0, 0, 32, 45};
  EXPECT_EQ(KeepInside(icon, -10, -3, 563, 480), (TWorkRect{0, 0, 32, 45}));
  EXPECT_EQ(KeepInside(icon, 550, 470, 563, 480), (TWorkRect{531, 435, 563, 480}));
  EXPECT_EQ(KeepInside(icon, 100, 100, 563, 480), (TWorkRect{100, 100, 132, 145}));
  EXPECT_EQ(KeepInside(icon, 5, 5, 20, 20), (TWorkRect{0, 0, 32, 45}));
}

TEST(WorkRect, ABandDrawnEitherWayIsTheSameRectangle) {
  EXPECT_EQ((TWorkRect{300, 200, 100, 50}).Normalised(), (TWorkRect{100, 50, 300, 200}));
  EXPECT_FALSE((TWorkRect{0, 0, 10, 10}).Contains(10, 5));
  EXPECT_FALSE((TWorkRect{0, 0, 10, 10}).Contains(5, 10));
}

TEST(WorkAreaSound, SwitchesOnceBetweenAreasAndStopsOutsideThemAll) {
  TWorkAreaSound sound;
  auto action = sound.Move(60, 100);
  EXPECT_EQ(action.Kind, TWorkAreaSound::TAction::TKind::Play);
  EXPECT_EQ(action.Sound, "stereo\\jaktfisk.wav");
  EXPECT_EQ(sound.Move(70, 110).Kind, TWorkAreaSound::TAction::TKind::Nothing);
  action = sound.Move(256, 100);
  EXPECT_EQ(action.Sound, "stereo\\boskap.wav");
  EXPECT_EQ(sound.Move(246, 100).Kind, TWorkAreaSound::TAction::TKind::Stop);
  EXPECT_EQ(sound.CurrentArea(), 0);
  EXPECT_EQ(sound.Move(10, 10).Kind, TWorkAreaSound::TAction::TKind::Nothing);
}

TEST(WorkKindForDigit, DigitsOneToFourAreTheWorkPlacesAndZeroIsIdle) {
  EXPECT_EQ(WorkKindForDigit(1), TWorkKind::HuntFish);
  EXPECT_EQ(WorkKindForDigit(2), TWorkKind::Cattle);
  EXPECT_EQ(WorkKindForDigit(3), TWorkKind::Household);
  EXPECT_EQ(WorkKindForDigit(4), TWorkKind::Farming);
  EXPECT_EQ(WorkKindForDigit(0), TWorkKind::Idle);
  EXPECT_FALSE(WorkKindForDigit(5).has_value());
}

}  // namespace
}  // namespace fjordheim
