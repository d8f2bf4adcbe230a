// Marks the changes a handler makes to a control as the program's own while it
// lives, so that the control reports only the user's changes.
#pragma once

#include "platform/ScopedValue.h"

namespace vantrel {

class ProgramChange : public ScopedValue<bool> {
 public:
  explicit ProgramChange(bool& flag) : ScopedValue(flag, true) {}
};

}  // namespace vantrel
