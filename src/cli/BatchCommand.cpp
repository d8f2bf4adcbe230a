#include "cli/BatchCommand.h"

#include <optional>
#include <string>
#include <string_view>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/LineReader.h"

namespace vantrel::cli {
namespace {

constexpr std::size_t kWriteAt = 64 * 1024;  // bytes of answers held back at most

// Splits at tabs into at most four fields; five means more than four.
std::size_t SplitFields(std::string_view line, std::string_view (&fields)[4]) {
  std::size_t count = 0;
  for (;;) {
    const std::size_t tab = line.find('\t');
    if (count == 4) return 5;
    fields[count++] = line.substr(0, tab);
    if (tab == std::string_view::npos) return count;
    line.remove_prefix(tab + 1);
  }
}

constexpr const char* kFieldNames[] = {"the VALUE field", "the FROM field", "the TO field",
                                       "the CATEGORY field"};

// Why a field is no text to read (it would be read up to its first NUL
// only); false when every field is. A field of printable ASCII, as nearly
// all are, costs a look at each byte.
bool FieldsProblem(const std::string_view (&fields)[4], std::size_t count, std::string& error) {
  for (std::size_t i = 0; i < count; ++i) {
    bool printable = true;
    for (const char c : fields[i]) printable &= c >= ' ' && c <= '~';
    if (printable) continue;
    error = TextProblem(fields[i], kFieldNames[i]);
    if (!error.empty()) return true;
  }
  return false;
}

// The CATEGORY field's category; the last one named is remembered.
class NamedCategory {
 public:
  explicit NamedCategory(Session& session) : session_(session) {}

  bool Find(std::string_view name, const CCategory*& category, std::string& error) {
    if (!name_ || name != *name_) {
      name_.emplace(name);
      found_ = ChosenCategory(session_, name_, category_, error_);
    }
    category = category_;
    if (!found_) error = error_;
    return found_;
  }

 private:
  Session& session_;
  std::optional<std::string> name_;
  bool found_ = false;
  const CCategory* category_ = nullptr;
  std::string error_;
};

}  // namespace

int RunBatch(Session& session, const CCategory* defaultCategory, std::istream& in,
             std::ostream& out, std::ostream& err) {
  std::string answers;
  answers.reserve(kWriteAt + 1024);
  auto write = [&] {
    out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
    answers.clear();
  };
  LineReader reader(in, [&] {
    write();
    out.flush();
  });
  NamedCategory named(session);
  std::string error;
  long lines = 0;
  long failures = 0;
  std::string_view line;
  while (reader.Next(line)) {
    ++lines;
    std::string_view fields[4];
    const std::size_t count = SplitFields(line, fields);
    bool ok = false;
    if (count != 3 && count != 4) {
      error = "expected VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY]";
    } else if (!FieldsProblem(fields, count, error)) {
      const CCategory* category = defaultCategory;
      if (count < 4 || fields[3].empty() || named.Find(fields[3], category, error))
        ok = session.Convert(fields[0], fields[1], fields[2], category, answers, error);
    }
    if (!ok) {
      answers += "error: ";
      answers += error;
      ++failures;
    }
    answers += '\n';
    if (answers.size() >= kWriteAt) write();
  }
  write();
  out.flush();
  if (failures == 0) return kExitSuccess;
  return Fail(err, kExitConversionError,
              std::to_string(failures) + " of " + std::to_string(lines) + " lines failed");
}

}  // namespace vantrel::cli
