#include <QGuiApplication>
#include <gtest/gtest.h>

// The guide is laid out with Qt's text document, which measures with fonts and wants a gui
// application.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
