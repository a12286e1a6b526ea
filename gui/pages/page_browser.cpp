#include "gui/pages/page_browser.h"

#include <QFile>
#include <QTextDocument>

#include <string>
#include <string_view>

#include "core/common/text.h"
#include "core/pages/html_text.h"

namespace fjordheim {

QVariant TPageBrowser::loadResource(int type, const QUrl& name) {
  if (type != QTextDocument::HtmlResource || !name.isLocalFile()) return QTextBrowser::loadResource(type, name);
  QFile file(name.toLocalFile());
  if (!file.open(QIODevice::ReadOnly)) return QTextBrowser::loadResource(type, name);
  const QByteArray bytes = file.readAll();
  const std::string_view page(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (DeclaresCharset(page)) return bytes;
  return QString::fromStdString(Utf8From1252(page));
}

}  // namespace fjordheim
