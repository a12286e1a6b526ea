#include "tools/assetgen/text_data.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace fjordheim {

namespace {

QStringList LinesOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  for (QString& line : lines) line = line.trimmed();
  return lines;
}

void AddOnce(std::vector<TNamedAsset>& assets, const QString& name, const QString& caption, QSize size = {}) {
  if (name.isEmpty()) return;
  for (const TNamedAsset& asset : assets)
    if (asset.Name.compare(name, Qt::CaseInsensitive) == 0) return;
  assets.push_back({name, caption, size});
}

QString Attribute(const QString& tag, const QString& name) {
  const QRegularExpression pattern("\\b" + name + "\\s*=\\s*\"([^\"]*)\"", QRegularExpression::CaseInsensitiveOption);
  return pattern.match(tag).captured(1);
}

// Page sizes are a designer's choice, but a picture the generator cannot sensibly draw
// (none, or larger than the game's screen) gets the common size of the pages.
QSize PictureSize(const QString& tag) {
  const int width = Attribute(tag, "width").toInt(), height = Attribute(tag, "height").toInt();
  if (width < 8 || height < 8 || width > 640 || height > 480) return {240, 180};
  return {width, height};
}

}  // namespace

TTextDataNames::TTextDataNames(const QString& dataFolder) {
  ReadAdvice(dataFolder + "/advice.txt");
  ReadEvents(dataFolder + "/Catasts.txt");
  ReadTips(dataFolder + "/popup.txt");
  ReadPage(dataFolder + "/template.htm");
  const QDir pages(dataFolder + "/../Html");
  for (const QString& page : pages.entryList({"*.htm", "*.html"}, QDir::Files, QDir::Name)) ReadPage(pages.filePath(page));
}

// A "+" line is the pending text, a "-" line its recording, as the advice reader takes them.
void TTextDataNames::ReadAdvice(const QString& path) {
  QString pending;
  for (const QString& line : LinesOf(path)) {
    if (line.startsWith('+')) {
      pending = line.mid(1).trimmed();
    } else if (line.startsWith('-')) {
      const QString sound = line.mid(1).trimmed();
      bool known = sound.isEmpty();
      for (const TSpokenLine& advice : FAdvice) known = known || advice.Sound.compare(sound, Qt::CaseInsensitive) == 0;
      if (!known) FAdvice.push_back({sound, pending});
      pending.clear();
    }
  }
}

void TTextDataNames::ReadEvents(const QString& path) {
  QString heading, picture, sound;
  for (const QString& line : LinesOf(path)) {
    if (line.startsWith("NODE")) {
      heading.clear();
      picture.clear();
      sound.clear();
    } else if (line.startsWith('*')) {
      heading = line.mid(1).trimmed();
    } else if (line.startsWith('-')) {
      picture = line.mid(1).trimmed();
    } else if (line.startsWith('+')) {
      sound = line.mid(1).trimmed();
    } else if (line.startsWith("ENDNODE")) {
      AddOnce(FEventPictures, picture, heading);
      AddOnce(FEventSounds, sound, heading);
    }
  }
}

void TTextDataNames::ReadTips(const QString& path) {
  QString text, bitmap;
  const auto flush = [&] {
    AddOnce(FTipPictures, bitmap, text);
    text.clear();
    bitmap.clear();
  };
  for (const QString& line : LinesOf(path)) {
    if (line.startsWith('[')) {
      flush();
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) continue;
    const QString key = line.left(equals).trimmed().toUpper();
    if (key == "TEXT") text = line.mid(equals + 1).trimmed();
    if (key == "BITMAP") bitmap = line.mid(equals + 1).trimmed();
  }
  flush();
}

}  // namespace fjordheim

namespace fjordheim {

// Only pictures of the pictures folder are the generator's: "../Bilder/x.bmp".
void TTextDataNames::ReadPage(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QString page = QString::fromUtf8(file.readAll());
  const QRegularExpression image("<img\\b[^>]*>", QRegularExpression::CaseInsensitiveOption);
  for (auto match = image.globalMatch(page); match.hasNext();) {
    const QString tag = match.next().captured(0);
    const QString source = Attribute(tag, "src").replace('\\', '/');
    const QString prefix = "../Bilder/";
    if (!source.startsWith(prefix, Qt::CaseInsensitive) || source.mid(prefix.size()).contains('/')) continue;
    AddOnce(FPagePictures, source.mid(prefix.size()), Attribute(tag, "alt"), PictureSize(tag));
  }
}

}  // namespace fjordheim
