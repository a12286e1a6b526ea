#include "tools/assetgen/svg_art.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <functional>
#include <stdexcept>

namespace fjordheim {

namespace {

const QString LayerPrefix = QStringLiteral("layer-");
const QString ZonePrefix = QStringLiteral("zone-");

QDomDocument ParsedDocument(const QByteArray& source) {
  QDomDocument document;
  if (!document.setContent(source)) throw std::runtime_error("not a readable SVG drawing");
  return document;
}

// Inkscape writes display into the style attribute, where it wins over the attribute.
void SetDisplay(QDomElement element, bool shown) {
  QString style = element.attribute("style");
  style.remove(QRegularExpression("display\\s*:\\s*[a-z]+\\s*;?"));
  if (!shown) style = "display:none;" + style;
  if (style.isEmpty())
    element.removeAttribute("style");
  else
    element.setAttribute("style", style);
  element.removeAttribute("display");
}

bool IsDefinition(const QDomElement& element) {
  const QString tag = element.tagName();
  return tag == "defs" || tag == "symbol" || tag == "style" || tag == "metadata" || tag.contains(':');
}

void ForEachElement(QDomElement parent, const std::function<void(QDomElement)>& action) {
  for (QDomElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
    action(child);
    ForEachElement(child, action);
  }
}

void ShowLayers(QDomDocument& document, const QStringList& layers) {
  ForEachElement(document.documentElement(), [&](QDomElement element) {
    const QString id = element.attribute("id");
    // "layer-winter.roofs" belongs to the layer "winter": one layer may have several groups.
    if (id.startsWith(LayerPrefix)) SetDisplay(element, layers.contains(id.mid(LayerPrefix.size()).section('.', 0, 0)));
  });
}

QDomElement ElementById(const QDomDocument& document, const QString& id) {
  QDomElement found;
  ForEachElement(document.documentElement(), [&](QDomElement element) {
    if (found.isNull() && element.attribute("id") == id) found = element;
  });
  return found;
}

// Hides every drawn subtree that neither holds nor lies inside the element, and shows
// the element's own ancestors, so that it is drawn alone and in its place.
void Isolate(QDomDocument& document, QDomElement element) {
  const QDomElement root = document.documentElement();
  for (QDomElement keep = element; keep != root; keep = keep.parentNode().toElement()) {
    QDomElement parent = keep.parentNode().toElement();
    for (QDomElement sibling = parent.firstChildElement(); !sibling.isNull();
         sibling = sibling.nextSiblingElement()) {
      if (sibling != keep && !IsDefinition(sibling)) SetDisplay(sibling, false);
    }
    if (parent != root) SetDisplay(parent, true);
  }
  SetDisplay(element, true);
}

bool IsGroupOfLayer(const QDomElement& element, const QString& layer) {
  const QString id = element.attribute("id");
  return id.startsWith(LayerPrefix) && id.mid(LayerPrefix.size()).section('.', 0, 0) == layer;
}

bool HoldsGroupOfLayer(QDomElement element, const QString& layer) {
  bool holds = false;
  ForEachElement(element, [&](QDomElement inner) { holds = holds || IsGroupOfLayer(inner, layer); });
  return holds;
}

// Shows the layer's groups and hides every drawn subtree that holds none of them.
void IsolateLayer(QDomElement parent, const QString& layer) {
  for (QDomElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
    if (IsDefinition(child)) continue;
    if (IsGroupOfLayer(child, layer)) {
      SetDisplay(child, true);
    } else if (HoldsGroupOfLayer(child, layer)) {
      SetDisplay(child, true);
      IsolateLayer(child, layer);
    } else {
      SetDisplay(child, false);
    }
  }
}

// A shape of class "hit" inside a zone widens the hot spot of a small figure: it is hidden
// in the picture and drawn only into the mask.
void ShowHitShapes(QDomDocument& document) {
  ForEachElement(document.documentElement(), [](QDomElement element) {
    if (!element.attribute("class").split(' ').contains("hit")) return;
    SetDisplay(element, true);
    element.setAttribute("fill", "#000000");
    element.setAttribute("opacity", "1");
  });
}

QImage TransparentCanvas(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void RenderDocument(const QDomDocument& document, QImage& target, const QRectF* viewBox = nullptr) {
  QSvgRenderer renderer(document.toByteArray(-1));
  if (!renderer.isValid()) throw std::runtime_error("the SVG renderer refused the drawing");
  if (viewBox != nullptr) renderer.setViewBox(*viewBox);
  renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
  QPainter painter(&target);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(target.size())));
}

}  // namespace

TSvgArt::TSvgArt(QByteArray source) : FSource(std::move(source)) {}

TSvgArt TSvgArt::FromFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  TSvgArt art(file.readAll());
  const QStringList missing = art.MissingFonts();
  if (!missing.isEmpty()) {
    throw std::runtime_error(QString("%1 names the font \"%2\", which is not installed (scripts/install-deps installs it)")
                                 .arg(QFileInfo(path).fileName(), missing.first())
                                 .toStdString());
  }
  return art;
}

