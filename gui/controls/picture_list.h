#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <string>
#include <vector>

#include "core/work/figure_pick.h"
#include "gui/controls/picture_loader.h"

namespace fjordheim {

/// Equally sized pictures with one transparent colour, drawn by index.
class TPictureList {
 public:
  TPictureList() = default;
  TPictureList(QSize size, std::vector<QImage> pictures);

  int Count() const { return static_cast<int>(FPictures.size()); }
  QSize Size() const { return FSize; }
  /// The keyed picture; an empty one for an index outside the list.
  QImage Picture(int index) const;
  void Draw(QPainter& painter, int x, int y, int index) const;
  /// The drawn pixels of a picture (those not transparent); an empty mask outside the list.
  const TFigureMask& Mask(int index) const;

 private:
  QSize FSize;
  std::vector<QImage> FPictures;
  std::vector<TFigureMask> FMasks;
};

/// Builds a list from picsPath + "ListImgs\" + name + ".bmp" for every name, in order.
/// The list takes the size of the first picture; the others are fitted to it, and a
/// missing one leaves an empty place so that the indices stay as given.
TPictureList CreatePictureList(QRgb transparentColour, const std::vector<std::string>& names, const std::string& picsPath,
                               TPictureLoader& loader);

}  // namespace fjordheim
