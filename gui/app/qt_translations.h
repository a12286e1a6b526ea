#pragma once

#include <QTranslator>

#include <memory>

#include "core/settings/language.h"

namespace fjordheim {

/// Qt's own texts (the columns, side bar and buttons of the file boxes, the buttons of the
/// message boxes) in the language of the game: Bokmål from the translation built into the
/// program, Nynorsk from Qt's own, English as Qt writes them. Made after the application
/// object; the translation leaves with it.
class TQtTranslations {
 public:
  /// Qt speaks language from now on, and every open window is told to write its texts
  /// again (a language change event), whether or not Qt has words of its own for it.
  void Use(TLanguageCode language);

 private:
  std::unique_ptr<QTranslator> FTranslator;
};

}  // namespace fjordheim
