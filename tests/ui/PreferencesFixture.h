// A program start on a settings file of the test's own, and the Preferences
// sheet opened over its window without a modal run.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "KitTestSupport.h"
#include "RecordingShell.h"
#include "support/TempDir.h"
#include "ui/AppContext.h"
#include "ui/ConverterDlg.h"
#include "ui/DialogTemplates.h"
#include "ui/MySheet.h"
#include "ui/ResourceIds.h"
#include "ui/kit/DropDownList.h"
#include "ui/kit/ListView.h"

namespace vantrel::testing {

class PreferencesFixture : public ::testing::Test {
 protected:
  // What the settings file holds before the program starts.
  void Store(std::string_view ini) { WriteBytes(dir_ / "Mensura.ini", ini); }
  std::string FileText() const { return ReadBytes(dir_ / "Mensura.ini"); }
  Profile& Settings() { return context_->profile; }
  int Stored(std::string_view key, int absent = -1) {
    return Settings().GetInt("Settings", key, absent);
  }

  // A start of the program, with a process of its own: the window has done
  // what follows its first picture.
  CConverterDlg& Start() {
    opened_.reset();
    main_.reset();
    context_ = std::make_unique<AppContext>(Profile(dir_ / "Mensura.ini"), shell_);
    AddProgramTemplates(context_->templates);
    main_ = std::make_unique<CConverterDlg>(*context_);
    EXPECT_TRUE(main_->Create());
    shell_.SetMainWindow(main_.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main_->windowIcon().isNull(); }, 5000));
    return *main_;
  }

  CMySheet& Open() {
    opened_ = std::make_unique<CMySheet>(*context_, main_.get());
    sheet_ = opened_.get();
    EXPECT_TRUE(sheet_->Create());
    return *sheet_;
  }
  // The Preferences command with its modal run: `user` works the sheet and
  // closes it.
  void RunPreferences(const std::function<void()>& user) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      sheet_ = qobject_cast<CMySheet*>(QApplication::activeModalWidget());
      ASSERT_TRUE(sheet_);
      ran = true;
      user();
      if (sheet_->isVisible()) sheet_->reject();
    });
    main_->OnCommand(ids::kCmdPreferences);
    EXPECT_TRUE(ran);
    sheet_ = nullptr;
  }
  void PressOk() { sheet_->Button(kIdOk)->click(); }

  CGeneral& General() { return sheet_->General(); }
  CResultFormat& Format() { return sheet_->ResultFormatPage(); }
  CVisible& Visible() { return sheet_->VisiblePage(); }
  ListView* Categories() { return Visible().ItemAs<ListView>(ids::kVisibleCategoryList); }

  TempDir dir_;
  RecordingShell shell_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<CConverterDlg> main_;
  std::unique_ptr<CMySheet> opened_;  // owned by the window: goes first
  CMySheet* sheet_ = nullptr;
};

}  // namespace vantrel::testing
