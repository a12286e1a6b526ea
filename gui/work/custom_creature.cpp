#include "gui/work/custom_creature.h"

#include <QPainter>
#include <QPen>

#include "core/work/work_layout.h"
#include "gui/work/custom_container.h"
#include "gui/work/custom_divider.h"

namespace fjordheim {

namespace {

QSize PictureSize(const TIconPictures* images, QSize fallbackSize) {
  if (images != nullptr && !images->Size().isEmpty()) return images->Size();
  return fallbackSize;
}

}  // namespace

TCustomCreature::TCustomCreature(TCustomDivider* view, int x, int y, const TIconPictures* images,
                                 TCustomContainer* container, QSize fallbackSize)
    : FView(view), FImages(images) {
  const QSize size = PictureSize(images, fallbackSize);
  FBounds = {x, y, x + size.width(), y + size.height()};
  if (container != nullptr) {
    FContainer = container;
    container->Items().push_back(this);
  }
}

TCustomCreature::~TCustomCreature() {
  if (FView != nullptr) FView->RemoveIcon(this);
  SetContainer(nullptr);
}

void TCustomCreature::Invalidate() const {
  if (FView != nullptr) FView->Invalidate(FBounds);
}

void TCustomCreature::MoveTo(int x, int y) {
  Invalidate();
  const int width = FView != nullptr ? FView->width() : x + FBounds.Width();
  const int height = FView != nullptr ? FView->height() : y + FBounds.Height();
  FBounds = KeepInside(FBounds, x, y, width, height);
  Invalidate();
}

void TCustomCreature::SetSelected(bool value) {
  if (value == FSelected) return;
  Invalidate();
  FSelected = value;
}

void TCustomCreature::SetContainer(TCustomContainer* container) {
  if (container == FContainer) return;
  if (FContainer != nullptr) FContainer->Items().removeOne(this);
  FContainer = container;
  if (FContainer != nullptr) FContainer->Items().push_back(this);
}

bool TCustomCreature::HasPicture(int index) const {
  return FImages != nullptr && !FImages->Size().isEmpty() && !FImages->Picture(index).isNull();
}

const TFigureMask* TCustomCreature::Mask() const {
  const int index = PictureIndex();
  return HasPicture(index) ? &FImages->Mask(index) : nullptr;
}

void TCustomCreature::Draw(QPainter& painter) {
  const QRect target(FBounds.Left, FBounds.Top, FBounds.Width(), FBounds.Height());
  const int index = PictureIndex();
  if (HasPicture(index)) {
    FImages->Draw(painter, target.left(), target.top(), index);
  } else {
    // Each missing picture gets its own colour, so that kinds and marks stay apart.
    painter.fillRect(target.adjusted(2, 2, -2, -2), QColor::fromHsv((index * 47) % 360, 90, 200));
    painter.setPen(Qt::black);
    painter.drawRect(target.adjusted(2, 2, -3, -3));
  }
  if (FSelected) DrawSelection(painter);
}

void TCustomCreature::DrawSelection(QPainter& painter) const {
  QPen pen(QColor(0, 128, 0), 2);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(FBounds.Left + 1, FBounds.Top + 1, FBounds.Width() - 2, FBounds.Height() - 2));
}

}  // namespace fjordheim
