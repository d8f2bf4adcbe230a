#include "ui/kit/DropDownList.h"

#include <algorithm>

#include "ui/kit/ListSort.h"
#include "ui/kit/ProgramChange.h"

namespace vantrel {

DropDownList::DropDownList(bool sorted, QWidget* parent) : QComboBox(parent), sorted_(sorted) {
  setEditable(false);
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (!programmatic_) emit SelectionChanged();
  });
}

int DropDownList::AddString(const QString& text) {
  const ProgramChange change(programmatic_);
  const int index = sorted_ ? SortedInsertPosition(
                                  count(), [this](int i) { return itemText(i); }, text)
                            : count();
  const int selected = currentIndex();
  insertItem(index, text);
  // A drop-down list gains no selection by getting entries.
  setCurrentIndex(selected < 0 ? -1 : (selected >= index ? selected + 1 : selected));
  return index;
}

void DropDownList::ResetContent() {
  const ProgramChange change(programmatic_);
  clear();
}

void DropDownList::ResetContent(const std::vector<ListEntry>& entries) {
  const ProgramChange change(programmatic_);
  clear();
  for (const ListEntry& entry : entries) addItem(entry.text, entry.key);
  setCurrentIndex(-1);
}

bool DropDownList::SetCurSel(int index) {
  const bool valid = index >= 0 && index < count();
  const ProgramChange change(programmatic_);
  setCurrentIndex(valid ? index : -1);
  return valid;
}

int DropDownList::FindStringPrefix(int start, const QString& prefix) const {
  return FindPrefix(
      count(), [this](int i) { return itemText(i); }, start, prefix);
}

void DropDownList::SetDroppedRect(const QRect& rect) {
  const int field = sizeHint().height();
  setGeometry(rect.x(), rect.y(), rect.width(), field);
  droppedHeight_ = rect.height();
  const int row = std::max(1, fontMetrics().height() + 2);
  setMaxVisibleItems(std::max(1, (rect.height() - field) / row));
}

QRect DropDownList::DroppedRect() const {
  return QRect(x(), y(), width(), std::max(droppedHeight_, height()));
}

int DropDownList::FindText(const QString& text) const {
  return vantrel::FindText(
      count(), [this](int i) { return itemText(i); }, text);
}

QString DropDownList::GetKey(int index) const {
  const QVariant key = itemData(index, kListKeyRole);
  return key.isValid() ? key.toString() : itemText(index);
}

int DropDownList::FindKey(const QString& key) const {
  return vantrel::FindText(
      count(), [this](int i) { return GetKey(i); }, key);
}

}  // namespace vantrel
