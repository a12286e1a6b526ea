#pragma once

#include <QLabel>

namespace fjordheim {

/// The small dark tip that names a kind of goods and its count over the goods the pointer or
/// the keys are on, in the market and in the status window alike. It lets the mouse through.
class TGoodsTip : public QLabel {
 public:
  /// pixelSize 0 keeps the size of the parent's font; the tip is always bold.
  explicit TGoodsTip(QWidget* parent, int pixelSize = 0);

  /// Shows text centred over item, gap pixels above it, or as far below it where there is
  /// no room above; always inside the parent's width. Empty text hides the tip.
  void ShowOver(const QString& text, const QRect& item, int gap);
};

}  // namespace fjordheim
