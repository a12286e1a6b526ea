#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

#include "core/game/zone_mask.h"

namespace fjordheim {

/// A picture at the top left, unstretched or enlarged by a scale, with a mask of hit zones
/// beside it: which zone of the picture lies under a pixel. Positions, in the signals as
/// in ZoneAt, are pixels of the picture, whatever the scale it is drawn at.
class TZoneImage : public QWidget {
  Q_OBJECT

 public:
  explicit TZoneImage(QWidget* parent = nullptr);

  /// The picture, with the overlays (pictures of its size whose transparent pixels let it
  /// show through) drawn over it in order; a new picture drops the overlays of the last.
  void SetPicture(const QImage& picture, const std::vector<QImage>& overlays = {});
  const QImage& Picture() const { return FPicture; }
  /// Draws each picture pixel as a square of scale × scale screen pixels.
  void SetScale(double scale);
  double Scale() const { return FScale; }

  /// Loads the mask at path (a game path) unless it is the one loaded already, compared
  /// without regard to letter case. Throws std::runtime_error when it cannot be read; the
  /// control then has no zones until another mask is given.
  void SetMaskFile(const std::string& path);
  const std::string& MaskFile() const { return FMaskFile; }

  /// The zone at pixel (x, y) of the picture shown; 0 where there is none.
  std::uint8_t ZoneAt(int x, int y) const;

 signals:
  void MouseMoved(QPoint at);
  void MouseReleased(QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint PicturePixel(QPointF at) const;

  QImage FPicture;
  double FScale = 1.0;
  std::string FMaskFile;
  TZoneMask FMask;
};

}  // namespace fjordheim
