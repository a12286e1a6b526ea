#pragma once

#include <QImage>
#include <QWidget>

namespace fjordheim {

/// A picture control: the picture at the top left, centred, or stretched over the
/// control; with AutoSize the control takes the picture's size.
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
  bool AutoSize() const { return FAutoSize; }

  /// The rectangle the picture is drawn into.
  virtual QRect DestRect() const;

 signals:
  void Clicked(QPoint at);
  void MouseReleased(QPoint at, Qt::MouseButton button);

 protected:
  virtual void PictureChanged();
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage FPicture;
  bool FAutoSize = false;
  bool FCenter = false;
  bool FStretch = false;
};

}  // namespace fjordheim
