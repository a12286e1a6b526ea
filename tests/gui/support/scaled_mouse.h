#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>

#include "gui/app/scaled_view.h"

namespace fjordheim {

// The player's mouse on a scaled screen: the point of a widget in game pixels becomes the
// screen pixel that shows it.
class TScaledMouse {
 public:
  TScaledMouse(TScaledView* view, QWidget* screen) : FView(view), FScreen(screen) {}

  void Click(QWidget* widget, QPoint at, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(FView->viewport(), Qt::LeftButton, keys, ScreenPoint(widget, at));
  }
  void Drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(FView->viewport(), Qt::LeftButton, {}, ScreenPoint(widget, from));
    for (int step = 1; step <= 8; ++step) {
      QTest::mouseMove(FView->viewport(), ScreenPoint(widget, from + (to - from) * step / 8));
    }
    QTest::mouseRelease(FView->viewport(), Qt::LeftButton, {}, ScreenPoint(widget, to));
  }

 private:
  QPoint ScreenPoint(QWidget* widget, QPoint at) const {
    const QPointF shown = FView->Scale().ToScreen(widget->mapTo(FScreen, at));
    return {static_cast<int>(shown.x()), static_cast<int>(shown.y())};
  }

  TScaledView* FView;
  QWidget* FScreen;
};

}  // namespace fjordheim
