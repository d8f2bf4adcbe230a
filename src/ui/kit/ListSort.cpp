#include "ui/kit/ListSort.h"

#include <algorithm>

namespace vantrel {
namespace {

bool Ignored(QChar c) { return c == QLatin1Char('-') || c == QLatin1Char('\''); }

QString WordKey(const QString& text) {
  QString key = text.toCaseFolded();
  key.removeIf(Ignored);
  return key;
}

int IgnoredCount(const QString& text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), Ignored));
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

int CompareListText(const QString& a, const QString& b) {
  if (int words = WordKey(a).compare(WordKey(b))) return Sign(words);
  // Equal words: the text without the hyphens comes first.
  if (int marks = IgnoredCount(a) - IgnoredCount(b)) return Sign(marks);
  if (int folded = a.toCaseFolded().compare(b.toCaseFolded())) return Sign(folded);
  return Sign(a.compare(b));
}

int SortedInsertPosition(int count, const std::function<QString(int)>& entryAt,
                         const QString& text) {
  int low = 0;
  int high = count;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (CompareListText(entryAt(middle), text) <= 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

int FindPrefix(int count, const std::function<QString(int)>& entryAt, int start,
               const QString& prefix) {
  if (count <= 0) return -1;
  const int first = (start < 0 || start >= count) ? 0 : start + 1;
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    if (entryAt(index).startsWith(prefix, Qt::CaseInsensitive)) return index;
  }
  return -1;
}

}  // namespace vantrel
