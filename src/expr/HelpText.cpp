#include "expr/HelpText.h"

#include <cstdio>
#include <string>

namespace vantrel::expr {
namespace {

constexpr const char* kHelp[] = {
    "-------------------------------------------------------------------------------",
    "Help on the function:",
    "ME_TYPE eval_math_expression_xyzt(const char *math_expression,",
    "                                  ME_TYPE x, ME_TYPE y, ME_TYPE z, ME_TYPE t)",
    "where x, y, z and t are the values of the variables x, y, z and t",
    "of the expression. ME_TYPE is double.",
    "The maximum length of the expression is MX_MATH_EXPRESSION_LENGTH = 1024 symbols",
    "(1023 symbols and the terminating zero).",
    "The expression can use fewer variables with these forms, the missing ones are 0:",
    "  eval_math_expression_xyz(math_expression, x, y, z)",
    "  eval_math_expression_xy(math_expression, x, y)",
    "  eval_math_expression_x(math_expression, x)",
    "  eval_math_expression(math_expression)",
    "Examples:",
    ("  eval_math_expression_xyzt(\"sin(-50.01+x^(sin(y/21.11)-(cos(t)^z)^3.11))"
     "-exp(1e-0.6)+x-y*z/t-0010.0100\","),
    "                            0.1, 0.2, 0.3, -0.4) = -11.6857",
    "  eval_math_expression_xyzt(\"sin(x+10^(sin(y/21.11)-(cos(t)^z)^3.11))\",",
    "                            -50.01, -0.1, 0.1, 12.0) = 0.358661",
    "  eval_math_expression_xyz(\"sin(x+10^(sin(y/21.11)-(cos(12.0)^z)^3.11))\",",
    "                           -50.01, -0.1, 0.1) = 0.358661",
    "  eval_math_expression_xy(\"sin(x+10^(sin(y/21.11)-(cos(12.0)^0.1)^3.11))\",",
    "                          -50.01, -0.1) = 0.358661",
    "  eval_math_expression_x(\"sin(x+10^(sin(-0.1/21.11)-(cos(12.0)^0.1)^3.11))\",",
    "                         -50.01) = 0.358661",
    "NOTE: x, y, z and t must all be of the same type ME_TYPE.",
    "",
    "The expression will be converted into lower case on the evaluation process,",
    "so SIN(X) is the same as sin(x).",
    "All spaces will be removed from the expression on the evaluation process.",
    "Numbers: 12, 12.5, .5, 1.5e-3, 2.5e+10; the decimal separator is the point.",
    "NOTE: 03.123 = 3.123.",
    "Brackets: '(' and ')'.",
    "Allowable operators: '+', '-', '*', '/' and '^' (power).",
    "Variables: x, y, z, t.",
    "Constants:",
    "  e = M_E = 2.718281828459045",
    "  pi = M_PI = 3.141592653589793",
    "  M_2PI = 2*pi = 6.283185307179586",
    "  M_PI2 = M_PI_2 = pi/2 = 1.5707963267948966",
    "  M_PI3 = M_PI_3 = pi/3 = 1.0471975511965976",
    "  M_PI4 = M_PI_4 = pi/4 = 0.7853981633974483",
    "  M_A_PI = 1/pi = 0.3183098861837907",
    "Functions without arguments:",
    "  pi() = 3.141592653589793",
    "  e() = 2.718281828459045",
    "  rand() - random number in [0, 1]",
    "Functions of one argument a:",
    "  sqrt(a) = sqr(a) - square root, a >= 0",
    "  exp(a) - e to the power a",
    "  ln(a) = log(a) - natural logarithm, a > 0",
    "  log10(a) = lg(a) - base 10 logarithm, a > 0",
    "  log2(a) - base 2 logarithm, a > 0",
    "  abs(a) - absolute value",
    "  signum(a) = sign(a) - 1 for a > 0, -1 for a < 0, 0 for a = 0",
    "  delta(a) = d(a) - 1 for a = 0, else 0",
    "  step(a) - 1 for a > 0, 0 for a < 0, 0.5 for a = 0",
    "  step_minus(a) = stepm(a) - 1 for a >= 0, else 0",
    "  step_plus(a) = stepp(a) - 1 for a > 0, else 0",
    "  zero_upto_zero(a) - a for a > 0, else 0",
    "  zero_over_zero(a) - a for a <= 0, else 0",
    "  floor(a) - largest integer not above a",
    "  ceil(a) - smallest integer not below a",
    "  round(a) - nearest integer, halves away from zero",
    "  frac(a) - fraction of a, with the sign of a",
    "  int(a) = trunc(a) - integer part of a",
    "  deg2rad(a) = d2r(a) - degrees to radians",
    "  rad2deg(a) = r2d(a) - radians to degrees",
    "  sin(a) - sine",
    "  cos(a) - cosine",
    "  tg(a) = tan(a) - tangent",
    "  ctg(a) = cot(a) = 1/tan(a) - cotangent, tan(a) != 0",
    "  sec(a) = 1/cos(a) - secant, cos(a) != 0",
    "  cosec(a) = csc(a) = 1/sin(a) - cosecant, sin(a) != 0",
    "  arccos(a) = acos(a) - arc cosine",
    "  arcsin(a) = asin(a) - arc sine",
    "  arctg(a) = atan(a) - arc tangent",
    "  arcctg(a) = acot(a) = pi/2 - atan(a) - arc cotangent",
    "  arcsec(a) = asec(a) = acos(1/a) - arc secant, a != 0",
    "  arccosec(a) = acsc(a) = asin(1/a) - arc cosecant, a != 0",
    "  sh(a) = sinh(a) - hyperbolic sine",
    "  ch(a) = cosh(a) - hyperbolic cosine",
    "  th(a) = tanh(a) - hyperbolic tangent",
    "  cth(a) = coth(a) = 1/tanh(a) - hyperbolic cotangent, a != 0",
    "  sech(a) = sch(a) = 1/cosh(a) - hyperbolic secant",
    "  cosech(a) = csch(a) = 1/sinh(a) - hyperbolic cosecant, a != 0",
    "  arsh(a) = asinh(a) = ln(a + sqrt(a^2+1)) - inverse hyperbolic sine",
    "  arch(a) = acosh(a) = ln(a + sqrt(a^2-1)) - inverse hyperbolic cosine, a >= 1",
    "  arth(a) = atanh(a) = ln((1+a)/(1-a))/2 - inverse hyperbolic tangent, abs(a) < 1",
    "  arcth(a) = acoth(a) = ln((a+1)/(a-1))/2 - inverse hyperbolic cotangent",
    "  arsech(a) = asech(a) = arch(1/a) - inverse hyperbolic secant, a != 0",
    "  arcosech(a) = acsch(a) = arsh(1/a) - inverse hyperbolic cosecant, a != 0",
    "Functions of two arguments a and b:",
    "  rand(a,b) - random number in [a, b]",
    "  rand_close_open(a,b) - random number in [a, b)",
    "  min(a,b) - the smaller of a and b",
    "  max(a,b) - the larger of a and b",
    "  value_upto_value(a,b) - a for a > b, else b",
    "  value_over_value(a,b) - a for a <= b, else b",
    "  mod(a,b) - remainder of a/b with the sign of a",
    "  pow(a,b) = power(a,b) - a to the power b",
    "  atan2(a,b) - arc tangent of a/b in [-pi, pi], b != 0",
    "  atan2p(a,b) - atan2(a,b) + 2*pi for a < 0, else atan2(a,b), b != 0",
    "Functions of three arguments a, a1 and a2:",
    "  impuls(a,a1,a2) - 1 for a between a1 and a2 (ends included), else 0",
    "NOTES:",
    "  -2^2 = -(2^2) = -4",
    "  (-2)^2 = 4",
    "  2^3^4 = 2^(3^4)",
    "  2^3*4 = (2^3)*4",
    "  2^3*4^2 = (2^3)*(4^2)",
    "So, please use more brackets or pow() function instead of '^',",
    "for example pow(2,pow(3,4)) or (2^3)*(4^2).",
    "Example of expression: sin(x+y)/(z^t)",
    "Example of expression: sqrt(x^2+y^2+z^2)",
    "Example of expression: 1.5e-3*exp(-t/2)*cos(2*pi*x)",
    "Example of expression: max(abs(x),abs(y))+round(z)",
    "",
    "This help text will be displayed on the cases of:",
    "  eval_math_expression_xyzt(\"help\", x, y, z, t)",
    "  eval_math_expression_xyzt(\"/h\", x, y, z, t)",
    "  eval_math_expression_xyzt(\"?\", x, y, z, t)",
    "  eval_math_expression_xyzt(\"/?\", x, y, z, t)",
    "and the same with the other forms above.",
    "Then result of the functions will be equal to 0.",
    "-----------------------------------------------------------------------",
};

void Pause(const MathSink& out) {
  out.Write("Press Enter to continue . . .");
  int c = 0;
  while ((c = std::getchar()) != EOF && c != '\n') {
  }
}

}  // namespace

void print_math_expression_help(const MathSink& out, int lines_per_page) {
  if (out.Discards()) return;
  std::string page;
  int written = 0;
  for (const char* line : kHelp) {
    page += line;
    page += '\n';
    if (lines_per_page > 0 && ++written % lines_per_page == 0) {
      out.Write(page);
      page.clear();
      Pause(out);
    }
  }
  out.Write(page);
}

}  // namespace vantrel::expr
