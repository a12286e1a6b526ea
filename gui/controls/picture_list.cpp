#include "gui/controls/picture_list.h"

#include "gui/controls/draw_transparent.h"

namespace fjordheim {

namespace {

// A pixel at least half covered counts as drawn, as it does when the key colour is cut out.
TFigureMask MaskOf(const QImage& picture) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  std::vector<bool> opaque(static_cast<std::size_t>(argb.width()) * static_cast<std::size_t>(argb.height()));
  std::size_t at = 0;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) opaque[at++] = qAlpha(row[x]) >= 128;
  }
  return {argb.width(), argb.height(), std::move(opaque)};
}

}  // namespace

TPictureList::TPictureList(QSize size, std::vector<QImage> pictures) : FSize(size), FPictures(std::move(pictures)) {
  FMasks.reserve(FPictures.size());
  for (const QImage& picture : FPictures) FMasks.push_back(MaskOf(picture));
}

const TFigureMask& TPictureList::Mask(int index) const {
  static const TFigureMask None;
  if (index < 0 || index >= Count()) return None;
  return FMasks[static_cast<std::size_t>(index)];
}

QImage TPictureList::Picture(int index) const {
  if (index < 0 || index >= Count()) return {};
  return FPictures[static_cast<std::size_t>(index)];
}

void TPictureList::Draw(QPainter& painter, int x, int y, int index) const {
  const QImage picture = Picture(index);
  if (!picture.isNull()) painter.drawImage(x, y, picture);
}

TPictureList CreatePictureList(QRgb transparentColour, const std::vector<std::string>& names, const std::string& picsPath,
                               TPictureLoader& loader) {
  std::vector<QImage> bitmaps;
  bitmaps.reserve(names.size());
  for (const std::string& name : names) bitmaps.push_back(loader.Load(picsPath + "ListImgs\\" + name + ".bmp"));
  const QSize size = bitmaps.empty() ? QSize() : bitmaps.front().size();
  std::vector<QImage> pictures;
  pictures.reserve(bitmaps.size());
  for (const QImage& bitmap : bitmaps) {
    if (bitmap.isNull() || size.isEmpty()) {
      QImage empty(size.isEmpty() ? QSize(1, 1) : size, QImage::Format_ARGB32);
      empty.fill(Qt::transparent);
      pictures.push_back(empty);
      continue;
    }
    const QImage fitted = bitmap.size() == size ? bitmap : bitmap.copy(QRect(QPoint(0, 0), size));
    pictures.push_back(KeyedImage(fitted, transparentColour));
  }
  return {size, std::move(pictures)};
}

}  // namespace fjordheim
