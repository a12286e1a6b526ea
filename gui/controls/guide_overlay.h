#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

#include "core/common/translation.h"

class QPushButton;

namespace fjordheim {

/// The help of the first year on screen: a box with one sentence and a button that switches
/// the help off, and an arrow from the box to the thing to click. It lies over its parent
/// and lets every click through except those on its button.
class TGuideOverlay : public QWidget {
 public:
  static constexpr const char* SwitchOffText = TrMark("Slå av hjelpen");

  /// Fills the parent; the button is the parent's child too, so that it alone takes clicks.
  explicit TGuideOverlay(QWidget* parent);

  /// The box's height at this width for the sentence and the button, in parent pixels.
  int BoxHeight(const QString& sentence, int width) const;
  /// Shows the sentence in box (parent pixels) with the arrow pointing at tip; no arrow when
  /// the tip lies in the box.
  void Point(const QString& sentence, const QRect& box, const QPoint& tip);
  /// Hides the box, the arrow and the button.
  void Clear();

  const QString& Sentence() const { return FSentence; }
  const QRect& Box() const { return FBox; }
  const QPoint& Tip() const { return FTip; }
  bool Shown() const { return !isHidden(); }
  QPushButton* SwitchOffButton() const { return FSwitchOff; }

  /// The player pressed the button.
  std::function<void()> OnSwitchOff;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QRect TextRect() const;

  QPushButton* FSwitchOff;
  QString FSentence;
  QRect FBox;
  QPoint FTip;
};

}  // namespace fjordheim
