#pragma once

#include <QLabel>

#include <array>
#include <string>

#include "core/trade/trade.h"

namespace fjordheim {

class TGoodsTip;

/// The goods picture of the status window, one row per kind of goods. The row under the
/// pointer, or chosen with the arrow keys, tells its kind and count ("Pels: 4") in a tip
/// above it, as the market's goods do.
class TStatusGoodsImage : public QLabel {
 public:
  /// rowHeight is the height of one row in the picture's own pixels, which may be scaled to the label.
  TStatusGoodsImage(QWidget* parent, int pictureHeight, int rowHeight);

  /// The picture and the words of each row.
  void SetGoods(const QPixmap& picture, const std::array<std::string, GoodsKindCount>& labels);
  /// The row told now, -1 when none.
  int ChosenRow() const { return FChosen; }
  /// The words the tip shows now; empty while it is hidden.
  QString TipText() const;
  /// The row at a point of the label, -1 outside the rows.
  int RowAt(int y) const;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect RowRect(int row) const;
  void Choose(int row);

  int FPictureHeight;
  int FRowHeight;
  std::array<QString, GoodsKindCount> FLabels;
  int FChosen = -1;
  TGoodsTip* FTip = nullptr;
};

}  // namespace fjordheim
