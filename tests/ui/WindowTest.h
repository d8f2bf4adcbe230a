// The program on a settings file in a folder of its own, and a fixture that
// gives each test such a run.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTest>
#include <filesystem>
#include <memory>
#include <ostream>

#include "RecordingShell.h"
#include "platform/FileStore.h"
#include "support/TempDir.h"
#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/DialogTemplates.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/EditBox.h"
#include "ui/kit/ListBox.h"

namespace vantrel::testing {

// One run of the program: its context on a settings file in a fresh folder,
// with the dialog templates, the documents where the package puts them and a
// shell that records what is asked of the desktop; and its main window, which
// each Start() opens anew, as a new start of the program would. The
// evaluator's diagnostics stay quiet meanwhile.
class ProgramRun {
 public:
  explicit ProgramRun(FileStore& store = LocalFileStore())
      : context_(Profile(SettingsFile(), store), shell_) {
    AddProgramTemplates(context_.templates);
    context_.homePage = QStringLiteral("/usr/share/doc/vantrel/index.html");
    context_.manual = QStringLiteral("/usr/share/doc/vantrel/manual.pdf");
    context_.math.diagnostics = expr::MathSink();
  }

  std::filesystem::path SettingsFile() const { return dir_ / "Mensura.ini"; }
  Profile& Settings() { return context_.profile; }

  // A new main window on the same settings file, created; its first paint
  // and what waits for it come with the event loop (FinishStart).
  template <class Window = CConverterDlg>
  Window& Start() {
    window_.reset();
    auto window = std::make_unique<Window>(context_);
    Window& started = *window;
    window_ = std::move(window);
    EXPECT_TRUE(window_->Create());
    return started;
  }
  // Runs the event loop until the start has finished: what follows the first
  // paint, the start's own writes, and what they had to say.
  void FinishStart() {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window_->windowIcon().isNull(); }, 5000));
    QTest::qWait(1);
  }

  TempDir dir_;
  RecordingShell shell_;
  AppContext context_;
  std::unique_ptr<CConverterDlg> window_;
};

// What the main window shows.
struct Shown {
  QString category, from, to, output;
  bool operator==(const Shown&) const = default;
};

inline void PrintTo(const Shown& shown, std::ostream* out) {
  *out << (QStringList{shown.category, shown.from, shown.to, shown.output}.join(" | "))
              .toStdString();
}

// A test with a run of the program of its own.
class WindowTest : public ::testing::Test, public ProgramRun {
 protected:
  DropDownList* Categories() { return window_->DropDownItem(ids::kCategoryList); }
  ListBox* From() { return window_->ListBoxItem(ids::kInputUnitList); }
  ListBox* To() { return window_->ListBoxItem(ids::kOutputUnitList); }
  EditBox* Input() { return window_->EditItem(ids::kInputBox); }

  Shown Now() {
    return {Categories()->currentText(), From()->GetText(From()->GetCurSel()),
            To()->GetText(To()->GetCurSel()), window_->ItemText(ids::kOutputBox)};
  }
};

}  // namespace vantrel::testing
