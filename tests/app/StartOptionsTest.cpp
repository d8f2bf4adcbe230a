// The window program's arguments: its own options, in both forms, with what is
// wrong with them, and everything else left to Qt in its order.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "app/StartOptions.h"

namespace vantrel {

void PrintTo(const StartOptionProblem& problem, std::ostream* out) {
  *out << static_cast<int>(problem.kind) << ' ' << problem.option.toStdString();
}

namespace {

using Kind = StartOptionProblem::Kind;
using Answer = StartArguments::Answer;

std::optional<QString> Text(const char* text) {
  if (!text) return std::nullopt;
  return QString::fromUtf8(text);
}

TEST(StartOptionsTest, ReadsTheProgramsOwnOptionsAndLeavesTheRestToQt) {
  const struct {
    std::vector<std::string> arguments;
    const char* category;
    const char* from;
    const char* to;
    const char* value;
    std::vector<StartOptionProblem> problems;
    std::vector<std::string> forQt;
    Answer answer = Answer::kNone;
  } cases[] = {
      {{"--category", "Temperature", "--from=degree Celsius", "--to", "°F", "--value=1/3"},
       "Temperature",
       "degree Celsius",
       "°F",
       "1/3",
       {},
       {}},
      {{"--category=Area", "--from", "Å", "--to=say \"2*pi\"", "--value", "-5"},
       "Area",
       "Å",
       "say \"2*pi\"",
       "-5",
       {},
       {}},
      {{"-style", "Fusion", "--value", "2*pi", "-platform", "offscreen"},
       nullptr,
       nullptr,
       nullptr,
       "2*pi",
       {},
       {"-style", "Fusion", "-platform", "offscreen"}},
      {{"--category=", "--value="}, "", nullptr, nullptr, "", {}, {}},
      // Not the program's own: Qt's to take or ignore.
      {{"--categories", "x", "--from-unit", "--to_", "-category", "y"},
       nullptr,
       nullptr,
       nullptr,
       nullptr,
       {},
       {"--categories", "x", "--from-unit", "--to_", "-category", "y"}},
      {{"--to", "m", "--value"},
       nullptr,
       nullptr,
       "m",
       nullptr,
       {{Kind::kMissingValue, "--value"}},
       {}},
      {{"--category", "--from", "m", "-style", "Fusion"},
       nullptr,
       "m",
       nullptr,
       nullptr,
       {{Kind::kMissingValue, "--category"}},
       {"-style", "Fusion"}},
      {{"--from", "a", "--to", "b", "--from=a", "--value", "1", "--value", "2", "--value"},
       nullptr,
       nullptr,
       "b",
       nullptr,
       {{Kind::kRepeated, "--from"}, {Kind::kRepeated, "--value"}},
       {}},
      {{"--to", "--to", "x"}, nullptr, nullptr, nullptr, nullptr, {{Kind::kRepeated, "--to"}}, {}},
      {{"--value", "1", "--help", "--version"},
       nullptr,
       nullptr,
       nullptr,
       "1",
       {},
       {},
       Answer::kHelp},
      {{"--version", "-h"}, nullptr, nullptr, nullptr, nullptr, {}, {}, Answer::kVersion},
      {{"--value", "-h"},
       nullptr,
       nullptr,
       nullptr,
       nullptr,
       {{Kind::kMissingValue, "--value"}},
       {},
       Answer::kHelp},
  };
  for (const auto& c : cases) {
    std::vector<std::string> storage = {"vantrel"};
    storage.insert(storage.end(), c.arguments.begin(), c.arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : storage) argv.push_back(argument.data());
    SCOPED_TRACE(::testing::PrintToString(storage));

    const StartArguments read = ReadStartArguments(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(read.choice.category, Text(c.category));
    EXPECT_EQ(read.choice.from, Text(c.from));
    EXPECT_EQ(read.choice.to, Text(c.to));
    EXPECT_EQ(read.choice.value, Text(c.value));
    EXPECT_EQ(read.choice.problems, c.problems);
    EXPECT_EQ(read.answer, c.answer);
    ASSERT_FALSE(read.forQt.empty());
    EXPECT_EQ(read.forQt.front(), argv.front());
    EXPECT_EQ(read.forQt.back(), nullptr);
    EXPECT_EQ(std::vector<std::string>(read.forQt.begin() + 1, read.forQt.end() - 1), c.forQt);
  }
}

// What Qt takes is its own (its platform and style options, in one or two
// dashes); whatever it leaves, the window's misspelt options among it, is one
// problem in the order given.
TEST(StartOptionsTest, WhatQtLeavesIsSaidAsUnknown) {
  std::vector<std::string> storage = {"vantrel", "--valeu", "5",       "-platform", "offscreen",
                                      "--style", "Fusion",  "--value", "1",         "--bogus"};
  std::vector<char*> argv;
  for (std::string& argument : storage) argv.push_back(argument.data());
  StartArguments read = ReadStartArguments(static_cast<int>(argv.size()), argv.data());
  int qtArgc = static_cast<int>(read.forQt.size()) - 1;
  QApplication application(qtArgc, read.forQt.data());
  NoteUnknownArguments(read, qtArgc);
  EXPECT_EQ(read.choice.value, Text("1"));
  EXPECT_EQ(read.choice.problems,
            (std::vector<StartOptionProblem>{{Kind::kUnknown, "--valeu 5 --bogus"}}));
}

}  // namespace
}  // namespace vantrel
