#include "core/game/village_hot_spots.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

using TKind = TSpotSound::TKind;

TEST(VillageHotSpots, ASpotSoundsOncePerVisit) {
  TVillageHotSpots spots;
  EXPECT_EQ(spots.Move(5, TSeason::Autumn).Sound, (TSpotSound{TKind::Play, "mono\\hammare.wav"}));
  EXPECT_EQ(spots.Move(5, TSeason::Autumn).Sound.Kind, TKind::Keep);
  EXPECT_FALSE(spots.Move(5, TSeason::Autumn).Pointer.has_value());
  const TPointerReaction away = spots.Move(0, TSeason::Autumn);
  EXPECT_EQ(away.Sound.Kind, TKind::Stop);
  EXPECT_EQ(away.Pointer, TPointerShape::Default);
  EXPECT_EQ(spots.Move(5, TSeason::Autumn).Sound.Kind, TKind::Play);
}

TEST(VillageHotSpots, ASilentSpotStopsOnlyWhatAnotherSpotStarted) {
  TVillageHotSpots spots;
  EXPECT_EQ(spots.Move(3, TSeason::Summer).Sound.Kind, TKind::Keep);
  EXPECT_EQ(spots.Move(35, TSeason::Summer).Sound.File, "mono\\älg.wav");
  // From the elk straight to the smithy: the new sound replaces the old, no stop first.
  EXPECT_EQ(spots.Move(5, TSeason::Summer).Sound.Kind, TKind::Play);
  const TPointerReaction hall = spots.Move(3, TSeason::Summer);
  EXPECT_EQ(hall.Sound.Kind, TKind::Stop);
  EXPECT_EQ(hall.Pointer, TPointerShape::Help);
}

TEST(VillageHotSpots, TheYardIsSweptExceptInWinter) {
  TVillageHotSpots spots;
  const TPointerReaction winter = spots.Move(14, TSeason::Winter);
  EXPECT_EQ(winter.Pointer, TPointerShape::Default);
  EXPECT_EQ(winter.Sound.Kind, TKind::Keep);
  spots.Move(0, TSeason::Spring);
  EXPECT_EQ(spots.Move(14, TSeason::Spring).Sound.File, "mono\\sopning.wav");
}

TEST(VillageHotSpots, UnknownZonesChangeNothingButAreRemembered) {
  TVillageHotSpots spots;
  const TPointerReaction unknown = spots.Move(99, TSeason::Autumn);
  EXPECT_FALSE(unknown.Pointer.has_value());
  EXPECT_EQ(unknown.Sound.Kind, TKind::Keep);
  EXPECT_EQ(spots.LastZone(), 99);
  EXPECT_EQ(spots.Click(99), TSpotClick{});
}

TEST(VillageHotSpots, ClicksOutdoorAndIndoor) {
  TVillageHotSpots spots;
  EXPECT_EQ(spots.Click(0), TSpotClick{});
  EXPECT_EQ(spots.Click(180), (TSpotClick{TSpotClick::TKind::Page, "harbour.htm"}));
  EXPECT_EQ(spots.Click(80).Kind, TSpotClick::TKind::EnterIndoor);
  EXPECT_EQ(spots.Click(14), TSpotClick{});
  spots.SetIndoor(true);
  EXPECT_EQ(spots.Click(80), TSpotClick{});
  EXPECT_EQ(spots.Click(180).Page, "gods.htm");
  EXPECT_EQ(spots.Click(70), TSpotClick{});
  EXPECT_EQ(spots.Move(253, TSeason::Autumn).Pointer, TPointerShape::Help);
  const TPointerReaction plain = spots.Move(12, TSeason::Autumn);
  EXPECT_EQ(plain.Pointer, TPointerShape::Default);
  EXPECT_EQ(plain.Sound.Kind, TKind::Keep);
}

TEST(BustleVolumesAt, TopMiddleAndBottomOfThePicture) {
  EXPECT_EQ(BustleVolumesAt(0, 480).Bustle, -1000);
  EXPECT_EQ(BustleVolumesAt(0, 480).Season, -2000);
  EXPECT_EQ(BustleVolumesAt(240, 480).Bustle, 0);
  EXPECT_EQ(BustleVolumesAt(240, 480).Season, -3000);
  // Below the middle the bustle would be louder than full; it stays at full.
  EXPECT_EQ(BustleVolumesAt(479, 480).Bustle, 0);
  EXPECT_EQ(BustleVolumesAt(479, 480).Season, -3996);
  EXPECT_EQ(BustleVolumesAt(10, 0).Bustle, SeasonMusicVolume);
}

}  // namespace
}  // namespace fjordheim
