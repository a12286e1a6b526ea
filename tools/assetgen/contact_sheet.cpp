#include "tools/assetgen/contact_sheet.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QStringList>
#include <stdexcept>

#include "tools/assetgen/asset_generator.h"

namespace fjordheim {

namespace {

constexpr int Columns = 8;
constexpr int CellWidth = 200;
constexpr int CellHeight = 190;
constexpr int LabelHeight = 18;

}  // namespace

QImage TContactSheet::Make(const QString& gameFolder) {
  QFile manifest(QDir(gameFolder).filePath(TAssetGenerator::ManifestName));
  if (!manifest.open(QIODevice::ReadOnly)) throw std::runtime_error("no manifest in " + gameFolder.toStdString());
  QStringList pictures;
  for (const QString& line : QString::fromUtf8(manifest.readAll()).split('\n'))
    if (line.endsWith(".bmp", Qt::CaseInsensitive)) pictures.append(line);
  const int rows = (int(pictures.size()) + Columns - 1) / Columns;
  QImage sheet(Columns * CellWidth, qMax(1, rows) * CellHeight, QImage::Format_RGB888);
  sheet.fill(QColor("#404040"));
  QPainter painter(&sheet);
  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setPixelSize(10);
  painter.setFont(font);
  for (int i = 0; i < pictures.size(); ++i) {
    const QRect cell((i % Columns) * CellWidth, (i / Columns) * CellHeight, CellWidth, CellHeight);
    const QImage picture(QDir(gameFolder).filePath(QString(pictures[i]).replace('\\', '/')));
    const QSize room(CellWidth - 8, CellHeight - LabelHeight - 8);
    // Small pictures are shown at a whole multiple of their size so their pixels stay sharp.
    QSize shown = picture.size();
    if (!picture.isNull() && shown.width() <= room.width() / 2 && shown.height() <= room.height() / 2) {
      const int factor = qMin(room.width() / shown.width(), room.height() / shown.height());
      shown *= qMin(factor, 4);
    } else {
      shown.scale(room, Qt::KeepAspectRatio);
    }
    const QRect target(cell.x() + (CellWidth - shown.width()) / 2, cell.y() + 4, shown.width(), shown.height());
    painter.drawImage(target, picture);
    const QString label = QString(pictures[i]).section('\\', 1) + QString(" %1x%2").arg(picture.width()).arg(picture.height());
    painter.drawText(QRect(cell.x(), cell.bottom() - LabelHeight, CellWidth, LabelHeight), Qt::AlignCenter, label);
  }
  painter.end();
  return sheet;
}

}  // namespace fjordheim
