#include "gui/app/screen_scale.h"

#include <algorithm>
#include <cmath>

namespace fjordheim {

TScreenScale TScreenScale::For(QSize screen) {
  TScreenScale scale;
  const double fit = std::min(static_cast<double>(screen.width()) / GameWidth, static_cast<double>(screen.height()) / GameHeight);
  const double whole = std::floor(fit);
  if (whole >= 2.0) {
    scale.Factor = whole;
  } else if (fit > 0.0) {
    scale.Factor = fit;
    scale.Smooth = fit != 1.0;
  }
  const auto scaledWidth = static_cast<int>(std::lround(GameWidth * scale.Factor));
  const auto scaledHeight = static_cast<int>(std::lround(GameHeight * scale.Factor));
  // Integer division toward zero, as the panels are centred in a window of any size.
  scale.Offset = QPoint((screen.width() - scaledWidth) / 2, (screen.height() - scaledHeight) / 2);
  return scale;
}

QPoint TScreenScale::ToGame(QPointF screen) const {
  const double x = (screen.x() - Offset.x()) / Factor;
  const double y = (screen.y() - Offset.y()) / Factor;
  // A tiny allowance keeps 3 / 1.5 from landing just below 2 by rounding error.
  constexpr double Slack = 1e-9;
  return {static_cast<int>(std::floor(x + Slack)), static_cast<int>(std::floor(y + Slack))};
}

QPointF TScreenScale::ToScreen(QPoint game) const {
  // The middle of the game pixel's square: safe from rounding either way.
  return {Offset.x() + (game.x() + 0.5) * Factor, Offset.y() + (game.y() + 0.5) * Factor};
}

}  // namespace fjordheim
