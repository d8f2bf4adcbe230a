// The search service's tests. With a display (under xvfb-run) the test
// process reads the clipboard the service copies to; without one those
// tests are skipped.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const char* display = std::getenv("DISPLAY");
  std::unique_ptr<QCoreApplication> application;
  if (display && *display) {
    application = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    application = std::make_unique<QCoreApplication>(argc, argv);
  }
  return RUN_ALL_TESTS();
}
