#pragma once

#include <QTextBrowser>

namespace fjordheim {

/// The browser of the information pages. The game's pages are Windows-1252, and many
/// do not say so: a page without a declared charset is read as Windows-1252 (Qt would
/// take it for UTF-8 and show æ, ø and å as �); a page that declares one keeps it.
class TPageBrowser : public QTextBrowser {
 public:
  explicit TPageBrowser(QWidget* parent = nullptr) : QTextBrowser(parent) {}

  QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace fjordheim
