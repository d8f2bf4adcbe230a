// Times a program's start up to its window's appearance: listens on the X
// root window for map notifications, starts the program, and blocks until
// the first top-level window is mapped (no polling). Prints the milliseconds
// from launch to that MapNotify, and the processor time the program's
// threads had used by then (which other load on the machine hardly
// changes); with --linger it then waits, so that the program finishes its
// start, and also prints its peak resident memory. Ends the program
// afterwards.
//
// Usage: vantrel_map_wait [--linger MS] PROGRAM [ARGUMENT...]
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

long PeakResidentKiloBytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// The processor time of every thread of the process so far, from the
// scheduler's own accounting (nanoseconds, unlike the ticks of /proc/PID/stat).
double ProcessorMilliseconds(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = ::opendir(tasks.c_str());
  if (!dir) return -1;
  double ns = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
    double onCpu = 0;
    if (schedstat >> onCpu) ns += onCpu;
  }
  ::closedir(dir);
  return ns / 1e6;
}

void EndProgram(pid_t pid) {
  ::kill(pid, SIGTERM);
  ::waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  int lingerMs = 0;
  if (argc > 2 && std::strcmp(argv[1], "--linger") == 0) {
    lingerMs = std::atoi(argv[2]);
    first = 3;
  }
  if (first >= argc) {
    std::fputs("usage: vantrel_map_wait [--linger MS] PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fputs("vantrel_map_wait: no X display\n", stderr);
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  // Checked, so that the server listens before the program starts.
  if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
          xcb_request_check(connection, xcb_change_window_attributes_checked(
                                            connection, root, XCB_CW_EVENT_MASK, &mask)),
          &std::free);
      error) {
    std::fputs("vantrel_map_wait: cannot listen on the root window\n", stderr);
    return 2;
  }

  const Clock::time_point launched = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
    std::perror("vantrel_map_wait: cannot start the program");
    return 2;
  }
  const int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  bool mapped = false;
  while (!mapped) {
    pollfd waits[2] = {{xcb_get_file_descriptor(connection), POLLIN, 0}, {pidFd, POLLIN, 0}};
    if (::poll(waits, pidFd >= 0 ? 2 : 1, 30000) <= 0 || (waits[1].revents & POLLIN)) break;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      mapped = mapped || (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
      std::free(event);
    }
    if (xcb_connection_has_error(connection)) break;
  }
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - launched).count();
  const double cpuMs = mapped ? ProcessorMilliseconds(pid) : -1;
  if (!mapped) {
    std::fputs("vantrel_map_wait: the program ended or timed out before mapping a window\n",
               stderr);
    EndProgram(pid);
    return 1;
  }
  std::printf("map_ms=%.3f cpu_ms=%.3f", ms, cpuMs);
  if (lingerMs > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(lingerMs));
    std::printf(" peak_kB=%ld", PeakResidentKiloBytes(pid));
  }
  std::printf("\n");
  EndProgram(pid);
  xcb_disconnect(connection);
  return 0;
}
