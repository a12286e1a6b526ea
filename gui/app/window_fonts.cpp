#include "gui/app/window_fonts.h"

#include <QFont>
#include <QStringList>

namespace fjordheim {

void SubstituteWindowFonts() {
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

}  // namespace fjordheim
