// What a chosen search result does on the desktop: its text goes to the
// clipboard, or the converter window opens on its conversion.
#pragma once

#include <QString>
#include <QStringList>

#include "cli/Query.h"

namespace vantrel::search {

// Names the program to start instead of the window (tests record its
// arguments with a script).
inline constexpr char kWindowProgramVariable[] = "VANTREL_SEARCH_WINDOW_PROGRAM";

// Copies `text` to the clipboard. Without a display (the process runs as a
// plain application) nothing is copied: false, said on standard error.
bool CopyToClipboard(const QString& text);

// The window's options that open it on the answer's conversion.
QStringList WindowArguments(const cli::QueryAnswer& answer);

// Starts the window detached with `arguments`: the program named by
// kWindowProgramVariable, else `vantrel` beside this program, else the one
// on PATH. False, said on standard error, when none can be started.
bool OpenConverterWindow(const QStringList& arguments);

}  // namespace vantrel::search
