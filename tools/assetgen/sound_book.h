#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "tools/assetgen/wave.h"

namespace fjordheim {

/// One synthesised sound and where it goes below the sound folder ("mono\kor.wav").
struct TSoundRecipe {
  QString Path;
  std::function<TWave()> Make;
};

/// The recipes of every synthesised sound: the click, the effects of the hot spots,
/// the seamless loops of the village, seasons, hall, work areas and title, and the
/// cheering and booing of the intro.
class TSoundBook {
 public:
  static std::vector<TSoundRecipe> ProgramSounds();
  /// An effect for a sound an event of the data names, chosen by the words of its
  /// name ("brann" crackles, "skip" sounds of waves); a chime for a name it does not know.
  static TWave EventSound(const QString& name);
  /// A short tone in place of a recording that could not be spoken.
  static TWave StandInTone(const QString& name);
  /// A stable seed from a name (the same in every run and on every machine).
  static std::uint64_t SeedOf(const QString& name);
};

}  // namespace fjordheim
