// What Qt sets up once for the whole process and the window's start waits
// for in turn, set up on a second thread while the window is built: the font
// database with its substitutes for the dialogs' face, the image readers, and
// the session bus that accessibility asks for as soon as a list exists.
#pragma once

#include <thread>

namespace vantrel {

class StartWarmUp {
 public:
  // Starts once the application object exists.
  StartWarmUp();
  ~StartWarmUp();
  StartWarmUp(const StartWarmUp&) = delete;
  StartWarmUp& operator=(const StartWarmUp&) = delete;

 private:
  std::thread thread_;
};

}  // namespace vantrel
