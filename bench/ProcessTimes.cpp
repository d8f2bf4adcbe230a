// Times whole processes by the processor time they use (user and system, as
// the kernel accounts it for a finished child, to the microsecond), which
// other load on the machine hardly changes. Runs the programs in turn, one
// run of each per round, so that all of them see the same load, with their
// output thrown away. Prints each program's median, mean and fastest run, and
// the ratio of every median to the first program's.
//
// Usage: vantrel_process_times ROUNDS PROGRAM [ARGUMENT...] [-- PROGRAM [ARGUMENT...]]...
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Microseconds of processor time of one run, or -1 when it failed.
double RunOnce(const std::vector<char*>& command) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const bool started =
      posix_spawnp(&child, command[0], &files, nullptr, command.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  if (!started) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) return -1;
  auto micros = [](const timeval& t) { return t.tv_sec * 1e6 + static_cast<double>(t.tv_usec); };
  return micros(usage.ru_utime) + micros(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 2 ? std::atoi(argv[1]) : 0;
  if (rounds < 1) {
    std::fprintf(stderr, "usage: %s ROUNDS PROGRAM [ARGUMENT...] [-- PROGRAM [ARGUMENT...]]...\n",
                 argv[0]);
    return 2;
  }
  std::vector<std::vector<char*>> commands(1);
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) {
      commands.emplace_back();
    } else {
      commands.back().push_back(argv[i]);
    }
  }
  for (auto& command : commands) {
    if (command.empty()) return 2;
    command.push_back(nullptr);
  }
  // One unmeasured round brings the files into the page cache.
  for (const auto& command : commands) RunOnce(command);
  std::vector<std::vector<double>> times(commands.size());
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t i = 0; i < commands.size(); ++i) {
      const double t = RunOnce(commands[i]);
      if (t < 0) {
        std::fprintf(stderr, "%s failed\n", commands[i][0]);
        return 1;
      }
      times[i].push_back(t);
    }
  }
  double first = 0;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    std::vector<double>& t = times[i];
    std::sort(t.begin(), t.end());
    const double median =
        t.size() % 2 ? t[t.size() / 2] : (t[t.size() / 2 - 1] + t[t.size() / 2]) / 2;
    const double mean = std::accumulate(t.begin(), t.end(), 0.0) / static_cast<double>(t.size());
    if (i == 0) first = median;
    std::string line;
    for (char* const* word = commands[i].data(); *word; ++word) (line += *word) += ' ';
    std::printf("%-60s median %8.1f us  mean %8.1f us  fastest %8.1f us  ratio %.3f\n",
                line.c_str(), median, mean, t.front(), median / first);
  }
  return 0;
}
