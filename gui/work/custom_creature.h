#pragma once

#include <QSize>

#include "core/work/figure_pick.h"
#include "core/work/work_rect.h"
#include "gui/controls/picture_list.h"

class QPainter;

namespace fjordheim {

class TCustomContainer;
class TCustomDivider;

/// The pictures of one kind of icon, all of one size.
using TIconPictures = TPictureList;

/// A small picture of a person or an animal lying in a container of a divider page.
class TCustomCreature {
 public:
  /// Placed with its top-left corner at (x, y); sized as the pictures, or as fallbackSize
  /// when there are none. Joins the container's items when one is given.
  TCustomCreature(TCustomDivider* view, int x, int y, const TIconPictures* images, TCustomContainer* container,
                  QSize fallbackSize);
  virtual ~TCustomCreature();
  TCustomCreature(const TCustomCreature&) = delete;
  TCustomCreature& operator=(const TCustomCreature&) = delete;

  /// Moves the icon to (x, y), kept inside the view, repainting where it was and is.
  void MoveTo(int x, int y);
  void MoveBy(int dx, int dy) { MoveTo(FBounds.Left + dx, FBounds.Top + dy); }
  void SetSelected(bool value);
  virtual void SetContainer(TCustomContainer* container);
  /// Draws the picture, or a grey placeholder when it is missing, and the selection frame.
  virtual void Draw(QPainter& painter);
  void DrawSelection(QPainter& painter) const;

  TCustomDivider* View() const { return FView; }
  void SetView(TCustomDivider* view) { FView = view; }
  const TWorkRect& Bounds() const { return FBounds; }
  TCustomContainer* Container() const { return FContainer; }
  bool Selected() const { return FSelected; }
  int ImageIndex() const { return FImageIndex; }
  /// The picture drawn now; a figure whose picture follows its state says which.
  virtual int PictureIndex() const { return FImageIndex; }
  /// The drawn pixels of that picture; none while a placeholder stands in for it.
  const TFigureMask* Mask() const;

 protected:
  void SetImageIndex(int index) { FImageIndex = index; }
  bool HasPicture(int index) const;
  void Invalidate() const;

 private:
  TCustomDivider* FView;
  const TIconPictures* FImages;
  TWorkRect FBounds;
  TCustomContainer* FContainer = nullptr;
  bool FSelected = false;
  int FImageIndex = 0;
};

}  // namespace fjordheim
