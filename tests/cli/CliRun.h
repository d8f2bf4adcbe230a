// vantrel-convert as its tests run it: in process through its run entry point,
// or as the real program where only a real process will do (the settings file
// found as the program finds it, another user, the exit status).
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Run.h"
#include "support/TempDir.h"

extern char** environ;

namespace vantrel::cli {

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

// `settings` is the settings file; empty for none.
inline Outcome RunCli(const Arguments& args, const std::string& input = "",
                      const std::filesystem::path& settings = {}) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = Run(args, settings, in, out, err);
  return {code, out.str(), err.str()};
}

// The program's own folder: settings kept on another file system would be
// looked for at that file system's root.
inline std::filesystem::path ProgramFolder() {
  return std::filesystem::path(VANTREL_CONVERT).parent_path();
}

// The real program with XDG_CONFIG_HOME set to `config`, started through
// `runner` (setpriv and its arguments) when one is given. Code -1 when it
// could not be started.
inline Outcome RunProgram(const Arguments& args, const std::filesystem::path& config,
                          const std::string& input = "", Arguments runner = {}) {
  const testing::TempDir io;
  testing::WriteBytes(io / "in", input);
  runner.push_back(VANTREL_CONVERT);
  runner.insert(runner.end(), args.begin(), args.end());
  std::vector<std::string> environment{"XDG_CONFIG_HOME=" + config.string()};
  for (char** entry = environ; *entry; ++entry)
    if (!std::string_view(*entry).starts_with("XDG_CONFIG_HOME=")) environment.push_back(*entry);
  auto pointers = [](std::vector<std::string>& texts) {
    std::vector<char*> list;
    for (std::string& text : texts) list.push_back(text.data());
    list.push_back(nullptr);
    return list;
  };
  std::vector<char*> argv = pointers(runner), envp = pointers(environment);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, (io / "in").c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, (io / "out").c_str(), O_WRONLY | O_CREAT, 0600);
  posix_spawn_file_actions_addopen(&files, 2, (io / "err").c_str(), O_WRONLY | O_CREAT, 0600);
  pid_t child = 0;
  int status = 0;
  const bool ran = posix_spawnp(&child, argv[0], &files, nullptr, argv.data(), envp.data()) == 0 &&
                   waitpid(child, &status, 0) == child && WIFEXITED(status);
  posix_spawn_file_actions_destroy(&files);
  return {ran ? WEXITSTATUS(status) : -1, testing::ReadBytes(io / "out"),
          testing::ReadBytes(io / "err")};
}

struct ErrorCase {
  Arguments args;
  int code;
  const char* message;  // a part of the one line on standard error
};

inline void ExpectOneLineError(const ErrorCase& c, const std::filesystem::path& settings = {}) {
  const Outcome outcome = RunCli(c.args, "", settings);
  EXPECT_EQ(outcome.code, c.code) << c.message << ": " << outcome.err;
  EXPECT_EQ(outcome.out, "") << c.message;
  EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
  EXPECT_EQ(outcome.err.rfind("vantrel-convert: ", 0), 0u) << outcome.err;
  EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
}

}  // namespace vantrel::cli
