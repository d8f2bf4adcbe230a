// The ui tests run in one QApplication on the offscreen platform (unless the
// environment names another), with the settings folder in a temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>

#include "support/TempDir.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  vantrel::testing::TempDir config;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
