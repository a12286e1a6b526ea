#include "gui/app/scaled_view.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsSceneMouseEvent>
#include <QMouseEvent>

#include <cmath>

namespace fjordheim {
namespace {

// A scene gives the release only to the item that accepted the press, but most game
// widgets act on the release alone and leave the press unaccepted. The screen
// therefore takes every press, so the release reaches the widget that was pressed,
// as it would in a plain window.
class TScreenProxy : public QGraphicsProxyWidget {
 protected:
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override {
    QGraphicsProxyWidget::mousePressEvent(event);
    event->accept();
  }
};

}  // namespace

TScaledView::TScaledView(QWidget* screen, QWidget* parent) : QGraphicsView(parent) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setBackgroundBrush(Qt::black);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMouseTracking(true);
  FScene.setBackgroundBrush(Qt::black);
  screen->setFixedSize(GameWidth, GameHeight);
  FProxy = new TScreenProxy;
  FProxy->setWidget(screen);
  FScene.addItem(FProxy);
  FProxy->setPos(0, 0);
  setScene(&FScene);
  ApplyScale();
}

void TScaledView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  ApplyScale();
}

void TScaledView::ApplyScale() {
  const double before = FScale.Factor;
  FScale = TScreenScale::For(viewport()->size());
  resetTransform();
  scale(FScale.Factor, FScale.Factor);
  setRenderHint(QPainter::SmoothPixmapTransform, FScale.Smooth);
  setRenderHint(QPainter::Antialiasing, false);
  const QSizeF visible = QSizeF(viewport()->size()) / FScale.Factor;
  setSceneRect(QRectF(QPointF(-FScale.Offset.x() / FScale.Factor, -FScale.Offset.y() / FScale.Factor), visible));
  if (FScale.Factor != before) emit ScaleChanged();
}

bool TScaledView::viewportEvent(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonDblClick) {
    return QGraphicsView::viewportEvent(event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  // The view works with whole view pixels and the embedded screen rounds the scene
  // position to whole game pixels; the view pixel nearest the game pixel's corner
  // rounds back to exactly that game pixel at every factor above 1.
  const QPoint game = FScale.ToGame(mouse->position());
  const QPointF corner = FScale.ToScreen(game) - QPointF(FScale.Factor / 2, FScale.Factor / 2);
  const QPointF snapped(std::round(corner.x()), std::round(corner.y()));
  QMouseEvent moved(type, snapped, mouse->scenePosition(), mouse->globalPosition(), mouse->button(), mouse->buttons(),
                    mouse->modifiers(), mouse->pointingDevice());
  const bool handled = QGraphicsView::viewportEvent(&moved);
  event->setAccepted(moved.isAccepted());
  if (type == QEvent::MouseButtonPress) FocusWidgetAt(game);
  ShowPointerOf(game);
  return handled;
}

// Qt gives the keyboard to the widget clicked only for the window system's own presses,
// and the press passed on to the screen is made here: the click focus is given as Qt
// would, to the nearest widget under the pointer that takes it. Without it nothing on
// the screen could be typed into.
void TScaledView::FocusWidgetAt(QPoint game) {
  QWidget* screen = FProxy->widget();
  if (screen == nullptr) return;
  for (QWidget* widget = screen->childAt(game); widget != nullptr && widget != screen; widget = widget->parentWidget()) {
    if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
      widget->setFocus(Qt::MouseFocusReason);
      return;
    }
  }
}

// An embedded widget's pointer shape never reaches the screen by itself (its window is
// not on the screen), so the view takes the shape of the widget under the pointer.
void TScaledView::ShowPointerOf(QPoint game) {
  QWidget* screen = FProxy->widget();
  if (screen == nullptr) return;
  QWidget* under = screen->childAt(game);
  viewport()->setCursor((under != nullptr ? under : screen)->cursor());
}

}  // namespace fjordheim
