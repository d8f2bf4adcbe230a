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
  using vantrel::cli::QueryStatus;
  vantrel::cli::Session& session = Built();
  const std::string text(reinterpret_cast<const char*>(data), size);
  vantrel::cli::QueryAnswer answer;
  std::string error;
  switch (vantrel::cli::AnswerQuery(session, text, answer, error)) {
    case QueryStatus::kAnswered:
      if (answer.category.empty() || answer.from.empty() || answer.to.empty() ||
          answer.value.empty() || answer.number.empty() || answer.result.empty() ||
          answer.description.find(" = ") == std::string::npos || !error.empty())
        __builtin_trap();
      break;
    case QueryStatus::kError:
      if (error.empty() || error.find('\n') != std::string::npos) __builtin_trap();
      break;
    case QueryStatus::kNotAQuery:
      if (error.find('\n') != std::string::npos) __builtin_trap();
      break;
  }
  return 0;
}
