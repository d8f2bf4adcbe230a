// KRunner's entry for the service says what text may wake it.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include "cli/Query.h"

namespace vantrel::search {
namespace {

QString EntryValue(const QString& key) {
  QFile entry(QStringLiteral(VANTREL_KRUNNER_ENTRY));
  if (!entry.open(QIODevice::ReadOnly)) return {};
  const QString prefix = key + QLatin1Char('=');
  for (const QString& line : QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n')))
    if (line.startsWith(prefix)) return line.mid(prefix.size());
  return {};
}

// Text the service's own first test takes wakes it, and plain words or
// arithmetic do not, so KRunner asks for nothing it would answer with nothing.
TEST(KRunnerEntry, WakesTheServiceForWhatMayBeAQueryAlone) {
  const QRegularExpression rule(EntryValue(QStringLiteral("X-Plasma-Runner-Match-Regex")));
  const int fewest = EntryValue(QStringLiteral("X-Plasma-Runner-Min-Letter-Count")).toInt();
  ASSERT_TRUE(rule.isValid() && !rule.pattern().isEmpty());
  ASSERT_GT(fewest, 0);
  const struct {
    const char* text;
    bool mayBe;
  } cases[] = {
      {"100 mi in km", true},
      {"1m", true},
      {"5 ft 3 in to cm", true},
      {"451 °F", true},
      {"1/2 cup", true},
      {"2h", true},
      {"100", false},
      {"hello", false},
      {"", false},
      {"m", false},
      {"1+2*(3-4)^2", false},
      {"3.5 = 7/2", false},
      {"what is love", false},
      {"-1.5e3", true},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(cli::MayBeQuery(c.text), c.mayBe) << c.text;
    EXPECT_EQ(text.size() >= fewest && rule.match(text).hasMatch(), c.mayBe) << c.text;
  }
}

}  // namespace
}  // namespace vantrel::search
