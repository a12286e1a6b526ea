#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "tools/assetgen/text_data.h"
#include "tools/assetgen/wave.h"

namespace fjordheim {

/// Speaks lines with a voice of espeak-ng (the Norwegian one unless told) into 16-bit PCM
/// recordings. Without espeak-ng every line becomes a short tone, and Available() says so.
class TSpeaker {
 public:
  explicit TSpeaker(QString voice = QStringLiteral("nb"));

  bool Available() const { return !FProgram.isEmpty(); }
  /// The recording of one line, or the stand-in tone when it cannot be spoken.
  TWave Speak(const QString& text, const QString& name) const;
  /// Speaks every line into soundFolder + its name, a few lines at a time; returns the
  /// number of lines that had to become tones.
  int SpeakAll(const std::vector<TSpokenLine>& lines, const QString& soundFolder) const;

 private:
  std::optional<TWave> Spoken(const QString& text) const;

  QString FProgram;
  QString FVoice;
};

}  // namespace fjordheim
