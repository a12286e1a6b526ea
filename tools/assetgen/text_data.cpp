#include "tools/assetgen/text_data.h"

#include <QFile>
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

void AddOnce(std::vector<TNamedAsset>& assets, const QString& name, const QString& caption) {
  if (name.isEmpty()) return;
  for (const TNamedAsset& asset : assets)
    if (asset.Name.compare(name, Qt::CaseInsensitive) == 0) return;
  assets.push_back({name, caption});
}

}  // namespace

TTextDataNames::TTextDataNames(const QString& dataFolder) {
  ReadAdvice(dataFolder + "/advice.txt");
  ReadEvents(dataFolder + "/Catasts.txt");
  ReadTips(dataFolder + "/popup.txt");
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
