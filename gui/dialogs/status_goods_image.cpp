#include "gui/dialogs/status_goods_image.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "core/common/translation.h"
#include "gui/controls/goods_tip.h"

namespace fjordheim {

TStatusGoodsImage::TStatusGoodsImage(QWidget* parent, int pictureHeight, int rowHeight)
    : QLabel(parent), FPictureHeight(std::max(1, pictureHeight)), FRowHeight(std::max(1, rowHeight)) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QString::fromStdString(Tr("Varer")));
  FTip = new TGoodsTip(this);
}

void TStatusGoodsImage::SetGoods(const QPixmap& picture, const std::array<std::string, GoodsKindCount>& labels) {
  setPixmap(picture);
  for (std::size_t k = 0; k < labels.size(); ++k) FLabels[k] = QString::fromStdString(labels[k]);
  Choose(FChosen);
}

QString TStatusGoodsImage::TipText() const { return FTip->isVisible() ? FTip->text() : QString(); }

QRect TStatusGoodsImage::RowRect(int row) const {
  const int top = row * FRowHeight * height() / FPictureHeight;
  const int bottom = (row + 1) * FRowHeight * height() / FPictureHeight;
  return {0, top, width(), bottom - top};
}

int TStatusGoodsImage::RowAt(int y) const {
  if (y < 0 || height() <= 0) return -1;
  const int row = y * FPictureHeight / height() / FRowHeight;
  return row < GoodsKindCount ? row : -1;
}

// The tip stands just above its row, or below the first row, always inside the picture.
void TStatusGoodsImage::Choose(int row) {
  FChosen = row;
  if (row < 0 || row >= GoodsKindCount) {
    FTip->hide();
    setAccessibleDescription({});
    update();
    return;
  }
  const QString& label = FLabels[static_cast<std::size_t>(row)];
  FTip->ShowOver(label, RowRect(row), 0);
  setAccessibleDescription(label);
  update();
}

void TStatusGoodsImage::mouseMoveEvent(QMouseEvent* event) {
  Choose(RowAt(event->position().toPoint().y()));
  QLabel::mouseMoveEvent(event);
}

void TStatusGoodsImage::leaveEvent(QEvent* event) {
  if (!hasFocus()) Choose(-1);
  QLabel::leaveEvent(event);
}

void TStatusGoodsImage::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up: Choose(std::max(0, FChosen - 1)); break;
    case Qt::Key_Down: Choose(std::min(GoodsKindCount - 1, FChosen + 1)); break;
    default: QLabel::keyPressEvent(event); return;
  }
  event->accept();
}

void TStatusGoodsImage::focusInEvent(QFocusEvent* event) {
  Choose(FChosen >= 0 ? FChosen : 0);
  QLabel::focusInEvent(event);
}

void TStatusGoodsImage::focusOutEvent(QFocusEvent* event) {
  Choose(-1);
  QLabel::focusOutEvent(event);
}

// The keyboard's row is framed, so that the child sees which row the tip speaks of.
void TStatusGoodsImage::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus() || FChosen < 0) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor(40, 40, 160), 2, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(RowRect(FChosen).adjusted(1, 1, -1, -1));
}

}  // namespace fjordheim
