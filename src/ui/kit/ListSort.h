// The order in which sorted list boxes and drop-down lists keep their entries:
// case-insensitive, and, as the platform's word sort does, hyphens and
// apostrophes count only between texts that are otherwise equal (the one with
// fewer of them first); then lower-case letters after upper-case ones.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace vantrel {

// Negative, zero or positive as a sorts before, with or after b. Zero only for
// identical texts.
int CompareListText(const QString& a, const QString& b);

// The indexes of the texts in the order a sorted list keeps them (equal texts
// in their given order). Each text's sort key is worked out once, so that many
// entries sort without a list inserting them one by one.
std::vector<int> ListOrder(const QStringList& texts);

// Where a new entry goes among `count` sorted entries: after every entry that
// sorts before it or equal to it.
int SortedInsertPosition(int count, const std::function<QString(int)>& entryAt,
                         const QString& text);

// The first entry from `start` + 1 on (wrapping around; start -1 searches from
// the top) that begins with the text, ignoring case; -1 when none does.
int FindPrefix(int count, const std::function<QString(int)>& entryAt, int start,
               const QString& prefix);

// The first entry that is exactly the text, letter case and blanks included;
// -1 when none is. Where names that differ only in case, or a name and a
// longer one it begins, may both be listed, this finds the one meant.
int FindText(int count, const std::function<QString(int)>& entryAt, const QString& text);

}  // namespace vantrel
