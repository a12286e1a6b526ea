#include <gtest/gtest.h>

#include <QApplication>

#include "gui/app/qt_translations.h"
#include "gui/app/window_fonts.h"

// gtest_discover_tests runs this binary at build time, where ctest's environment does
// not apply, so the offscreen platform is chosen here when nothing else was asked for.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  fjordheim::SubstituteWindowFonts();
  fjordheim::TQtTranslations qtTranslations;
  qtTranslations.Use(fjordheim::TLanguageCode::Bokmal);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
