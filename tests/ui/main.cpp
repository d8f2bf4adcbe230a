// The ui tests run in one QApplication on the offscreen platform (unless the
// environment names another), with the settings folder in a temporary folder,
// in English or, where VANTREL_TEST_LANGUAGE names one ("de"), in that
// language with the build's translations.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <cstdio>

#include "support/TempDir.h"
#include "ui/Translations.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  vantrel::testing::TempDir config;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
  QApplication app(argc, argv);
  if (const QString language = qEnvironmentVariable("VANTREL_TEST_LANGUAGE"); !language.isEmpty()) {
    if (vantrel::InstallTranslations({language}, {QStringLiteral(VANTREL_TRANSLATIONS_DIR)}) !=
        language) {
      std::fprintf(stderr, "no translation into %s in %s\n", qPrintable(language),
                   VANTREL_TRANSLATIONS_DIR);
      return 1;
    }
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
