#include <gtest/gtest.h>

#include <QCoreApplication>

// The sockets need an event loop of their own thread; no window is involved.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
