#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/work/figure_pick.h"
#include "core/work/work_rect.h"

class QPainter;

namespace fjordheim {

class TCustomContainer;
class TCustomCreature;

/// A page of icons lying in containers on a background picture: the player selects icons
/// by click or band and drags them into another container. Everything is drawn into an
/// off-screen picture, and only what changed is drawn again.
class TCustomDivider : public QWidget {
 public:
  /// The page takes the background's size; a missing background gives a plain page of
  /// fallbackSize.
  TCustomDivider(QWidget* parent, const QPixmap& background, QSize fallbackSize = {563, 480});
  ~TCustomDivider() override;

  /// The divider owns its containers.
  TCustomContainer* AddContainer(std::unique_ptr<TCustomContainer> container);
  virtual void AddIcon(TCustomCreature* icon);
  virtual void RemoveIcon(TCustomCreature* icon);
  /// The figure a click at (x, y) picks: the one drawn on top whose picture shows there.
  TCustomCreature* IconAt(int x, int y) const;
  /// A point where a click picks the icon (one of its pixels in sight), or none when the
  /// icons drawn over it hide it entirely.
  std::optional<QPoint> PointOn(const TCustomCreature* icon) const;
  TCustomContainer* ContainerAt(int x, int y) const;
  void DeselectAll();
  /// Asks for the area to be drawn again at the next paint.
  void Invalidate(const TWorkRect& rect);

  const QList<TCustomCreature*>& Icons() const { return FIcons; }
  const std::vector<std::unique_ptr<TCustomContainer>>& Containers() const { return FContainers; }
  bool Banding() const { return FBanding; }
  /// The line of key help drawn at the foot of the page.
  void SetKeyHelp(const QString& text);
  /// Where the key help is written.
  virtual QRect KeyHelpRect() const;
  /// A new picture under everything; the page keeps its size.
  void SetBackground(const QPixmap& background);
  /// Called with every pointer move, in page pixels.
  std::function<void(int x, int y)> OnPointerMove;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  /// Arrows move the keyboard's choice through the icons in reading order (with Shift the
  /// selection grows), the space bar toggles the chosen icon, Ctrl+A selects every icon.
  void keyPressEvent(QKeyEvent* event) override;

  virtual void MouseDown(bool plain, int x, int y);
  virtual void DragOver(int x, int y);
  /// Drops the dragged icons at (x, y); the dividers know what a drop means.
  virtual void DragDrop(int x, int y) = 0;
  virtual void MouseUp();
  /// Whether a band may select this icon.
  virtual bool CanBandSelect(const TCustomCreature* icon) const;
  /// Draws what lies over the containers and under the icons, within dirty.
  virtual void PaintOverContainers(QPainter& painter, const TWorkRect& dirty) {
    (void)painter;
    (void)dirty;
  }

  QList<TCustomCreature*>& Dragged() { return FDragged; }
  /// The icon the arrow keys chose last, or null.
  TCustomCreature* KeyboardChoice() const { return FKeyboardChoice; }
  /// The selected icons, in page order.
  QList<TCustomCreature*> SelectedIcons() const;
  /// Arranges the target first and then each old container of the icons, each once.
  void Rearrange(TCustomContainer* target, const QList<TCustomContainer*>& oldContainers);

 private:
  /// The icons with their places and masks, in drawing order.
  std::vector<TPlacedFigure> PlacedFigures() const;
  void PaintArea(const QRect& area);
  QList<TCustomCreature*> SelectableInReadingOrder() const;
  void MoveKeyboardChoice(int direction, bool extend);
  QRect BandRect() const;
  void InvalidateBand();

  QImage FBuffer;
  QPixmap FBackground;
  std::vector<std::unique_ptr<TCustomContainer>> FContainers;
  QList<TCustomCreature*> FIcons;
  QList<TCustomCreature*> FDragged;
  QPoint FLastPoint;
  QPoint FPressPoint;
  TWorkRect FBand;
  bool FBanding = false;
  bool FPressed = false;
  bool FDragging = false;
  QString FKeyHelp;
  TCustomCreature* FKeyboardChoice = nullptr;
};

}  // namespace fjordheim
