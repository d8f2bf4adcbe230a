// Marks the changes a handler makes to a control as the program's own while it
// lives, so that the control reports only the user's changes.
#pragma once

#include <utility>

namespace vantrel {

class ProgramChange {
 public:
  explicit ProgramChange(bool& flag) : flag_(flag), was_(std::exchange(flag, true)) {}
  ~ProgramChange() { flag_ = was_; }
  ProgramChange(const ProgramChange&) = delete;
  ProgramChange& operator=(const ProgramChange&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace vantrel
