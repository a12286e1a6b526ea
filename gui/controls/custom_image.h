#pragma once

#include <QImage>
#include <QWidget>

namespace fjordheim {

/// A picture control: the picture at the top left, centred, or stretched over the
/// control; with AutoSize the control takes the picture's size. Unstretched, the picture
/// is drawn at its size times the scale.
class TCustomImage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int DefaultSize = 105;

  explicit TCustomImage(QWidget* parent = nullptr);

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return FPicture; }
  void SetAutoSize(bool autoSize);
  void SetCenter(bool center);
  void SetStretch(bool stretch);
  void SetScale(double scale);
  double Scale() const { return FScale; }
  bool AutoSize() const { return FAutoSize; }

  /// The rectangle the picture is drawn into.
  virtual QRect DestRect() const;

 signals:
  void Clicked(QPoint at);
  void MouseReleased(QPoint at, Qt::MouseButton button);

 protected:
  virtual void PictureChanged();
  QSize ScaledPictureSize() const;
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage FPicture;
  bool FAutoSize = false;
  bool FCenter = false;
  bool FStretch = false;
  double FScale = 1.0;
};

}  // namespace fjordheim
