#pragma once

#include <QImage>
#include <QMutex>
#include <QString>
#include <QStringList>

namespace fjordheim {

/// Where the generator reads its sources and writes the game's pictures and sounds.
struct TAssetFolders {
  QString Art;   // data/art: the SVG drawings and scenes.txt
  QString Data;  // data/text/Data: the UTF-8 sources of the text data set
  QString Game;  // the game folder: pictures go to Bilder/, sounds to Sound/
  QString Voice = QStringLiteral("nb");  // the voice of espeak-ng the lines are spoken with
};

/// Makes every picture, zone mask and sound the program and the data name, and the
/// manifest "assets.manifest" that lists them (game paths with backslashes, one a line).
class TAssetGenerator {
 public:
  explicit TAssetGenerator(TAssetFolders folders);

  /// Throws std::runtime_error on a source it cannot read or a file it cannot write.
  void Run();
  /// Speaks only the recorded lines, in the language of the current catalog and of the data
  /// folder, into the sound folder below the game folder: a language's own recordings.
  void RunSpeech();
  /// The game paths made so far, sorted.
  QStringList Made() const;
  /// How many recordings became tones because espeak-ng was missing.
  int ToneCount() const { return FToneCount; }

  static constexpr const char* ManifestName = "assets.manifest";

 private:
  void MakeScenes();
  void MakePeople();
  void MakeListPictures();
  void MakeButtons();
  void MakeDataPictures();
  void MakeSounds();
  void MakeSpeech();
  void WriteManifest() const;

  void SavePicture(const QString& gamePath, const QImage& picture);
  void SaveBytes(const QString& gamePath, const QByteArray& bytes);
  QString FilePath(const QString& gamePath) const;
  void Record(const QString& gamePath);

  TAssetFolders FFolders;
  mutable QMutex FMadeLock;
  QStringList FMade;
  int FToneCount = 0;
};

}  // namespace fjordheim
