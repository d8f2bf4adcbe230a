#include "ui/kit/DropDownList.h"

#include <utility>

#include "ui/kit/ListSort.h"

namespace vantrel {

DropDownList::DropDownList(bool sorted, QWidget* parent) : QComboBox(parent), sorted_(sorted) {
  setEditable(false);
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (!programmatic_) emit SelectionChanged();
  });
}

int DropDownList::AddString(const QString& text) {
  const bool was = std::exchange(programmatic_, true);
  const int index = sorted_ ? SortedInsertPosition(
                                  count(), [this](int i) { return itemText(i); }, text)
                            : count();
  const int selected = currentIndex();
  insertItem(index, text);
  // A drop-down list gains no selection by getting entries.
  setCurrentIndex(selected < 0 ? -1 : (selected >= index ? selected + 1 : selected));
  programmatic_ = was;
  return index;
}

void DropDownList::ResetContent() {
  const bool was = std::exchange(programmatic_, true);
  clear();
  programmatic_ = was;
}

bool DropDownList::SetCurSel(int index) {
  const bool valid = index >= 0 && index < count();
  const bool was = std::exchange(programmatic_, true);
  setCurrentIndex(valid ? index : -1);
  programmatic_ = was;
  return valid;
}

int DropDownList::FindStringPrefix(int start, const QString& prefix) const {
  return FindPrefix(
      count(), [this](int i) { return itemText(i); }, start, prefix);
}

}  // namespace vantrel
