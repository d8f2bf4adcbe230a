// libFuzzer target over the one-line query: any text gets an answer, an
// error or nothing, never a crash or a sanitizer report; an answer has every
// text, an error says why on one line, and nothing says nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/Query.h"

namespace {

vantrel::cli::Session& Built() {
  static vantrel::expr::MathContext quiet{vantrel::expr::MathSink{}, vantrel::expr::MathSink{}};
  static vantrel::cli::Session session({}, quiet);
  return session;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vantrel::cli::QueryProblem;
  vantrel::cli::Session& session = Built();
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto found = vantrel::cli::AnswerQuery(session, text);
  const vantrel::cli::QueryAnswer& answer = found.value;
  const std::string& error = found.message;
  switch (found.error) {
    case QueryProblem::kNone:
      if (answer.category.empty() || answer.from.empty() || answer.to.empty() ||
          answer.value.empty() || answer.number.empty() || answer.result.empty() ||
          answer.description.find(" = ") == std::string::npos || !error.empty())
        __builtin_trap();
      break;
    case QueryProblem::kError:
      if (error.empty() || error.find('\n') != std::string::npos) __builtin_trap();
      break;
    case QueryProblem::kNotAQuery:
      if (error.find('\n') != std::string::npos) __builtin_trap();
      break;
  }
  return 0;
}
