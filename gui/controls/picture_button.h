#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <string>
#include <string_view>

namespace fjordheim {

class TPictureLoader;

/// A button drawn from pictures: normal, pressed and, for a button with MoveFocus, a
/// highlighted one while the mouse moves over it. The light goes out on the first
/// 100 ms tick without a mouse move, which is how the button learns that the mouse left.
class TPictureButton : public QWidget {
  Q_OBJECT

 public:
  enum class TState : std::uint8_t { Normal = 0, Pressed = 1, Highlighted = 2 };
  static constexpr int HighlightInterval = 100;

  explicit TPictureButton(QWidget* parent = nullptr);

  void SetPicture1(const QImage& picture);
  void SetPicture2(const QImage& picture);
  void SetPicture3(const QImage& picture);
  /// Draws the pictures at their size times scale.
  void SetScale(double scale);
  void SetMoveFocus(bool moveFocus) { FMoveFocus = moveFocus; }
  bool MoveFocus() const { return FMoveFocus; }
  TState State() const { return FState; }
  const QImage& ShownPicture() const;
  bool HighlightTimerActive() const { return FTimer.isActive(); }

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void SetState(TState state);
  void TimerTick();

  QImage FPicture1;
  QImage FPicture2;
  QImage FPicture3;
  TState FState = TState::Normal;
  int FLastX = 0;
  int FLastY = 0;
  bool FButtonDown = false;
  bool FMoveFocus = false;
  double FScale = 1.0;
  int FMoveCount = 0;
  QTimer FTimer;
};

/// Makes a picture button at `where` from the pictures "Buttons\<name>1.bmp" (normal) and
/// "2.bmp" (pressed) of the pictures folder, and for a button that lights up "3.bmp"
/// (highlighted).
TPictureButton* CreatePictureButton(QWidget* parent, TPictureLoader& pictures, const std::string& picsPath,
                                    std::string_view name, QRect where, bool lightsUp);

}  // namespace fjordheim
