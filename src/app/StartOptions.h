// The program's own options, read before Qt sees the arguments: --help (or
// -h) and --version, which answer without any display, and the start options
// that choose what the window shows: --category NAME, --from UNIT, --to UNIT
// and --value TEXT, each also written --option=VALUE. Every other argument is
// left to Qt, in its order, and what Qt does not take either is said.
#pragma once

#include <cstdio>
#include <optional>
#include <vector>

#include "ui/StartChoice.h"

namespace vantrel {

struct StartArguments {
  enum class Answer { kNone, kHelp, kVersion };
  Answer answer = Answer::kNone;
  StartChoice choice;
  // The program's name and every argument that is not the program's own,
  // then a null, as QApplication takes them.
  std::vector<char*> forQt;
};

// A start option's value is the next argument unless the option ends the
// arguments or another of the program's own options follows it: then it
// lacks its value. An option given twice is left out, with the problem.
// Values are decoded as the system's 8-bit text (UTF-8).
StartArguments ReadStartArguments(int argc, char** argv);

// Called with the arguments as QApplication left them (it takes its own out
// of `forQt` and lowers `qtArgc`): what is left is no option of the window's
// nor of Qt's, and becomes one problem that names it all.
void NoteUnknownArguments(StartArguments& arguments, int qtArgc);

// Prints the help or the version to `out`; the exit status when it did.
std::optional<int> AnswerOwnOption(const StartArguments& arguments, std::FILE* out);

}  // namespace vantrel
