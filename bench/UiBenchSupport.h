// What the window benchmarks share: one QApplication on the offscreen
// platform, a shell that lets nothing leave the process, and a program context
// over a fresh settings file.
#pragma once

#include <stdlib.h>

#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <filesystem>
#include <string>

#include "expr/MathContext.h"
#include "ui/AppContext.h"
#include "ui/DialogTemplates.h"
#include "ui/kit/Shell.h"

namespace vantrel::bench {

// The application lives to the end of the process and is never destroyed:
// destroyed among the static objects, it would run after Qt's own, which
// it needs, and crash the program at exit.
inline void EnsureApplication() {
  static QApplication* application = nullptr;
  if (application) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "vantrel_bench";
  static char* argv[] = {name, nullptr};
  application = new QApplication(argc, argv);
}

// A stream no one reads.
inline std::FILE* NullStream() {
  static std::FILE* const stream = std::fopen("/dev/null", "w");
  return stream;
}

// Answers every request at once and lets nothing leave the process.
class QuietShell final : public Shell {
 public:
  int MessageBox(QWidget*, const QString&, const QString&, MessageIcon, MessageButtons) override {
    return kIdOk;
  }
  bool OpenAddress(const QString&) override { return true; }
  bool StartProgram(const QString&) override { return true; }
  void SetClipboardText(const QString&) override {}
};

inline std::filesystem::path FreshSettingsFile() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return {};
  return std::filesystem::path(pattern) / "Mensura.ini";
}

struct Window {
  Window() : context(Profile(FreshSettingsFile()), shell) {
    EnsureApplication();
    AddProgramTemplates(context.templates);
    // Diagnostics are written as the program writes them, to a stream no one reads.
    context.math.diagnostics = expr::MathSink(NullStream());
  }
  ~Window() {
    std::error_code ignored;
    std::filesystem::remove_all(context.profile.File().parent_path(), ignored);
  }
  QuietShell shell;
  AppContext context;
};

}  // namespace vantrel::bench
