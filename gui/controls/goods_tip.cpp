#include "gui/controls/goods_tip.h"

#include <algorithm>

namespace fjordheim {

TGoodsTip::TGoodsTip(QWidget* parent, int pixelSize) : QLabel(parent) {
  setStyleSheet(QStringLiteral("color: white; background: rgba(0, 0, 0, 190); padding: 1px 4px;"));
  QFont tip = font();
  if (pixelSize > 0) tip.setPixelSize(pixelSize);
  tip.setBold(true);
  setFont(tip);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void TGoodsTip::ShowOver(const QString& text, const QRect& item, int gap) {
  setText(text);
  adjustSize();
  const int room = parentWidget() != nullptr ? parentWidget()->width() : width();
  const int x = std::clamp(item.left() + item.width() / 2 - width() / 2, 0, std::max(0, room - width()));
  const int above = item.top() - height() - gap;
  move(x, above >= 0 ? above : item.top() + item.height() + gap);
  raise();
  setVisible(!text.isEmpty());
}

}  // namespace fjordheim
