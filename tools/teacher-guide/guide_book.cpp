#include "tools/teacher-guide/guide_book.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFont>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include <string_view>

#include "core/common/text.h"

namespace fjordheim {

namespace {

// The book is laid out at the screen's 96 dots an inch, so that a page's picture of 240
// pixels is two and a half inches wide on paper, and drawn at the sheet's resolution.
constexpr double LayoutDpi = 96;
constexpr int SheetDpi = 300;
constexpr double MarginMillimetres = 18;
// The sheet's number at its foot, in the size of the pages' small print.
constexpr int NumberPixels = 12;
constexpr QRegularExpression::PatternOptions Loose =
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

// The pages of the game folder are Windows-1252; their UTF-8 sources say that they are not.
QString DecodedPage(const QByteArray& bytes) {
  if (bytes.toLower().contains("charset=utf-8")) return QString::fromUtf8(bytes);
  const std::string_view page(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return QString::fromStdString(Utf8From1252(page));
}

// Paper stays white: the page colour is for the screen.
QString PrintedStyle(const QString& page) {
  const QRegularExpressionMatch style = QRegularExpression("<style[^>]*>(.*?)</style>", Loose).match(page);
  QString css = style.hasMatch() ? style.captured(1) : QString();
  css.replace(QRegularExpression("(body\\s*\\{[^}]*?)background-color\\s*:[^;}]*;?", Loose), "\\1");
  return css;
}

// A later page begins a new sheet with its heading, or with an empty paragraph where it has
// none; the break is a property of the block it stands on.
QString OnNewSheet(QString content) {
  constexpr const char* Break = " style=\"page-break-before: always\"";
  const QRegularExpressionMatch heading = QRegularExpression("<h1(?=[\\s>])", Loose).match(content);
  if (heading.hasMatch()) return content.insert(heading.capturedEnd(), Break);
  return "<p" + QString(Break) + "></p>" + content;
}

}  // namespace

bool TGuideBook::Read(const QString& htmlFolder, const QStringList& pages, QString& problem) {
  Clear();
  if (pages.isEmpty()) {
    problem = "no pages were named";
    return false;
  }
  for (const QString& page : pages) {
    if (ReadPage(htmlFolder, page, problem)) continue;
    Clear();
    return false;
  }
  return true;
}

void TGuideBook::Clear() {
  FStyle.clear();
  FHtml.clear();
  FPictures.clear();
}

bool TGuideBook::ReadPage(const QString& htmlFolder, const QString& page, QString& problem) {
  const QString path = QDir(htmlFolder).filePath(page);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    problem = "the page " + page + " cannot be read (" + path + ")";
    return false;
  }
  const QString text = DecodedPage(file.readAll());
  const QRegularExpressionMatch body = QRegularExpression("<body[^>]*>(.*)</body>", Loose).match(text);
  if (!body.hasMatch()) {
    problem = "the page " + page + " has no body (" + path + ")";
    return false;
  }
  QString content = body.captured(1);
  // The menu line leads back to the start page on screen; on paper it leads nowhere.
  content.remove(QRegularExpression("<p class=\"meny\">.*?</p>", Loose));
  QRegularExpressionMatchIterator images = QRegularExpression("<img[^>]*\\ssrc=\"([^\"]*)\"", Loose).globalMatch(content);
  while (images.hasNext()) {
    const QString source = images.next().captured(1);
    if (FPictures.count(source) > 0) continue;
    const QString picturePath = QDir::cleanPath(QDir(htmlFolder).filePath(source));
    const QImage picture(picturePath);
    if (picture.isNull()) {
      problem = "the picture " + source + " of the page " + page + " is missing or cannot be read (" + picturePath + ")";
      return false;
    }
    FPictures.emplace(source, picture);
  }
  if (FHtml.isEmpty()) FStyle = PrintedStyle(text);
  else content = OnNewSheet(content);
  FHtml += content;
  return true;
}

void TGuideBook::Lay(QTextDocument& document) const {
  for (const auto& [source, picture] : FPictures) document.addResource(QTextDocument::ImageResource, QUrl(source), picture);
  document.setDefaultStyleSheet(FStyle);
  document.setHtml("<html><body>" + FHtml + "</body></html>");
}

int TGuideBook::WritePdf(const QString& path, const QString& title, QString& problem) const {
  if (FHtml.isEmpty()) {
    problem = "the book holds no pages";
    return 0;
  }
  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setResolution(SheetDpi);
  writer.setTitle(title);
  writer.setCreator("Fjordheim");
  QPainter painter;
  if (!painter.begin(&writer)) {
    problem = "the PDF cannot be written (" + path + ")";
    return 0;
  }
  QTextDocument document;
  Lay(document);
  const double scale = SheetDpi / LayoutDpi;
  const QSizeF sheet(writer.width() / scale, writer.height() / scale);
  const double margin = MarginMillimetres / 25.4 * LayoutDpi;
  QTextFrameFormat frame = document.rootFrame()->frameFormat();
  frame.setMargin(margin);
  document.rootFrame()->setFrameFormat(frame);
  document.setPageSize(sheet);
  const int sheets = document.pageCount();
  painter.scale(scale, scale);
  QFont numberFont = document.defaultFont();
  numberFont.setPixelSize(NumberPixels);
  painter.setFont(numberFont);
  for (int i = 0; i < sheets; ++i) {
    if (i > 0) writer.newPage();
    const QRectF shown(0, i * sheet.height(), sheet.width(), sheet.height());
    painter.save();
    painter.translate(0, -shown.top());
    painter.setClipRect(shown);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    painter.drawText(QRectF(margin, sheet.height() - margin, sheet.width() - 2 * margin, margin / 2),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(i + 1));
  }
  if (!painter.end() || QFileInfo(path).size() == 0) {
    problem = "the PDF could not be finished (" + path + ")";
    return 0;
  }
  return sheets;
}

}  // namespace fjordheim
