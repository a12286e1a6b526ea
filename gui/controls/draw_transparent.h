#pragma once

#include <QImage>
#include <QPainter>

namespace fjordheim {

/// The bitmap with every pixel of the transparent colour made fully transparent.
QImage KeyedImage(const QImage& bitmap, QRgb transparentColour);

/// Draws bitmap at 0, 0 of the painter's device leaving what is beneath wherever the
/// bitmap has the transparent colour: the result of masking the target with the
/// bitmap's transparent pixels and or-ing in the rest.
void DrawTransparent(QPainter& target, const QImage& bitmap, QRgb transparentColour);

}  // namespace fjordheim
