#pragma once

#include <QSize>
#include <QString>
#include <vector>

namespace fjordheim {

/// A recording the data names and the text it speaks.
struct TSpokenLine {
  QString Sound;  // below the sound folder, with backslashes ("advice\x.wav")
  QString Text;
};

/// A picture or sound the data names, with the words that say what it shows.
struct TNamedAsset {
  QString Name;
  QString Caption;
  QSize Size;  // as the page that shows it says; empty where nothing says
};

/// The names the text data set gives to pictures and recordings, read from its UTF-8
/// sources (data/text/Data, and the pages of data/text/Html beside it). A missing file
/// names nothing.
class TTextDataNames {
 public:
  explicit TTextDataNames(const QString& dataFolder);

  /// Every advice with its recording, from "advice.txt".
  const std::vector<TSpokenLine>& AdviceLines() const { return FAdvice; }
  /// The pictures of the events of "Catasts.txt", captioned by their headings.
  const std::vector<TNamedAsset>& EventPictures() const { return FEventPictures; }
  /// The sounds of the events.
  const std::vector<TNamedAsset>& EventSounds() const { return FEventSounds; }
  /// The tip pictures of "popup.txt" ("BITMAP"), captioned by the tip's text.
  const std::vector<TNamedAsset>& TipPictures() const { return FTipPictures; }
  /// The pictures of the information pages and the page template ("<img src=
  /// "../Bilder/x.bmp" width= height= alt=>"), captioned by their alt text.
  const std::vector<TNamedAsset>& PagePictures() const { return FPagePictures; }

 private:
  void ReadAdvice(const QString& path);
  void ReadEvents(const QString& path);
  void ReadTips(const QString& path);
  void ReadPage(const QString& path);

  std::vector<TSpokenLine> FAdvice;
  std::vector<TNamedAsset> FEventPictures;
  std::vector<TNamedAsset> FEventSounds;
  std::vector<TNamedAsset> FTipPictures;
  std::vector<TNamedAsset> FPagePictures;
};

}  // namespace fjordheim
