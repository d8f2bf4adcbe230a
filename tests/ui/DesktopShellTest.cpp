#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "ui/kit/Shell.h"

namespace vantrel {
namespace {

TEST(DesktopShell, StartsProgramsFromTheSearchPathAndReportsFailure) {
  DesktopShell shell;
  EXPECT_TRUE(shell.StartProgram(QStringLiteral("true --ignored-argument")));
  EXPECT_FALSE(shell.StartProgram(QStringLiteral("vantrel-no-such-program-here")));
  EXPECT_FALSE(shell.StartProgram(QStringLiteral("   ")));
}

TEST(DesktopShell, PutsTextOnTheClipboard) {
  DesktopShell shell;
  shell.SetClipboardText(QStringLiteral("212"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("212"));
}

}  // namespace
}  // namespace vantrel
