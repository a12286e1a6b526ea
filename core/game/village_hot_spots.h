#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/common/season.h"

namespace fjordheim {

enum class TPointerShape : std::uint8_t { Default, Help };

/// What the pointer's move does to sound channel 4, the channel of the hot spots.
struct TSpotSound {
  enum class TKind : std::uint8_t { Keep, Stop, Play };
  TKind Kind = TKind::Keep;
  std::string File;  ///< a file in SoundPath, for Play

  bool operator==(const TSpotSound&) const = default;
};

struct TPointerReaction {
  std::optional<TPointerShape> Pointer;  ///< empty: the pointer stays as it is
  TSpotSound Sound;
};

/// What a click on a zone does: nothing, a page of the html folder, or into the hall.
struct TSpotClick {
  enum class TKind : std::uint8_t { Nothing, Page, EnterIndoor };
  TKind Kind = TKind::Nothing;
  std::string Page;  ///< a file in HtmlPath, for Page

  bool operator==(const TSpotClick&) const = default;
};

/// Volumes (hundredths of a decibel) of the bustle on channel 1 and the season's sound
/// on channel 2: the bustle grows towards the bottom of the picture, the season fades.
struct TBustleVolumes {
  int Bustle = 0;
  int Season = 0;
};

inline constexpr const char* BustleSound = "stereo\\bysorl.wav";
inline constexpr const char* HallSound = "stereo\\matsal.wav";
inline constexpr int SeasonMusicVolume = -1000;

/// The looping sound of each season on channel 2, a file in SoundPath.
std::string SeasonSoundName(TSeason season);

/// The hot spots of the village picture and of the chief's hall: which pointer, which
/// sound on channel 4 and which page belong to a zone of the mask, and the last zone
/// the pointer was over so that a sound plays once per visit of a zone.
class TVillageHotSpots {
 public:
  /// The pointer moved onto zone (0 is none) in the given season.
  TPointerReaction Move(std::uint8_t zone, TSeason season);
  /// A mouse button was released over zone.
  TSpotClick Click(std::uint8_t zone) const;

  void SetIndoor(bool indoor) { FIndoor = indoor; }
  bool Indoor() const { return FIndoor; }
  std::uint8_t LastZone() const { return FLastZone; }

 private:
  TPointerReaction MoveOutdoor(std::uint8_t zone, TSeason season) const;

  bool FIndoor = false;
  std::uint8_t FLastZone = 0;
};

/// The volumes for the pointer at height y of a picture height pixels high. Values the
/// formula puts above full volume are held at full volume (0).
TBustleVolumes BustleVolumesAt(int y, int height);

}  // namespace fjordheim
