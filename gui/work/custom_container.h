#pragma once

#include <QList>

#include "core/work/work_rect.h"

class QPainter;

namespace fjordheim {

class TCustomCreature;
class TCustomDivider;

/// A rectangle of a divider page that icons lie in; it refers to its icons, never owns them.
class TCustomContainer {
 public:
  TCustomContainer(TCustomDivider* view, const TWorkRect& bounds) : FView(view), FBounds(bounds) {}
  virtual ~TCustomContainer();
  TCustomContainer(const TCustomContainer&) = delete;
  TCustomContainer& operator=(const TCustomContainer&) = delete;

  /// Lays the icons out again; containers without a layout leave them where they are.
  virtual void Arrange() {}
  virtual void Paint(QPainter& painter) const { (void)painter; }

  const TWorkRect& Bounds() const { return FBounds; }
  TCustomDivider* View() const { return FView; }
  QList<TCustomCreature*>& Items() { return FItems; }
  const QList<TCustomCreature*>& Items() const { return FItems; }

 protected:
  void Invalidate() const;

 private:
  TCustomDivider* FView;
  TWorkRect FBounds;
  QList<TCustomCreature*> FItems;
};

}  // namespace fjordheim
