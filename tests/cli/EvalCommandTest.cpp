// vantrel-convert --eval, run in process: its output is read by other tools.
#include <gtest/gtest.h>

#include <string>

#include "CliRun.h"

namespace vantrel::cli {
namespace {

TEST(EvalCommandTest, OneLinePerExpressionWithValueTabAndCode) {
  const Outcome run =
      RunCli({"--eval", "2+3/4", "1/3", "1e-5", "1/0+1", "-1/0-1", "sqrt(-4)+1", "1/0", "3,5"});
  EXPECT_EQ(run.out,
            "2.75\t0\n"
            "0.33333333333333331\t0\n"
            "1.0000000000000001e-005\t0\n"
            "inf\t13\n"
            "-inf\t13\n"
            "nan\t12\n"
            "18\t18\n"
            "2\t2\n");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(RunCli({"--eval", "1", "2"}).code, 0);
}

TEST(EvalCommandTest, StandardInputInOneRunCarriesTheRandomState) {
  // The first three draws of a fresh run: 41, 18467, 6334 (of 32767).
  const Outcome run = RunCli({"--eval", "-"}, "rand()\nrand()\r\n1 1/2\n\nrand(0,32767)\n");
  EXPECT_EQ(run.out,
            "0.0012512588885158849\t0\n"
            "0.56358531449324012\t0\n"
            "5.5\t0\n"
            "4\t4\n"
            "6334\t0\n");
}

TEST(EvalCommandTest, HelpGoesToStandardOutputAndDiagnosticsOnlyOnRequest) {
  const Outcome help = RunCli({"--eval", "HELP"});
  EXPECT_EQ(help.out.rfind(std::string(79, '-') + "\nHelp on the function:\n", 0), 0u);
  EXPECT_TRUE(help.out.ends_with("\n0\t0\n"));
  EXPECT_EQ(RunCli({"--eval", "2)+(3", "sqrt(-4)"}).err, "");
  EXPECT_NE(RunCli({"--eval", "--diagnostics", "sqrt(-4)"}).err.find("Error code = 30"),
            std::string::npos);
}

TEST(EvalCommandTest, MissingExpressionIsAUsageError) {
  ExpectOneLineError({{"--eval"}, 2, "--eval needs an expression or - (try --help)"});
  ExpectOneLineError({{"--eval", "--diagnostics"}, 2, "--eval needs an expression"});
}

}  // namespace
}  // namespace vantrel::cli