QStringList TSvgArt::MissingFonts() const {
  static const QStringList Generic{"serif", "sans-serif", "monospace", "cursive", "fantasy", "system-ui"};
  const QStringList installed = QFontDatabase::families();
  QStringList missing;
  static const QRegularExpression Named(R"(font-family\s*[=:]\s*["']?([^"';>]+))");
  for (auto match = Named.globalMatch(QString::fromUtf8(FSource)); match.hasNext();) {
    for (QString family : match.next().captured(1).split(',')) {
      family = family.trimmed().remove('\'').remove('"');
      if (family.isEmpty() || Generic.contains(family, Qt::CaseInsensitive)) continue;
      if (!installed.contains(family, Qt::CaseInsensitive) && !missing.contains(family)) missing.push_back(family);
    }
  }
  return missing;
}

TSvgArt TSvgArt::WithReplacements(const QMap<QString, QString>& replacements) const {
  QByteArray source = FSource;
  for (auto it = replacements.begin(); it != replacements.end(); ++it)
    source.replace(it.key().toUtf8(), it.value().toUtf8());
  return TSvgArt(source);
}

QImage TSvgArt::Render(QSize size, const QStringList& layers) const {
  return FlattenedPicture(RenderTransparent(size, layers), Qt::white);
}

QImage TSvgArt::RenderTransparent(QSize size, const QStringList& layers) const {
  QDomDocument document = ParsedDocument(FSource);
  ShowLayers(document, layers);
  QImage canvas = TransparentCanvas(size);
  RenderDocument(document, canvas);
  return canvas;
}

QImage TSvgArt::RenderLayerAlone(QSize size, const QString& layer) const {
  QDomDocument document = ParsedDocument(FSource);
  IsolateLayer(document.documentElement(), layer);
  QImage canvas = TransparentCanvas(size);
  RenderDocument(document, canvas);
  return canvas;
}

QImage TSvgArt::RenderElement(const QString& id, QSize size, double margin, bool keepAspect) const {
  QDomDocument document = ParsedDocument(FSource);
  QDomElement element = ElementById(document, id);
  if (element.isNull()) throw std::runtime_error("no element " + id.toStdString());
  Isolate(document, element);
  QSvgRenderer measure(document.toByteArray(-1));
  QRectF bounds = measure.transformForElement(id).mapRect(measure.boundsOnElement(id));
  bounds.adjust(-margin, -margin, margin, margin);
  // Widen the narrower side so the element keeps its shape inside the target size.
  const double targetAspect = double(size.width()) / size.height();
  if (!keepAspect) {
  } else if (bounds.width() / bounds.height() < targetAspect) {
    const double width = bounds.height() * targetAspect;
    bounds.adjust(-(width - bounds.width()) / 2, 0, (width - bounds.width()) / 2, 0);
  } else {
    const double height = bounds.width() / targetAspect;
    bounds.adjust(0, -(height - bounds.height()) / 2, 0, (height - bounds.height()) / 2);
  }
  QImage canvas = TransparentCanvas(size);
  RenderDocument(document, canvas, &bounds);
  return canvas;
}

QByteArray TSvgArt::ZoneMask(QSize size) const {
  QByteArray mask(size.width() * size.height(), '\0');
  const QDomDocument document = ParsedDocument(FSource);
  for (int zone : ZoneNumbers()) {
    QDomDocument alone = document.cloneNode(true).toDocument();
    ShowLayers(alone, {});
    ShowHitShapes(alone);
    Isolate(alone, ElementById(alone, ZonePrefix + QString::number(zone)));
    QImage canvas = TransparentCanvas(size);
    RenderDocument(alone, canvas);
    for (int y = 0; y < size.height(); ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
      for (int x = 0; x < size.width(); ++x)
        if (qAlpha(row[x]) >= 128) mask[y * size.width() + x] = char(zone);
    }
  }
  return mask;
}

QList<int> TSvgArt::ZoneNumbers() const {
  QList<int> zones;
  const QDomDocument document = ParsedDocument(FSource);
  ForEachElement(document.documentElement(), [&](QDomElement element) {
    const QString id = element.attribute("id");
    if (!id.startsWith(ZonePrefix)) return;
    bool ok = false;
    const int zone = id.mid(ZonePrefix.size()).toInt(&ok);
    if (ok && zone > 0 && zone < 256 && !zones.contains(zone)) zones.append(zone);
  });
  return zones;
}

bool TSvgArt::HasElement(const QString& id) const {
  return !ElementById(ParsedDocument(FSource), id).isNull();
}

QImage KeyedPicture(const QImage& argb, QColor key) {
  const QImage source = argb.convertToFormat(QImage::Format_ARGB32);
  QImage result(source.size(), QImage::Format_RGB888);
  const QRgb keyRgb = key.rgb() | 0xff000000u;
  const QRgb nudged = qRgb(qRed(keyRgb) ^ 1, qGreen(keyRgb) ^ 1, qBlue(keyRgb) ^ 1);
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      QRgb pixel = qAlpha(row[x]) >= 128 ? (row[x] | 0xff000000u) : keyRgb;
      if (qAlpha(row[x]) >= 128 && pixel == keyRgb) pixel = nudged;
      result.setPixel(x, y, pixel);
    }
  }
  return result;
}

QImage FlattenedPicture(const QImage& argb, QColor background) {
  QImage result(argb.size(), QImage::Format_RGB888);
  result.fill(background);
  QPainter painter(&result);
  painter.drawImage(0, 0, argb);
  painter.end();
  return result;
}

}  // namespace fjordheim
