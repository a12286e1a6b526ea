#include "gui/trade/goods_divider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/common/translation.h"
#include "core/trade/goods_names.h"
#include "gui/council/text_bubbla.h"
#include "gui/trade/goods_container.h"
#include "gui/trade/goods_icon.h"
#include "gui/trade/separated_goods_container.h"

namespace fjordheim {

namespace {

// Translators: the keys of the trading table, on two lines of small print under it; Shift,
// Enter and Tilbake (Backspace) are keys.
constexpr const char* GoodsKeysHelp =
    TrMark("Piler: velg vare (Shift: flere), mellomrom: merk, Enter: legg på bordet, Tilbake: ta av bordet");
constexpr int KeyHelpPixels = 11;
constexpr int NameTipPixels = 12;
constexpr int NameTipGap = 2;

}  // namespace

TGoodsDivider::TGoodsDivider(QWidget* parent, const QPixmap& background)
    : TCustomDivider(parent, QPixmap(), PageSize) {
  SetBackground(background);
  QFont help = font();
  help.setPixelSize(KeyHelpPixels);
  setFont(help);
  SetKeyHelp(QString::fromStdString(Tr(GoodsKeysHelp)));
  setMouseTracking(true);
  FNameTip = new TGoodsTip(this, NameTipPixels);
}

QString TGoodsDivider::KindLabel(const TGoodsIcon& icon) const {
  int count = 0;
  const TGoodsContainer* container = icon.GoodsContainer();
  const QList<TGoodsIcon*> near = container != nullptr ? container->GoodsIcons() : QList<TGoodsIcon*>{};
  for (const TGoodsIcon* other : near) count += other->Kind() == icon.Kind() && other->Owner() == icon.Owner();
  return QString::fromStdString(GoodsCountLabel(icon.Kind(), container != nullptr ? count : 1));
}

// The name stands just above the unit, inside the page; a unit being dragged says nothing.
void TGoodsDivider::ShowNameOf(const TGoodsIcon* icon) {
  if (icon == nullptr || icon->Dragging()) {
    FNameTip->hide();
    return;
  }
  const TWorkRect& unit = icon->Bounds();
  FNameTip->ShowOver(KindLabel(*icon), QRect(unit.Left, unit.Top, unit.Width(), unit.Height()), NameTipGap);
}

void TGoodsDivider::mouseMoveEvent(QMouseEvent* event) {
  TCustomDivider::mouseMoveEvent(event);
  const QPoint point = event->position().toPoint();
  ShowNameOf(dynamic_cast<const TGoodsIcon*>(IconAt(point.x(), point.y())));
}

void TGoodsDivider::leaveEvent(QEvent* event) {
  FNameTip->hide();
  TCustomDivider::leaveEvent(event);
}

void TGoodsDivider::AddGoodsContainer(TGoodsContainer* container) {
  FGoodsContainers.push_back(container);
  Invalidate(container->Bounds());
}

TGoodsContainer* TGoodsDivider::GoodsContainerAt(int x, int y) const {
  for (auto it = FGoodsContainers.crbegin(); it != FGoodsContainers.crend(); ++it) {
    if ((*it)->Bounds().Contains(x, y)) return *it;
  }
  return nullptr;
}

QList<TGoodsIcon*> TGoodsDivider::GoodsIcons() const {
  QList<TGoodsIcon*> icons;
  for (TCustomCreature* icon : Icons()) {
    if (auto* goods = dynamic_cast<TGoodsIcon*>(icon)) icons.push_back(goods);
  }
  return icons;
}

void TGoodsDivider::ArrangeAll() {
  for (TGoodsContainer* container : FGoodsContainers) container->Arrange();
}

TSeparatedGoodsContainer* TGoodsDivider::Table() const {
  for (TGoodsContainer* container : FGoodsContainers) {
    if (auto* table = dynamic_cast<TSeparatedGoodsContainer*>(container)) return table;
  }
  return nullptr;
}

TGoodsContainer* TGoodsDivider::SideContainer(std::int32_t side) const {
  for (TGoodsContainer* container : FGoodsContainers) {
    if (container->Owner() == side && dynamic_cast<TSeparatedGoodsContainer*>(container) == nullptr) return container;
  }
  return nullptr;
}

void TGoodsDivider::PutInto(TGoodsIcon* icon, TGoodsContainer* container) {
  if (container != nullptr && container->Takes(*icon)) icon->SetContainer(container);
}

void TGoodsDivider::MouseDown(bool plain, int x, int y) {
  FNameTip->hide();
  TCustomDivider::MouseDown(plain, x, y);
  for (TCustomCreature* icon : Dragged()) static_cast<TGoodsIcon*>(icon)->SetDragging(true);
}

void TGoodsDivider::DragDrop(int x, int y) {
  TGoodsContainer* target = GoodsContainerAt(x, y);
  if (target != nullptr) {
    for (TCustomCreature* item : Dragged()) {
      auto* icon = static_cast<TGoodsIcon*>(item);
      icon->SetDragging(false);
      PutInto(icon, target);
    }
  }
  ArrangeAll();
}

void TGoodsDivider::MouseUp() {
  for (TCustomCreature* icon : Dragged()) static_cast<TGoodsIcon*>(icon)->SetDragging(false);
  TCustomDivider::MouseUp();
}

void TGoodsDivider::MoveSelectedToTable() {
  for (TCustomCreature* icon : SelectedIcons()) PutInto(static_cast<TGoodsIcon*>(icon), Table());
  ArrangeAll();
}

void TGoodsDivider::ReturnSelected() {
  for (TCustomCreature* icon : SelectedIcons()) {
    auto* goods = static_cast<TGoodsIcon*>(icon);
    PutInto(goods, SideContainer(goods->Owner()));
  }
  ArrangeAll();
}

// The goods containers are not the base page's own; their dots are drawn here, under the
// bubble and the units.
void TGoodsDivider::PaintOverContainers(QPainter& painter, const TWorkRect& dirty) {
  for (const TGoodsContainer* container : FGoodsContainers) {
    if (container->Bounds().Intersects(dirty)) container->Paint(painter);
  }
  if (FBubble != nullptr && FBubble->Visible() && FBubble->Bounds().Intersects(dirty)) FBubble->Draw(painter);
}

// The key help lies on the table's foot, between the chat field and the leave button.
QRect TGoodsDivider::KeyHelpRect() const { return {240, 436, 336, 40}; }

void TGoodsDivider::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: MoveSelectedToTable(); break;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: ReturnSelected(); break;
    default: TCustomDivider::keyPressEvent(event);
  }
  ShowNameOf(dynamic_cast<const TGoodsIcon*>(KeyboardChoice()));
}

}  // namespace fjordheim
