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

// What the order compares, in turn, made once per text.
struct SortKey {
  explicit SortKey(const QString& entry)
      : text(entry),
        words(WordKey(entry)),
        marks(IgnoredCount(entry)),
        folded(entry.toCaseFolded()) {}
  QString text;
  QString words;
  int marks;
  QString folded;
};

int CompareKeys(const SortKey& a, const SortKey& b) {
  if (int words = a.words.compare(b.words)) return Sign(words);
  // Equal words: the text without the hyphens comes first.
  if (int marks = a.marks - b.marks) return Sign(marks);
  if (int folded = a.folded.compare(b.folded)) return Sign(folded);
  return Sign(a.text.compare(b.text));
}

}  // namespace

int CompareListText(const QString& a, const QString& b) {
  return CompareKeys(SortKey(a), SortKey(b));
}

std::vector<int> ListOrder(const QStringList& texts) {
  std::vector<SortKey> keys;
  keys.reserve(texts.size());
  for (const QString& text : texts) keys.emplace_back(text);
  std::vector<int> order(keys.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(),
                   [&keys](int a, int b) { return CompareKeys(keys[a], keys[b]) < 0; });
  return order;
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

int FindText(int count, const std::function<QString(int)>& entryAt, const QString& text) {
  for (int index = 0; index < count; ++index) {
    if (entryAt(index) == text) return index;
  }
  return -1;
}

}  // namespace vantrel
