#include "core/game/village_hot_spots.h"

#include <algorithm>
#include <array>

#include "core/common/rounding.h"

namespace fjordheim {

namespace {

struct TOutdoorSpot {
  std::uint8_t Zone;
  TPointerShape Pointer;
  const char* Sound;  // nullptr: channel 4 is stopped
  const char* Page;   // nullptr: a click does nothing
};

constexpr auto Help = TPointerShape::Help;
constexpr auto Plain = TPointerShape::Default;
constexpr std::uint8_t HallDoorZone = 80;
constexpr std::uint8_t SweepingZone = 14;

constexpr std::array<TOutdoorSpot, 23> OutdoorSpots{{
    {3, Help, nullptr, "consult.htm"},
    {5, Help, "mono\\hammare.wav", "mireore.htm"},
    {8, Help, "mono\\hund.wav", "pets.htm"},
    {SweepingZone, Plain, "mono\\sopning.wav", nullptr},
    {15, Help, "mono\\kor.wav", "pets.htm"},
    {17, Help, nullptr, "pets.htm"},
    {30, Help, nullptr, "agricult.htm"},
    {35, Help, "mono\\älg.wav", "hunting.htm"},
    {59, Plain, nullptr, nullptr},
    {69, Plain, "mono\\tvätta.wav", nullptr},
    {70, Plain, "mono\\vindsus.wav", nullptr},
    {HallDoorZone, Help, nullptr, nullptr},
    {83, Help, nullptr, "agricult.htm"},
    {87, Plain, nullptr, nullptr},
    {101, Help, nullptr, "pets.htm"},
    {137, Plain, nullptr, nullptr},
    {180, Help, "mono\\båtbygge.wav", "harbour.htm"},
    {185, Help, nullptr, "runesto.htm"},
    {193, Help, "mono\\gåskacke.wav", "pets.htm"},
    {196, Help, nullptr, "pets.htm"},
    {210, Help, nullptr, "fishing.htm"},
    {241, Help, nullptr, "play.htm"},
    {250, Plain, nullptr, nullptr},
}};

struct TIndoorSpot {
  std::uint8_t Zone;
  const char* Page;
};

constexpr std::array<TIndoorSpot, 8> IndoorSpots{{
    {5, "Clothes.htm"},
    {30, "tools.htm"},
    {35, "Clothes.htm"},
    {70, nullptr},
    {180, "gods.htm"},
    {185, "food.htm"},
    {210, "play.htm"},
    {253, "food.htm"},
}};

const TOutdoorSpot* FindOutdoor(std::uint8_t zone) {
  const auto* spot = std::find_if(OutdoorSpots.begin(), OutdoorSpots.end(), [zone](const auto& s) { return s.Zone == zone; });
  return spot == OutdoorSpots.end() ? nullptr : spot;
}

const TIndoorSpot* FindIndoor(std::uint8_t zone) {
  const auto* spot = std::find_if(IndoorSpots.begin(), IndoorSpots.end(), [zone](const auto& s) { return s.Zone == zone; });
  return spot == IndoorSpots.end() ? nullptr : spot;
}

TSpotClick PageClick(const char* page) {
  if (page == nullptr) return {};
  return {TSpotClick::TKind::Page, page};
}

}  // namespace

std::string SeasonSoundName(TSeason season) {
  switch (season) {
    case TSeason::Autumn: return "stereo\\höst.wav";
    case TSeason::Winter: return "stereo\\vinter.wav";
    case TSeason::Spring: return "stereo\\vår.wav";
    case TSeason::Summer: return "stereo\\sommar.wav";
  }
  return {};
}

TPointerReaction TVillageHotSpots::Move(std::uint8_t zone, TSeason season) {
  if (zone == 0) {
    FLastZone = 0;
    return {TPointerShape::Default, {TSpotSound::TKind::Stop, {}}};
  }
  if (zone == FLastZone) return {};
  TPointerReaction reaction;
  if (FIndoor) {
    const TIndoorSpot* spot = FindIndoor(zone);
    reaction.Pointer = spot != nullptr ? TPointerShape::Help : TPointerShape::Default;
  } else {
    reaction = MoveOutdoor(zone, season);
  }
  FLastZone = zone;
  return reaction;
}

TPointerReaction TVillageHotSpots::MoveOutdoor(std::uint8_t zone, TSeason season) const {
  const TOutdoorSpot* spot = FindOutdoor(zone);
  if (spot == nullptr) return {};
  TPointerReaction reaction;
  reaction.Pointer = spot->Pointer;
  // The yard is not swept in winter; the spot then keeps whatever channel 4 plays.
  if (zone == SweepingZone && season == TSeason::Winter) return reaction;
  if (spot->Sound != nullptr) {
    reaction.Sound = {TSpotSound::TKind::Play, spot->Sound};
  } else if (FLastZone != 0) {
    reaction.Sound = {TSpotSound::TKind::Stop, {}};
  }
  return reaction;
}

TSpotClick TVillageHotSpots::Click(std::uint8_t zone) const {
  if (zone == 0) return {};
  if (FIndoor) {
    const TIndoorSpot* spot = FindIndoor(zone);
    return spot == nullptr ? TSpotClick{} : PageClick(spot->Page);
  }
  if (zone == HallDoorZone) return {TSpotClick::TKind::EnterIndoor, {}};
  const TOutdoorSpot* spot = FindOutdoor(zone);
  return spot == nullptr ? TSpotClick{} : PageClick(spot->Page);
}

TBustleVolumes BustleVolumesAt(int y, int height) {
  if (height <= 0) return {SeasonMusicVolume, SeasonMusicVolume};
  const long double k = 2000.0L / height;
  const auto bustle = static_cast<int>(std::clamp<std::int64_t>(Round(k * y - 1000), -10000, 0));
  const auto season = static_cast<int>(std::clamp<std::int64_t>(Round(-k * y - 2000), -10000, 0));
  return {bustle, season};
}

}  // namespace fjordheim
