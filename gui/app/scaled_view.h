#pragma once

#include <QGraphicsScene>
#include <QGraphicsView>

#include "gui/app/screen_scale.h"

class QGraphicsProxyWidget;

namespace fjordheim {

/// Shows the 640 × 480 game screen scaled to fill the view (see TScreenScale) and hands
/// every mouse event on with its position snapped to the game pixel under the pointer,
/// so that zones, drags and buttons land where the picture shows them.
class TScaledView : public QGraphicsView {
  Q_OBJECT

 public:
  /// Takes the screen widget into the scene; the view then owns it.
  explicit TScaledView(QWidget* screen, QWidget* parent = nullptr);

  const TScreenScale& Scale() const { return FScale; }

 signals:
  /// The game is shown at a new scale.
  void ScaleChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void ApplyScale();
  void ShowPointerOf(QPoint game);
  void FocusWidgetAt(QPoint game);

  QGraphicsScene FScene;
  QGraphicsProxyWidget* FProxy;
  TScreenScale FScale;
};

}  // namespace fjordheim
