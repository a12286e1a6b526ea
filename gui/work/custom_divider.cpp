#include "gui/work/custom_divider.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "gui/work/custom_container.h"
#include "gui/work/custom_creature.h"

#include <algorithm>

namespace fjordheim {

namespace {

constexpr int KeyHelpHeight = 34;
// Icons whose tops lie this close count as one line when the keys walk through them.
constexpr int ReadingLineHeight = 20;

QRect ToQRect(const TWorkRect& rect) { return {rect.Left, rect.Top, rect.Width(), rect.Height()}; }
TWorkRect ToWorkRect(const QRect& rect) { return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1}; }

}  // namespace

TCustomDivider::TCustomDivider(QWidget* parent, const QPixmap& background, QSize fallbackSize)
    : QWidget(parent), FBackground(background) {
  const QSize size = background.isNull() ? fallbackSize : background.size();
  setFixedSize(size);
  FBuffer = QImage(size, QImage::Format_RGB32);
  FBuffer.fill(QColor(90, 110, 80));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

TCustomDivider::~TCustomDivider() {
  for (TCustomCreature* icon : FIcons) icon->SetView(nullptr);
  FContainers.clear();
}

TCustomContainer* TCustomDivider::AddContainer(std::unique_ptr<TCustomContainer> container) {
  FContainers.push_back(std::move(container));
  return FContainers.back().get();
}

void TCustomDivider::AddIcon(TCustomCreature* icon) {
  icon->SetView(this);
  FIcons.push_back(icon);
  Invalidate(icon->Bounds());
}

void TCustomDivider::RemoveIcon(TCustomCreature* icon) {
  Invalidate(icon->Bounds());
  icon->SetView(nullptr);
  FIcons.removeOne(icon);
  FDragged.removeOne(icon);
  if (FKeyboardChoice == icon) FKeyboardChoice = nullptr;
  icon->SetContainer(nullptr);
}

std::vector<TPlacedFigure> TCustomDivider::PlacedFigures() const {
  std::vector<TPlacedFigure> figures;
  figures.reserve(static_cast<std::size_t>(FIcons.size()));
  for (const TCustomCreature* icon : FIcons) figures.push_back({icon->Bounds(), icon->Mask()});
  return figures;
}

TCustomCreature* TCustomDivider::IconAt(int x, int y) const {
  const std::optional<std::size_t> hit = TopFigureAt(PlacedFigures(), x, y);
  return hit ? FIcons[static_cast<qsizetype>(*hit)] : nullptr;
}

std::optional<QPoint> TCustomDivider::PointOn(const TCustomCreature* icon) const {
  const auto found = std::find(FIcons.cbegin(), FIcons.cend(), icon);
  if (found == FIcons.cend()) return std::nullopt;
  const auto index = static_cast<std::size_t>(found - FIcons.cbegin());
  const std::optional<TIconPlace> point = VisiblePointOf(PlacedFigures(), index);
  if (!point) return std::nullopt;
  return QPoint(point->X, point->Y);
}

TCustomContainer* TCustomDivider::ContainerAt(int x, int y) const {
  for (auto it = FContainers.crbegin(); it != FContainers.crend(); ++it) {
    if ((*it)->Bounds().Contains(x, y)) return it->get();
  }
  return nullptr;
}

void TCustomDivider::DeselectAll() {
  for (TCustomCreature* icon : FIcons) icon->SetSelected(false);
}

void TCustomDivider::Invalidate(const TWorkRect& rect) { update(ToQRect(rect)); }

void TCustomDivider::SetKeyHelp(const QString& text) {
  FKeyHelp = text;
  update(KeyHelpRect());
}

QRect TCustomDivider::KeyHelpRect() const { return {0, height() - KeyHelpHeight, width(), KeyHelpHeight}; }

void TCustomDivider::SetBackground(const QPixmap& background) {
  FBackground = background;
  update();
}

QList<TCustomCreature*> TCustomDivider::SelectedIcons() const {
  QList<TCustomCreature*> selected;
  for (TCustomCreature* icon : FIcons) {
    if (icon->Selected()) selected.push_back(icon);
  }
  return selected;
}

bool TCustomDivider::CanBandSelect(const TCustomCreature* icon) const {
  (void)icon;
  return true;
}

void TCustomDivider::PaintArea(const QRect& area) {
  QPainter painter(&FBuffer);
  painter.setClipRect(area);
  if (FBackground.isNull()) {
    painter.fillRect(area, QColor(90, 110, 80));
  } else {
    painter.drawPixmap(area.topLeft(), FBackground, area);
  }
  const TWorkRect dirty = ToWorkRect(area);
  for (const auto& container : FContainers) {
    if (container->Bounds().Intersects(dirty)) container->Paint(painter);
  }
  PaintOverContainers(painter, dirty);
  for (TCustomCreature* icon : FIcons) {
    if (icon->Bounds().Intersects(dirty)) icon->Draw(painter);
  }
  const QRect help = KeyHelpRect();
  if (!FKeyHelp.isEmpty() && area.intersects(help)) {
    painter.fillRect(help, QColor(0, 0, 0, 150));
    painter.setPen(Qt::white);
    painter.setFont(font());
    painter.drawText(help.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, FKeyHelp);
  }
}

void TCustomDivider::paintEvent(QPaintEvent* event) {
  for (const QRect& area : event->region()) PaintArea(area);
  QPainter painter(this);
  for (const QRect& area : event->region()) painter.drawImage(area.topLeft(), FBuffer, area);
  if (FBanding) {
    // Difference with white inverts what lies under the dotted line.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(BandRect());
  }
}

QRect TCustomDivider::BandRect() const {
  const TWorkRect band = FBand.Normalised();
  return {band.Left, band.Top, band.Width(), band.Height()};
}

void TCustomDivider::InvalidateBand() { update(BandRect().adjusted(-1, -1, 2, 2)); }

void TCustomDivider::MouseDown(bool plain, int x, int y) {
  TCustomCreature* hit = IconAt(x, y);
  FLastPoint = {x, y};
  FDragged.clear();
  if (hit != nullptr) {
    // The figure clicked is where the keys go on from.
    FKeyboardChoice = hit;
    if (!hit->Selected()) {
      if (plain) DeselectAll();
      hit->SetSelected(true);
    } else if (!plain) {
      hit->SetSelected(false);
    }
    FDragged = SelectedIcons();
    FBanding = false;
  } else {
    FBanding = true;
    FBand = {x, y, x, y};
    if (plain) DeselectAll();
    InvalidateBand();
  }
  FPressed = true;
  FDragging = false;
  FPressPoint = {x, y};
}

void TCustomDivider::DragOver(int x, int y) {
  if (!FBanding) {
    const int dx = x - FLastPoint.x();
    const int dy = y - FLastPoint.y();
    for (TCustomCreature* icon : FDragged) icon->MoveBy(dx, dy);
    FLastPoint = {x, y};
    return;
  }
  InvalidateBand();
  FBand.Right = x;
  FBand.Bottom = y;
  InvalidateBand();
}

void TCustomDivider::MouseUp() {
  if (FBanding) {
    InvalidateBand();
    FBanding = false;
    const TWorkRect band = FBand.Normalised();
    // A band of no width still selects what lies on its line; a click without a band
    // found no figure whose picture shows there, and selects none.
    const TWorkRect hit{band.Left, band.Top, band.Right + 1, band.Bottom + 1};
    const bool clicked = band.Width() == 0 && band.Height() == 0;
    for (TCustomCreature* icon : FIcons) {
      if (!clicked && icon->Bounds().Intersects(hit) && CanBandSelect(icon)) icon->SetSelected(true);
    }
  }
  FDragged.clear();
}

void TCustomDivider::Rearrange(TCustomContainer* target, const QList<TCustomContainer*>& oldContainers) {
  QList<TCustomContainer*> toArrange;
  if (target != nullptr) toArrange.push_back(target);
  for (TCustomContainer* container : oldContainers) {
    if (container != nullptr && !toArrange.contains(container)) toArrange.push_back(container);
  }
  for (TCustomContainer* container : toArrange) container->Arrange();
}

QList<TCustomCreature*> TCustomDivider::SelectableInReadingOrder() const {
  QList<TCustomCreature*> icons;
  for (TCustomCreature* icon : FIcons) {
    if (CanBandSelect(icon)) icons.push_back(icon);
  }
  std::stable_sort(icons.begin(), icons.end(), [](const TCustomCreature* a, const TCustomCreature* b) {
    const int lineA = a->Bounds().Top / ReadingLineHeight;
    const int lineB = b->Bounds().Top / ReadingLineHeight;
    return lineA != lineB ? lineA < lineB : a->Bounds().Left < b->Bounds().Left;
  });
  return icons;
}

void TCustomDivider::MoveKeyboardChoice(int direction, bool extend) {
  const QList<TCustomCreature*> icons = SelectableInReadingOrder();
  if (icons.isEmpty()) return;
  const qsizetype at = icons.indexOf(FKeyboardChoice);
  const qsizetype next = at < 0 ? (direction > 0 ? 0 : icons.size() - 1) : (at + direction + icons.size()) % icons.size();
  FKeyboardChoice = icons[next];
  if (!extend) DeselectAll();
  FKeyboardChoice->SetSelected(true);
}

void TCustomDivider::keyPressEvent(QKeyEvent* event) {
  const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down: MoveKeyboardChoice(1, shift); return;
    case Qt::Key_Left:
    case Qt::Key_Up: MoveKeyboardChoice(-1, shift); return;
    case Qt::Key_Space:
      if (FKeyboardChoice != nullptr && CanBandSelect(FKeyboardChoice)) {
        FKeyboardChoice->SetSelected(!FKeyboardChoice->Selected());
      }
      return;
    case Qt::Key_A:
      if ((event->modifiers() & Qt::ControlModifier) != 0) {
        for (TCustomCreature* icon : SelectableInReadingOrder()) icon->SetSelected(true);
        return;
      }
      break;
    default: break;
  }
  QWidget::keyPressEvent(event);
}

void TCustomDivider::mousePressEvent(QMouseEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool plain = !(mods & (Qt::ShiftModifier | Qt::ControlModifier));
  MouseDown(plain, event->position().toPoint().x(), event->position().toPoint().y());
}

void TCustomDivider::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (OnPointerMove) OnPointerMove(point.x(), point.y());
  if (!FPressed) return;
  if (!FDragging && (point - FPressPoint).manhattanLength() >= QApplication::startDragDistance()) FDragging = true;
  if (FDragging) DragOver(point.x(), point.y());
}

void TCustomDivider::mouseReleaseEvent(QMouseEvent* event) {
  if (!FPressed) return;
  const QPoint point = event->position().toPoint();
  if (FDragging && !FBanding) DragDrop(point.x(), point.y());
  MouseUp();
  FPressed = false;
  FDragging = false;
}

}  // namespace fjordheim
