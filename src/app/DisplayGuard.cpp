#include "app/DisplayGuard.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vantrel {

const char kNoDisplayMessage[] =
    "vantrel: no display is available (DISPLAY and WAYLAND_DISPLAY are not set, or DISPLAY "
    "names no reachable X server), so the window cannot open.\nStart it on a desktop, or "
    "under xvfb-run; vantrel-convert works without one.\n";

QtMessageHandler DisplayGuard::previous_ = nullptr;
std::vector<DisplayGuard::Held> DisplayGuard::held_;

DisplayGuard::DisplayGuard() { previous_ = qInstallMessageHandler(&DisplayGuard::Handle); }

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(previous_);
  for (const Held& held : std::exchange(held_, {})) {
    const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
    if (previous_) {
      previous_(held.type, context, held.message);
    } else {
      std::fprintf(stderr, "%s\n", qPrintable(held.message));
    }
  }
}

void DisplayGuard::Handle(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (type == QtFatalMsg) {
    // Qt's own account (a plug-in that "could not be initialized", a hint to
    // reinstall) would mislead: the display is what is missing.
    std::fputs(kNoDisplayMessage, stderr);
    std::_Exit(1);
  }
  held_.push_back({type, QByteArray(context.category), message});
}

}  // namespace vantrel
