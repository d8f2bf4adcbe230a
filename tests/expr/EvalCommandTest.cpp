// vantrel-convert --eval, run as a process: its output is read by other tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct Outcome {
  std::string out;
  int status;
};

// Runs the tool under sh with the given arguments (already quoted); `input` is
// a printf format (\\n for a new line) fed to its standard input.
Outcome Convert(const std::string& arguments, const std::string& input = "",
                const std::string& redirect = "2>/dev/null") {
  const std::string command =
      "printf '" + input + "' | " VANTREL_CONVERT_PATH " " + arguments + " " + redirect;
  Outcome run{"", -1};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(EvalCommand, OneLinePerExpressionWithValueTabAndCode) {
  const Outcome run = Convert("--eval '2+3/4' 1/3 1e-5 '1/0+1' '-1/0-1' 'sqrt(-4)+1' '1/0' '3,5'");
  EXPECT_EQ(run.out,
            "2.75\t0\n"
            "0.33333333333333331\t0\n"
            "1.0000000000000001e-005\t0\n"
            "inf\t13\n"
            "-inf\t13\n"
            "nan\t12\n"
            "18\t18\n"
            "2\t2\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Convert("--eval 1 2").status, 0);
}

TEST(EvalCommand, StandardInputInOneProcessCarriesTheRandomState) {
  // The first three draws of a fresh process: 41, 18467, 6334 (of 32767).
  const Outcome run = Convert("--eval -", "rand()\\nrand()\\r\\n1 1/2\\n\\nrand(0,32767)\\n");
  EXPECT_EQ(run.out,
            "0.0012512588885158849\t0\n"
            "0.56358531449324012\t0\n"
            "5.5\t0\n"
            "4\t4\n"
            "6334\t0\n");
}

TEST(EvalCommand, HelpGoesToStandardOutputAndDiagnosticsOnlyOnRequest) {
  const Outcome help = Convert("--eval HELP");
  EXPECT_EQ(help.out.rfind(std::string(79, '-') + "\nHelp on the function:\n", 0), 0u);
  EXPECT_EQ(help.out.substr(help.out.size() - 4), "0\t0\n");
  EXPECT_EQ(Convert("--eval '2)+(3' 'sqrt(-4)'", "", "2>&1 >/dev/null").out, "");
  const std::string diagnostics =
      Convert("--eval --diagnostics 'sqrt(-4)'", "", "2>&1 >/dev/null").out;
  EXPECT_NE(diagnostics.find("Error code = 30"), std::string::npos);
}

TEST(EvalCommand, MissingExpressionIsAUsageError) {
  EXPECT_EQ(Convert("--eval").status, 2);
  EXPECT_EQ(Convert("--eval --diagnostics").status, 2);
}

}  // namespace
