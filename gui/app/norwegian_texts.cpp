#include "gui/app/norwegian_texts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace fjordheim {

void InstallNorwegianQtTexts() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral(":/translations/qt_nb.qm"))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace fjordheim
