// An entry of a list control: the text it shows, and the key the program
// knows it by. Names the window shows in the user's language keep their
// English name as the key, which is what the program stores and looks up.
#pragma once

#include <QString>
#include <Qt>

namespace vantrel {

struct ListEntry {
  QString text;
  QString key;
};

// Where a list control keeps an entry's key; an entry without one is known by
// its text.
inline constexpr int kListKeyRole = Qt::UserRole;

}  // namespace vantrel
