#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace fjordheim {

/// One SVG drawing of data/art/. Groups whose id begins with "layer-" are switchable
/// (season layers, scene variants): a rendering shows only the layers it names; the
/// groups "layer-winter.ground" and "layer-winter.roofs" both belong to the layer "winter".
/// Elements whose id is "zone-N" are the hot spots of the drawing's zone mask; hidden
/// shapes of class "hit" inside them widen a hot spot in the mask alone.
class TSvgArt {
 public:
  explicit TSvgArt(QByteArray source);
  /// Reads the file; throws std::runtime_error when it cannot be read, or when it names
  /// a font this machine lacks (the message names the drawing and the font), so that the
  /// pictures never differ silently between machines.
  static TSvgArt FromFile(const QString& path);

  /// The font families the drawing names that are not installed; generic families
  /// (serif, sans-serif, monospace …) are always at hand.
  QStringList MissingFonts() const;

  /// A copy whose source has every placeholder text replaced (template colours).
  TSvgArt WithReplacements(const QMap<QString, QString>& replacements) const;

  /// The whole drawing scaled to size, on white, showing the given layers.
  QImage Render(QSize size, const QStringList& layers = {}) const;
  /// The same on a transparent background (ARGB, premultiplied).
  QImage RenderTransparent(QSize size, const QStringList& layers = {}) const;

  /// The groups of one layer drawn alone, each in its place in the whole drawing scaled
  /// to size, on a transparent background (ARGB, premultiplied).
  QImage RenderLayerAlone(QSize size, const QString& layer) const;

  /// The element with that id drawn alone, fitted into size (with its aspect kept, or
  /// stretched to fill), on a transparent background (ARGB, premultiplied).
  QImage RenderElement(const QString& id, QSize size, double margin = 0.0, bool keepAspect = true) const;

  /// One byte per pixel, rows top to bottom: the number of the topmost zone element
  /// that covers the pixel, 0 where none does.
  QByteArray ZoneMask(QSize size) const;

  /// The zone numbers named by "zone-N" ids, in document order.
  QList<int> ZoneNumbers() const;

  bool HasElement(const QString& id) const;

 private:
  QByteArray FSource;
};

/// An ARGB picture flattened onto a key colour: a pixel at least half covered keeps its
/// colour (never exactly the key colour), the rest becomes the key colour.
QImage KeyedPicture(const QImage& argb, QColor key);

/// An ARGB picture flattened onto an opaque colour, as RGB888.
QImage FlattenedPicture(const QImage& argb, QColor background);

}  // namespace fjordheim
