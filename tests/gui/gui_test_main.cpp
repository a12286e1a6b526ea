#include <gtest/gtest.h>

#include <QApplication>

#include "gui/app/norwegian_texts.h"
#include "gui/app/window_fonts.h"

// gtest_discover_tests runs this binary at build time, where ctest's environment does
// not apply, so the offscreen platform is chosen here when nothing else was asked for.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  fjordheim::SubstituteWindowFonts();
  fjordheim::InstallNorwegianQtTexts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
