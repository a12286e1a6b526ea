#include "gui/controls/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "gui/controls/picture_loader.h"

namespace fjordheim {

TPictureButton::TPictureButton(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  FTimer.setInterval(HighlightInterval);
  connect(&FTimer, &QTimer::timeout, this, &TPictureButton::TimerTick);
}

void TPictureButton::SetPicture1(const QImage& picture) {
  FPicture1 = picture;
  update();
}

void TPictureButton::SetPicture2(const QImage& picture) {
  FPicture2 = picture;
  update();
}

void TPictureButton::SetPicture3(const QImage& picture) {
  FPicture3 = picture;
  update();
}

void TPictureButton::SetScale(double scale) {
  FScale = scale > 0 ? scale : 1.0;
  update();
}

const QImage& TPictureButton::ShownPicture() const {
  switch (FState) {
    case TState::Pressed: return FPicture2;
    case TState::Highlighted: return FPicture3;
    case TState::Normal: break;
  }
  return FPicture1;
}

void TPictureButton::paintEvent(QPaintEvent*) {
  const QImage& picture = ShownPicture();
  if (picture.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, std::floor(FScale) != FScale);
  painter.drawImage(QRectF(0, 0, picture.width() * FScale, picture.height() * FScale), picture);
}

void TPictureButton::mousePressEvent(QMouseEvent* event) {
  SetState(TState::Pressed);
  FButtonDown = true;
  QWidget::mousePressEvent(event);
}

void TPictureButton::mouseReleaseEvent(QMouseEvent* event) {
  SetState(TState::Normal);
  FButtonDown = false;
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked();
}

void TPictureButton::mouseMoveEvent(QMouseEvent* event) {
  if (FMoveFocus) {
    const QPoint at = event->position().toPoint();
    // A move straight along a row or column from the last recorded point does not
    // light the button; only a move in both directions does.
    if (FState == TState::Highlighted || at.x() == FLastX || at.y() == FLastY) {
      FLastX = at.x();
      FLastY = at.y();
    } else {
      SetState(TState::Highlighted);
    }
    ++FMoveCount;
    if (!FTimer.isActive()) FTimer.start();
  }
  QWidget::mouseMoveEvent(event);
}

void TPictureButton::SetState(TState state) {
  FState = state;
  update();
}

void TPictureButton::TimerTick() {
  if (FState != TState::Highlighted || FButtonDown) return;
  if (FMoveCount < 1) {
    SetState(TState::Normal);
    FTimer.stop();
  } else {
    FMoveCount = 0;
  }
}

TPictureButton* CreatePictureButton(QWidget* parent, TPictureLoader& pictures, const std::string& picsPath,
                                    std::string_view name, QRect where, bool lightsUp) {
  auto* button = new TPictureButton(parent);
  button->setGeometry(where);
  const std::string base = picsPath + "Buttons\\" + std::string(name);
  button->SetPicture1(pictures.Load(base + "1.bmp"));
  button->SetPicture2(pictures.Load(base + "2.bmp"));
  if (lightsUp) {
    button->SetPicture3(pictures.Load(base + "3.bmp"));
    button->SetMoveFocus(true);
  }
  return button;
}

}  // namespace fjordheim
