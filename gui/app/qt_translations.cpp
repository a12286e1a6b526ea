#include "gui/app/qt_translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>

namespace fjordheim {
namespace {

// Debian ships no Bokmål of Qt; ours is built into the program.
bool LoadQtWords(QTranslator& translator, TLanguageCode language) {
  switch (language) {
    case TLanguageCode::Bokmal:
      return translator.load(QStringLiteral(":/translations/qt_nb.qm"));
    case TLanguageCode::Nynorsk:
      return translator.load(QStringLiteral("qtbase_nn"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    case TLanguageCode::English:
      break;
  }
  return false;
}

}  // namespace

void TQtTranslations::Use(TLanguageCode language) {
  if (FTranslator) QCoreApplication::removeTranslator(FTranslator.get());
  FTranslator = std::make_unique<QTranslator>();
  if (LoadQtWords(*FTranslator, language)) {
    QCoreApplication::installTranslator(FTranslator.get());
  } else {
    FTranslator.reset();
  }
  QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LanguageChange));
}

}  // namespace fjordheim
